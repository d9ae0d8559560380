#include "controls/VexGauge.h"

#include "controls/GaugeFaces.h"
#include "platform/core/Errors.h"
#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "platform/graphics/Region.h"
#include "toolkit/DIBFX.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

namespace Vex {

namespace {
// Needle outlines in outline units: x along the needle from the pivot (0) to the nominal tip
// (100), y across it, positive on the clockwise side.
constexpr TPoint KSharp2[] = {{-40, 10}, {0, 10}, {100, 0}, {0, -10}, {-40, -10}};
constexpr TPoint KPlain[] = {{0, 10}, {0, -10}, {100, -10}, {100, 10}, {0, 10}};
constexpr TPoint KArrow[] = {{0, 20},    {100, 20},  {100, 40}, {140, 0},
                             {100, -40}, {100, -20}, {0, -20},  {0, 20}};
constexpr TPoint KSharp[] = {{-10, 0}, {0, 20}, {100, 0}, {0, -20}, {-10, 0}};
// A slim blade with a diamond hub: wide at the pivot, waisted, then drawn out to the tip.
constexpr TPoint KSharp3[] = {{-25, 0}, {0, 18}, {25, 6}, {100, 0}, {25, -6}, {0, -18}};
constexpr TPoint KSharpCross[] = {{-40, 10}, {-5, 10}, {-5, 50},  {5, 50},   {5, 10},   {100, 0},
                                  {5, -10},  {5, -50}, {-5, -50}, {-5, -10}, {-40, -10}};
constexpr TPoint KEdgeTriangle[] = {{80, 20}, {100, 0}, {80, -20}, {80, 20}};
constexpr TPoint KEdgeSquare[] = {{80, 20}, {100, 20}, {100, -20}, {80, -20}, {80, 20}};
constexpr TPoint KWicked[] = {{0, 20},  {20, 0},  {40, 20}, {60, 0},
                              {80, 20}, {100, 0}, {0, -20}, {0, 20}};
constexpr TPoint KPlainDouble[] = {{-100, 10}, {100, 10}, {100, -10}, {-100, -10}};
constexpr TPoint KSharpDouble[] = {{0, 10}, {100, 0}, {0, -10}, {-100, 0}};

// Indexed by TVexGauge::TArrowType.
constexpr std::span<const TPoint> KArrowOutlines[] = {
    KSharp2,       KPlain,      KArrow,  KSharp,       KSharp3,     KSharpCross,
    KEdgeTriangle, KEdgeSquare, KWicked, KPlainDouble, KSharpDouble};

// Faces whose picture fills its rectangle; the others are round.
bool IsRectangularFace(int Index) {
    return Index == 5 || Index == 6 || Index == 7 || Index == 9 || Index == 17;
}

float DegToRad(float Degrees) {
    return float(Degrees * std::numbers::pi / 180.0);
}

// Geometry from properties, held to the offsets a surface can use before it becomes an integer.
int Coordinate(double Value) {
    return Round(std::clamp(Value, -KMaxRenderOffset, KMaxRenderOffset));
}

// Steps of a scale of Count marks: a single mark has no step.
float Step(float Span, int Count) {
    return Count > 1 ? Span / float(Count - 1) : 0.0f;
}

TFont ArialFont(int Height, TColor Color = clWindowText) {
    TFont Font;
    Font.Name = QStringLiteral("Arial");
    Font.Height = Height;
    Font.Color = Color;
    return Font;
}
} // namespace

TVexGauge::TVexGauge(QWidget *Parent) : TVexAngularMeter(Parent) {
    // No face is selected yet (index 0), so this only sizes the control.
    SetBounds(Left(), Top(), 200, 200);
    FForceSquare = true;
    FScaleFont = ArialFont(-13);
    FUnitFont = ArialFont(-MulDiv(8, 96, 72));
    FValueFont = ArialFont(-MulDiv(8, 96, 72), clGray);
    FResourceImageIndex = 13;
    FCircular = true;
    SetStabilizationTime(5);
    // Pointing at a default gauge should follow its own scale, not the angular meter's
    // defaults that the gauge's angles replace.
    TVexAngularMeter::SetMinAngle(FGaugeMinAngle);
    TVexAngularMeter::SetMaxAngle(FGaugeMaxAngle);
    FArrowPoints.reserve(16);
    FShadowPoints.reserve(16);
    FPolygon.reserve(16);
    UpdateDrawingTools();
    if (IsDesigning())
        FReady = true;
}

void TVexGauge::Loaded() {
    TVexAngularMeter::Loaded();
    FReady = true;
    // A gauge built in code inside a loading scope had its bounds set while loading, which
    // selects no face: it selects its face now, which renders.
    if (FFace.Empty() && parentWidget())
        SetResourceImageIndex(FResourceImageIndex);
    else if (IsDesigning() || !IsLoading())
        RenderBackground();
}

void TVexGauge::BecomeReady() {
    if (FReady || IsLoading() || !parentWidget())
        return;
    FReady = true;
    SetResourceImageIndex(FResourceImageIndex);
}

void TVexGauge::showEvent(QShowEvent *Event) {
    TVexAngularMeter::showEvent(Event);
    BecomeReady();
}

void TVexGauge::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TVexAngularMeter::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FForceSquare && FReady && FFace.Width() > 0)
        TVexAngularMeter::SetBounds(ALeft, ATop, AWidth, AWidth);
    if (!IsLoading() && FResourceImageIndex >= 0)
        SetResourceImageIndex(FResourceImageIndex);
}

void TVexGauge::SetMinAngle(float Value) {
    TVexAngularMeter::SetMinAngle(Value);
    if (std::isfinite(Value))
        FGaugeMinAngle = std::fmod(Value, 360.0f);
    RenderBackground();
}

void TVexGauge::SetMaxAngle(float Value) {
    TVexAngularMeter::SetMaxAngle(Value);
    if (std::isfinite(Value))
        FGaugeMaxAngle = std::fmod(Value, 360.0f);
    RenderBackground();
}

void TVexGauge::SetFloat(float Value) {
    const float Before = Float();
    const bool AskedAboveMax = Value > Max();
    TVexAngularMeter::SetFloat(Value);
    // The value text is repainted with the next frame, or with the repaint asked for already.
    if (Float() != Before)
        FPendingDirty |= UpdateValueText();
    RaiseAlarms(Before, AskedAboveMax);
}

void TVexGauge::RaiseAlarms(float Before, bool AskedAboveMax) {
    const float Now = Float();
    if (Before <= FUpperAlarmThreshold && Now > FUpperAlarmThreshold)
        emit OnUpperAlarm(this);
    if (Before >= FLowerAlarmThreshold && Now < FLowerAlarmThreshold)
        emit OnLowerAlarm(this);
    if (AskedAboveMax && !FAboveMax) {
        FAboveMax = true;
        emit OnAboveMax(this);
    } else if (!AskedAboveMax && FAboveMax && Now < Max()) {
        FAboveMax = false;
        emit OnBelowMax(this);
    }
}

void TVexGauge::SetArrowType(TArrowType Value) {
    if (IsEnumerator(Value))
        Rebuild(FArrowType, Value);
}

void TVexGauge::SetScaleType(TScaleType Value) {
    if (IsEnumerator(Value))
        Rebuild(FScaleType, Value);
}

void TVexGauge::SetValueType(TValueType Value) {
    if (IsEnumerator(Value))
        Rebuild(FValueType, Value);
}

void TVexGauge::RebuildFinite(float &Field, float Value) {
    if (std::isfinite(Value))
        Rebuild(Field, Value);
}

void TVexGauge::SetLowerAlarmThreshold(float Value) {
    if (std::isfinite(Value))
        FLowerAlarmThreshold = Value;
}

void TVexGauge::SetUpperAlarmThreshold(float Value) {
    if (std::isfinite(Value))
        FUpperAlarmThreshold = Value;
}

void TVexGauge::SetScaleFormat(const QString &Value) {
    if (IsNumberPicture(Value))
        Rebuild(FScaleFormat, Value);
}

void TVexGauge::SetValueFormat(const QString &Value) {
    if (IsNumberPicture(Value))
        Rebuild(FValueFormat, Value);
}

void TVexGauge::SetCoverHeight(float Value) {
    if (!(Value >= 0) || !std::isfinite(Value))
        return;
    FCoverHeight = Value;
    if (IsDesigning() || !IsLoading())
        RenderBackground();
}

void TVexGauge::SetScaleCount(int Value) {
    if (Value >= 0 && Value <= MaxCount)
        FScaleCount = Value;
    RenderBackground();
}

void TVexGauge::SetTickCount(int Value) {
    if (Value <= MaxCount)
        Rebuild(FTickCount, Value);
}

void TVexGauge::SetCircular(bool Value) {
    FCircular = Value;
    ApplyOutline();
    UpdateScreenImage();
}

void TVexGauge::ApplyOutline() {
    SetWindowRegion(FCircular ? TRegion::CreateEllipse(0, 0, width(), height()) : TRegion());
}

void TVexGauge::PixelRatioChanged() {
    // The face is resampled at the new device size, which renders the background again.
    if (FReady && !FFace.Empty())
        SetResourceImageIndex(FResourceImageIndex);
}

void TVexGauge::SetResourceImageIndex(int Value) {
    if (Value < 1 || Value > FaceCount || !parentWidget())
        return;
    FResourceImageIndex = Value;
    FFaceSize = QSize(width(), FForceSquare && FReady ? width() : height());
    const QSize Device = DeviceSize(FFaceSize.width(), FFaceSize.height());
    LoadFaceImage(Value, Device.width(), FFace, Device.height());
    SetCircular(!IsRectangularFace(Value));
    RenderBackground();
}

void TVexGauge::LoadFaceImage(int Index, int Width, TBitmap &Target, int Height) {
    TBitmap Source;
    if (const std::unique_ptr<QImage> Picture = LoadGaugeFace(Index))
        Source.Assign(*Picture);
    SmoothStretch(Source, Target, Width, Height);
}

void TVexGauge::SaveBufferToFile(const QString &FileName) const {
    if (!FBuffer->SaveToFile(FileName))
        throw EVexError(FileName + QStringLiteral(": the picture cannot be written"));
}

void TVexGauge::SetFacePicture(const QImage &Picture) {
    TBitmap Source;
    if (FFace.Empty() || Picture.isNull() || !Source.Assign(Picture))
        return;
    SmoothStretch(Source, FFace, FFace.Width(), FFace.Height());
    RenderBackground();
}

void TVexGauge::RenderBackground() {
    // Every change of size, ratio or property ends here: the needles follow at the next paint.
    FNeedlesBuilt = false;
    if (!FReady || FFace.Empty() || !parentWidget()) {
        update();
        return;
    }
    // Twice the device size, halved afterwards; from ratio 2 on the device size is already
    // twice the control's, and the picture is not halved.
    const int Factor = HalvesRendering() ? 2 : 1;
    const int BW = FFace.Width() * Factor, BH = FFace.Height() * Factor;
    FBuffer->SetSize(BW, BH);
    FBuffer->Canvas().StretchDraw(Rect(0, 0, BW, BH), FFace);
    if (FScaleType != stNoScale)
        RenderLabels();
    if (FDrawTicks && FTickCount >= 1)
        RenderTicks();
    if (!FUnitString.isEmpty())
        RenderUnit();
    if (HalvesRendering())
        HalveBitmap(*FBuffer, false);
    UpdateDrawingTools();
    UpdateScreenImage();
    UpdateValueText();
    update();
}

int TVexGauge::ToRender(double ControlPixels) const {
    return Coordinate(ControlPixels * RenderScale());
}

void TVexGauge::UpdateDrawingTools() {
    FShadowPen = QPen(ToQColor(FShadowColor), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    FArrowPen = QPen(ToQColor(FArrowColor), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    FShadowBrush = QBrush(ToQColor(FShadowColor));
    FArrowBrush = QBrush(ToQColor(FArrowColor));
}

void TVexGauge::UpdateScreenImage() {
    if (!FCircular || FBuffer->Empty()) {
        FScreen = QImage();
        return;
    }
    const QSize Size = DeviceSize();
    CutToRegion(FScreen, FBuffer->Image(), Size,
                TRegion::CreateEllipse(0, 0, Size.width(), Size.height()));
}

const QImage &TVexGauge::ScreenImage() const {
    return FCircular && !FScreen.isNull() ? FScreen : FBuffer->Image();
}

void TVexGauge::RenderLabels() {
    TCanvas &C = FBuffer->Canvas();
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    C.Brush.Style = bsClear;
    C.Font = ScaledFont(FScaleFont, RenderScale());
    C.SetTextAlign(TA_LEFT | TA_TOP);
    const float Rs = float(BH / 2) * FScaleRadius;
    const float AngleStep = Step(DegToRad(FGaugeMaxAngle - FGaugeMinAngle), FScaleCount);
    const double ValueStep = Step(Max() - Min(), FScaleCount);
    for (int I = 0; I < FScaleCount; ++I) {
        const QString Text = FormatFloat(FScaleFormat, ValueStep * I + Min());
        const int HW = C.TextWidth(Text) / 2, HH = C.TextHeight(Text) / 2;
        const float T = DegToRad(FGaugeMinAngle + 90) - AngleStep * float(-I);
        C.TextOut(Coordinate(double(Round(Rs * std::sin(T))) + BW / 2 + ToRender(OrigoX()) - HW),
                  Coordinate(double(Round(Rs * std::cos(T))) + BH / 2 + ToRender(OrigoY()) - HH),
                  Text);
    }
    C.Brush.Style = bsSolid;
}

void TVexGauge::RenderTicks() {
    TCanvas &C = FBuffer->Canvas();
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    C.Pen.Color = FTickColor;
    C.Pen.Style = psSolid;
    const int R = Coordinate(double(BW / 2) * FTickRadius * 0.01);
    const int CX = BW / 2 + ToRender(OrigoX()), CY = BH / 2 + ToRender(OrigoY());
    const float A0 = float(std::numbers::pi) - DegToRad(FGaugeMaxAngle);
    const float A1 = float(std::numbers::pi) - DegToRad(FGaugeMinAngle);
    const float AngleStep = Step(A0 - A1, FTickCount);
    for (int I = 0; I < FTickCount; ++I) {
        C.Pen.Width = FromDoubleSize(FTickPenWidth);
        const bool Major = FMajorTickInterval > 0 && I % FMajorTickInterval == 0;
        const int Length = FromDoubleSize(Major ? 2.0 * FTickLenght : FTickLenght);
        const float A = A0 - AngleStep * float(I);
        const auto At = [&](int Rho) {
            return Point(CX - Round(Rho * std::cos(A)), CY - Round(Rho * std::sin(A)));
        };
        const TPoint Outer = At(R);
        if (FTicksConnected && I > 0)
            C.LineTo(Outer.X, Outer.Y);
        const TPoint Inner = At(R - Length);
        C.MoveTo(Inner.X, Inner.Y);
        C.LineTo(Outer.X, Outer.Y);
    }
}

void TVexGauge::RenderUnit() {
    TCanvas &C = FBuffer->Canvas();
    const int BW = FBuffer->Width(), BH = FBuffer->Height();
    C.Brush.Style = bsClear;
    C.Font = ScaledFont(FUnitFont, RenderScale());
    C.SetTextAlign(TA_LEFT | TA_TOP);
    C.TextOut(Coordinate(double(BW / 2) + ToRender(FUnitChoordX) - C.TextWidth(FUnitString) / 2),
              BH / 2 + ToRender(FUnitChoordY), FUnitString);
    C.Brush.Style = bsSolid;
}

void TVexGauge::BuildArrow(TPoint Offset, std::vector<TPoint> &Points) {
    const std::span<const TPoint> Outline = KArrowOutlines[FArrowType];
    Points.assign(Outline.begin(), Outline.end());
    // Device pixels: the picture's width and height once halved.
    const int Factor = HalvesRendering() ? 2 : 1;
    const int DW = FBuffer->Width() / Factor, DH = FBuffer->Height() / Factor;
    const double R = DH / 2;
    for (TPoint &P : Points) {
        float X = float(Round(P.X * 0.01 * R * FArrowLenght));
        float Y = float(Round(P.Y * 0.01 * R * FArrowWidth));
        RotatePoint(X, Y, FArrowAngle);
        P = Point(Coordinate(double(DW / 2) + Round(X) + Offset.X),
                  Coordinate(double(DH / 2) + Round(Y) + Offset.Y));
    }
}

QRect TVexGauge::BuildNeedles() {
    if (FNeedlesBuilt && FNeedlesValue == FDisplayValue)
        return FNeedlesRect;
    FNeedlesBuilt = true;
    FNeedlesValue = FDisplayValue;
    const float Span = Max() - Min();
    FArrowAngle =
        180 - FGaugeMinAngle - (FDisplayValue - Min()) * ((FGaugeMaxAngle - FGaugeMinAngle) / Span);
    const qreal Ratio = PixelRatio();
    const auto Device = [Ratio](double ControlPixels) { return Coordinate(ControlPixels * Ratio); };
    BuildArrow(Point(Device(double(FShadowPtX) + OrigoX()), Device(double(FShadowPtY) + OrigoY())),
               FShadowPoints);
    BuildArrow(Point(Device(OrigoX()), Device(OrigoY())), FArrowPoints);
    int Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;
    for (const auto *Points : {&FShadowPoints, &FArrowPoints})
        for (const TPoint &P : *Points) {
            Left = std::min(Left, P.X);
            Top = std::min(Top, P.Y);
            Right = std::max(Right, P.X);
            Bottom = std::max(Bottom, P.Y);
        }
    // In control pixels, with a pixel to spare for the outline's pen and the rounding.
    FNeedlesRect =
        Left > Right
            ? QRect()
            : QRect(QPoint(int(std::floor(Left / Ratio)) - 1, int(std::floor(Top / Ratio)) - 1),
                    QPoint(int(std::ceil(Right / Ratio)) + 1, int(std::ceil(Bottom / Ratio)) + 1));
    return FNeedlesRect;
}

QRect TVexGauge::ValueTextRect() const {
    return FValueImage.isNull() ? QRect() : FValueImageRect;
}

QRect TVexGauge::UpdateValueText() {
    const QString Text = FValueType == vtStandard ? FormatFloat(FValueFormat, Float()) : QString();
    const QRect Before = ValueTextRect();
    const qreal Ratio = PixelRatio();
    const bool NewText =
        Text != FValueText || FValueFont != FValueImageFont || Ratio != FValueImageRatio;
    if (NewText) {
        FValueText = Text;
        FValueImageFont = FValueFont;
        FValueImageRatio = Ratio;
        const QFontMetrics Metrics(FValueFont.ToQFont());
        FValueTextWidth =
            Text.isEmpty() ? 0 : Metrics.horizontalAdvance(FValueFont.DisplayText(Text));
        FValueMargin = Metrics.height();
    }
    // The text's top-left corner: centred on the face centre, plus the offset. Around the text
    // lies a margin of a line's height for glyphs that reach beyond their advance.
    const int Factor = HalvesRendering() ? 2 : 1;
    const int CX = int(FBuffer->Width() / Factor / 2 / Ratio);
    const int CY = int(FBuffer->Height() / Factor / 2 / Ratio);
    const double Left = double(CX) + FValueChoordX - FValueTextWidth / 2 - FValueMargin;
    const double Top = double(CY) + FValueChoordY - FValueMargin;
    FValueImageOrigin = QPoint(Coordinate(Left), Coordinate(Top));
    // Only the part on the control is drawn and kept: a far offset or a huge font costs no more
    // than the control's own area.
    const QRect Visible =
        QRect(FValueImageOrigin, QPoint(Coordinate(Left + FValueTextWidth + 2.0 * FValueMargin) - 1,
                                        Coordinate(Top + 3.0 * FValueMargin) - 1))
            .intersected(rect());
    if (NewText || Visible != FValueImageRect) {
        FValueImageRect = Visible;
        FValueImage = QImage();
        if (!Text.isEmpty() && !Visible.isEmpty()) {
            // Drawn once over transparency at device resolution; every paint copies it.
            const QFont Font = FValueFont.ToQFont();
            FValueImage = QImage(int(std::ceil(Visible.width() * Ratio)),
                                 int(std::ceil(Visible.height() * Ratio)),
                                 QImage::Format_ARGB32_Premultiplied);
            FValueImage.setDevicePixelRatio(Ratio);
            FValueImage.fill(Qt::transparent);
            QPainter P(&FValueImage);
            P.setFont(Font);
            P.setPen(ToQColor(FValueFont.Color));
            const QPoint At = FValueImageOrigin - Visible.topLeft();
            P.drawText(At.x() + FValueMargin, At.y() + FValueMargin + QFontMetrics(Font).ascent(),
                       FValueFont.DisplayText(Text));
        }
    }
    return Before.united(ValueTextRect());
}

bool TVexGauge::WellInsideOutline(TPoint Device) const {
    // The outline's ellipse in device pixels, a pixel and a half inside, so that the edges
    // between points well inside stay inside once rasterised.
    const QSize Size = DeviceSize();
    const double A = Size.width() / 2.0 - 1.5, B = Size.height() / 2.0 - 1.5;
    const double X = (Device.X + 0.5 - Size.width() / 2.0) / A;
    const double Y = (Device.Y + 0.5 - Size.height() / 2.0) / B;
    return A > 0 && B > 0 && X * X + Y * Y <= 1;
}

void TVexGauge::ClipUnlessInside(std::span<const TPoint> Device, QPainter &P) const {
    // Only what reaches beyond the round outline pays for a clip.
    if (FCircular && !P.hasClipping() &&
        !std::all_of(Device.begin(), Device.end(),
                     [this](TPoint D) { return WellInsideOutline(D); }))
        P.setClipRegion(WindowRegion().ToQRegion(), Qt::IntersectClip);
}

void TVexGauge::InvalidateFrame() {
    if (visibleRegion().isEmpty())
        return;
    update(FPaintedNeedles.united(BuildNeedles()).united(FPendingDirty));
    FPendingDirty = QRect();
}

void TVexGauge::Paint(TCanvas &Canvas) {
    BecomeReady();
    TVexAngularMeter::Paint(Canvas);
    QPainter &P = Canvas.Painter();
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QImage &Screen = ScreenImage();
    // A paint well inside the round outline copies the opaque picture, the quickest draw.
    const qreal Ratio = PixelRatio();
    const QRect Painted = PaintRect();
    const auto Device = [Ratio](QPoint Q) {
        return Point(Round(Q.x() * Ratio), Round(Q.y() * Ratio));
    };
    const TPoint PaintedCorners[] = {Device(Painted.topLeft()), Device(Painted.topRight()),
                                     Device(Painted.bottomLeft()), Device(Painted.bottomRight())};
    DrawDeviceImage(P, std::all_of(std::begin(PaintedCorners), std::end(PaintedCorners),
                                   [this](TPoint D) { return WellInsideOutline(D); })
                           ? FBuffer->Image()
                           : Screen);

    if (!FValueImage.isNull()) {
        const QRect Text(FValueImageOrigin + QPoint(FValueMargin, FValueMargin),
                         QSize(FValueTextWidth, FValueMargin));
        const TPoint Corners[] = {Device(Text.topLeft()), Device(Text.topRight()),
                                  Device(Text.bottomLeft()), Device(Text.bottomRight())};
        ClipUnlessInside(Corners, P);
        P.drawImage(FValueImageRect.topLeft(), FValueImage);
        P.setClipping(false);
    }

    FPaintedNeedles = BuildNeedles();
    ClipUnlessInside(FShadowPoints, P);
    ClipUnlessInside(FArrowPoints, P);
    if (Ratio != 1)
        P.setWorldTransform(QTransform::fromScale(1 / Ratio, 1 / Ratio));
    const auto Fill = [&](const std::vector<TPoint> &Points, const QPen &Pen, const QBrush &Brush) {
        FPolygon.clear();
        for (const TPoint &Q : Points)
            FPolygon.emplace_back(Q.X, Q.Y);
        P.setPen(Pen);
        P.setBrush(Brush);
        P.drawPolygon(FPolygon.data(), int(FPolygon.size()), Qt::OddEvenFill);
    };
    Fill(FShadowPoints, FShadowPen, FShadowBrush);
    Fill(FArrowPoints, FArrowPen, FArrowBrush);
    if (Ratio != 1)
        P.setWorldTransform(QTransform());
    P.setClipping(false);

    if (FCoverHeight > 0) {
        const int Rows = std::min(height(), Round(height() * FCoverHeight * 0.01));
        const QRect Band(QPoint(0, height() - Rows), QPoint(width() - 1, height() - 1));
        P.drawImage(QRectF(Band), Screen,
                    QRectF(Band.left() * Ratio, Band.top() * Ratio, Band.width() * Ratio,
                           Band.height() * Ratio));
    }
    if (IsDesigning())
        DrawDesignOutline(Canvas);
}

} // namespace Vex
