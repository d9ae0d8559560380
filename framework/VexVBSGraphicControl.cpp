#include "framework/VexVBSGraphicControl.h"

#include "framework/VexVBlankTimer.h"
#include "platform/core/Maths.h"

#include <QEvent>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace Vex {

TVexVBSGraphicControl::TVexVBSGraphicControl(QWidget *Parent)
    : TVexGraphicControl(Parent), FBuffer(std::make_unique<TBitmap>()) {
    FUpdateLocked = false;
    // The control covers its whole area: nothing needs erasing before a paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    Randomize();
    FBuffer->Canvas().Brush.Color = Color();
    FBuffer->Canvas().Pen.Color = Color();
    FResizeList.push_back(FBuffer.get());
    FPixelRatio = devicePixelRatioF();
    SetHeight(100);
    SetWidth(100);
}

TVexVBSGraphicControl::~TVexVBSGraphicControl() {
    // The timer may already be gone at shutdown; QPointer then reads null.
    if (FSubscribed && FFrameTimer)
        FFrameTimer->RemoveControl(this);
}

void TVexVBSGraphicControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    for (TBitmap *Bitmap : FResizeList) {
        Bitmap->SetWidth(Width());
        Bitmap->SetHeight(Height());
    }
}

void TVexVBSGraphicControl::EnableFrameTimer(bool Value) {
    if (FSubscribed || !Value)
        return;
    FSubscribed = true;
    if (IsDesigning())
        return;
    FFrameTimer = TVexVBlankTimer::Instance();
    if (FFrameTimer) {
        FFrameTimer->AddControl(this);
        if (NeedsFrames())
            WakeFrameTimer();
    }
}

void TVexVBSGraphicControl::EndUpdate() {
    FUpdateLocked = false;
}

void TVexVBSGraphicControl::Frame() {
    const QPointer<TVexVBSGraphicControl> Self(this);
    emit OnVBS(this);
    if (Self)
        FrameTick();
}

void TVexVBSGraphicControl::FrameTick() {}

bool TVexVBSGraphicControl::NeedsFrames() const {
    static const QMetaMethod VBS = QMetaMethod::fromSignal(&TVexVBSGraphicControl::OnVBS);
    return isSignalConnected(VBS) || Animating();
}

bool TVexVBSGraphicControl::WakeFrameTimer() {
    if (!FFrameTimer || !parentWidget())
        return false;
    FFrameTimer->Wake();
    return true;
}

void TVexVBSGraphicControl::connectNotify(const QMetaMethod &Signal) {
    TVexGraphicControl::connectNotify(Signal);
    if (Signal == QMetaMethod::fromSignal(&TVexVBSGraphicControl::OnVBS))
        WakeFrameTimer();
}

bool TVexVBSGraphicControl::event(QEvent *Event) {
    const bool Result = TVexGraphicControl::event(Event);
    switch (Event->type()) {
    case QEvent::ParentChange:
    case QEvent::Show:
        // A control that was waiting for a parent or for being shown may move now.
        if (NeedsFrames())
            WakeFrameTimer();
        break;
    default:
        break;
    }
    return Result;
}

bool TVexVBSGraphicControl::FollowPixelRatio() {
    const qreal Ratio = devicePixelRatioF();
    if (Ratio == FPixelRatio)
        return false;
    FPixelRatio = Ratio;
    return true;
}

void TVexVBSGraphicControl::paintEvent(QPaintEvent *Event) {
    if (FollowPixelRatio())
        PixelRatioChanged();
    FPaintRect = Event->rect();
    TVexGraphicControl::paintEvent(Event);
}

qreal TVexVBSGraphicControl::RenderScale(bool Supersampled) const {
    return Supersampled && HalvesRendering() ? 2 * FPixelRatio : FPixelRatio;
}

int TVexVBSGraphicControl::FromDoubleSize(double DoubleSizePixels) const {
    const qreal Scale = RenderScale();
    const double Pixels = Scale == 2 ? DoubleSizePixels : DoubleSizePixels * Scale / 2;
    return Round(std::clamp(Pixels, -KMaxRenderOffset, KMaxRenderOffset));
}

QSize TVexVBSGraphicControl::DeviceSize(int AWidth, int AHeight) const {
    if (FPixelRatio == 1)
        return QSize(AWidth, AHeight);
    return QSize(int(std::ceil(AWidth * FPixelRatio)), int(std::ceil(AHeight * FPixelRatio)));
}

TFont TVexVBSGraphicControl::ScaledFont(const TFont &Font, qreal Scale) {
    if (Scale == 1)
        return Font;
    if (Scale == 2)
        return Font.Doubled();
    // Bounded as Doubled bounds it, so that the scaled size converts to a height within an int.
    constexpr double MaxPoints = 1 << 20;
    TFont Result = Font;
    Result.SetSize(Round(std::clamp(Font.Size() * Scale, -MaxPoints, MaxPoints)));
    return Result;
}

void TVexVBSGraphicControl::DrawDeviceImage(QPainter &Painter, const QImage &Source) const {
    const QSize Size = DeviceSize();
    const QRect Part(0, 0, std::min(Size.width(), Source.width()),
                     std::min(Size.height(), Source.height()));
    if (FPixelRatio == 1) {
        Painter.drawImage(QPoint(0, 0), Source, Part);
        return;
    }
    // Device pixels one to one: the target is the control's area in control pixels.
    Painter.drawImage(QRectF(0, 0, Part.width() / FPixelRatio, Part.height() / FPixelRatio), Source,
                      QRectF(Part));
}

void TVexVBSGraphicControl::CutToRegion(QImage &Target, const QImage &Source, QSize Size,
                                        const TRegion &Region) {
    Size = Size.boundedTo(Source.size());
    if (Target.size() != Size || Target.format() != QImage::Format_ARGB32_Premultiplied)
        Target = QImage(Size, QImage::Format_ARGB32_Premultiplied);
    Target.fill(Qt::transparent);
    const QRect Bounds(QPoint(0, 0), Size);
    // Opaque pixels are the same premultiplied or not: the spans are copied as they are.
    for (const QRect &Span : Region.ToQRegion()) {
        const QRect R = Span.intersected(Bounds);
        for (int Y = R.top(); Y <= R.bottom(); ++Y) {
            const QRgb *From = reinterpret_cast<const QRgb *>(Source.constScanLine(Y)) + R.left();
            QRgb *To = reinterpret_cast<QRgb *>(Target.scanLine(Y)) + R.left();
            for (int X = 0; X < R.width(); ++X)
                To[X] = From[X] | 0xFF000000u;
        }
    }
}

} // namespace Vex
