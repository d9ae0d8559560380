#include "platform/graphics/Canvas.h"

#include "platform/graphics/Bitmap.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Vex {

namespace {
// A rectangle from edges and sizes computed in 64 bits, held to +-2^29 pixels (the origin) and
// 2^30 (the size), so that the edges QRect derives from them stay within an int. Nothing that
// far out can reach a surface.
QRect BoundedRect(int64_t Left, int64_t Top, int64_t Width, int64_t Height) {
    constexpr int64_t KOrigin = int64_t(1) << 29, KSize = int64_t(1) << 30;
    return QRect(int(std::clamp(Left, -KOrigin, KOrigin)), int(std::clamp(Top, -KOrigin, KOrigin)),
                 int(std::clamp(Width, -KSize, KSize)), int(std::clamp(Height, -KSize, KSize)));
}

Qt::PenStyle ToQtPenStyle(TPenStyle Style) {
    switch (Style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

QPolygon ToQPolygon(std::span<const TPoint> Points) {
    QPolygon Polygon(int(Points.size()));
    for (size_t I = 0; I < Points.size(); ++I)
        Polygon.setPoint(int(I), Points[I].X, Points[I].Y);
    return Polygon;
}

// Copies the pixels of Source that are not Key onto Target at (X, Y), clipped to Target.
void DrawKeyed(QImage &Target, int X, int Y, const QImage &Source, QRgb Key) {
    const int X0 = std::max(0, X), Y0 = std::max(0, Y);
    const int X1 = std::min(Target.width(), X + Source.width());
    const int Y1 = std::min(Target.height(), Y + Source.height());
    const QRgb KeyRgb = Key & 0x00FFFFFFu;
    for (int Row = Y0; Row < Y1; ++Row) {
        const QRgb *Src = reinterpret_cast<const QRgb *>(Source.constScanLine(Row - Y)) - X;
        QRgb *Dst = reinterpret_cast<QRgb *>(Target.scanLine(Row));
        for (int Col = X0; Col < X1; ++Col)
            if ((Src[Col] & 0x00FFFFFFu) != KeyRgb)
                Dst[Col] = Src[Col] | 0xFF000000u;
    }
}

QImage WithKeyTransparent(const QImage &Source, QRgb Key) {
    QImage Result = Source.convertToFormat(QImage::Format_ARGB32);
    const QRgb KeyRgb = Key & 0x00FFFFFFu;
    for (int Row = 0; Row < Result.height(); ++Row) {
        QRgb *Line = reinterpret_cast<QRgb *>(Result.scanLine(Row));
        for (int Col = 0; Col < Result.width(); ++Col)
            if ((Line[Col] & 0x00FFFFFFu) == KeyRgb)
                Line[Col] = 0;
    }
    return Result;
}
} // namespace

TCanvas::TCanvas(QImage *Image) : FImage(Image) {}

TCanvas::TCanvas(QPainter *Painter) : FBorrowed(Painter) {}

TCanvas::~TCanvas() {
    Release();
}

QPainter &TCanvas::Painter() {
    if (FBorrowed)
        return *FBorrowed;
    if (!FOwned)
        FOwned = std::make_unique<QPainter>();
    if (!FOwned->isActive() && FImage && !FImage->isNull()) {
        FOwned->begin(FImage);
        FOwned->setRenderHint(QPainter::Antialiasing, false);
        FOwned->setRenderHint(QPainter::TextAntialiasing, false);
        FOwned->setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    return *FOwned;
}

void TCanvas::Release() {
    if (FOwned && FOwned->isActive())
        FOwned->end();
}

void TCanvas::ApplyPen(QPainter &P) const {
    if (!PenVisible()) {
        P.setPen(Qt::NoPen);
        return;
    }
    // Wide pens have round ends and joins, as the desktop's did.
    const int Width = std::max(1, Pen.Width);
    const bool Wide = Width > 1;
    P.setPen(QPen(ToQColor(Pen.Color), Width, ToQtPenStyle(Pen.Style),
                  Wide ? Qt::RoundCap : Qt::FlatCap, Wide ? Qt::RoundJoin : Qt::MiterJoin));
}

void TCanvas::ApplyBrush(QPainter &P) const {
    if (Brush.Style == bsClear)
        P.setBrush(Qt::NoBrush);
    else
        P.setBrush(ToQColor(Brush.Color));
}

void TCanvas::ApplyMode(QPainter &P) const {
    switch (Pen.Mode) {
    case pmCopy:
        P.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case pmNot:
        P.setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case pmXor:
        P.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case pmNotXor:
        P.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    }
}

QRect TCanvas::FigureRect(int Left, int Top, int Right, int Bottom) {
    return BoundedRect(Left, Top, int64_t(Right) - Left - 1, int64_t(Bottom) - Top - 1);
}

void TCanvas::LineTo(int X, int Y) {
    QPainter &P = Painter();
    if (P.isActive() && PenVisible() && (X != FPenPos.X || Y != FPenPos.Y)) {
        ApplyPen(P);
        ApplyMode(P);
        if (std::max(1, Pen.Width) == 1) {
            // The painter drops one end of a thin line by its direction, not by which end came
            // last: draw both ends and clip the end point away.
            QPen Thin = P.pen();
            Thin.setCapStyle(Qt::SquareCap);
            P.save();
            P.setPen(Thin);
            const int64_t DX = std::abs(int64_t(X) - FPenPos.X);
            const int64_t DY = std::abs(int64_t(Y) - FPenPos.Y);
            P.setClipRegion(
                QRegion(BoundedRect(int64_t(std::min(FPenPos.X, X)) - 1,
                                    int64_t(std::min(FPenPos.Y, Y)) - 1, DX + 3, DY + 3))
                    .subtracted(QRegion(X, Y, 1, 1)),
                Qt::IntersectClip);
            P.drawLine(FPenPos.X, FPenPos.Y, X, Y);
            P.restore();
        } else {
            P.drawLine(FPenPos.X, FPenPos.Y, X, Y);
        }
    }
    FPenPos = {X, Y};
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
    QPainter &P = Painter();
    if (!P.isActive() || Points.empty())
        return;
    ApplyPen(P);
    ApplyBrush(P);
    ApplyMode(P);
    P.drawPolygon(ToQPolygon(Points), Qt::OddEvenFill);
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
    QPainter &P = Painter();
    if (!P.isActive() || Points.size() < 2 || !PenVisible())
        return;
    ApplyPen(P);
    ApplyMode(P);
    P.drawPolyline(ToQPolygon(Points));
    FPenPos = Points.back();
}

void TCanvas::Ellipse(int Left, int Top, int Right, int Bottom) {
    QPainter &P = Painter();
    if (!P.isActive() || Right <= Left || Bottom <= Top)
        return;
    if (Pen.Mode != pmCopy ||
        (PenVisible() && Pen.Style != psSolid && Pen.Style != psInsideFrame)) {
        ApplyPen(P);
        ApplyBrush(P);
        ApplyMode(P);
        P.drawEllipse(FigureRect(Left, Top, Right, Bottom));
        return;
    }
    // The painter's aliased ellipse can stray a pixel outside its rectangle and is not
    // symmetric; elliptic regions stay inside it and are, so solid figures are filled as a disc
    // and a ring of the pen's width.
    const int W = PenVisible() ? std::max(1, Pen.Width) : 0;
    const QRegion Disc = TRegion::CreateEllipse(Left, Top, Right, Bottom).ToQRegion();
    const QRegion Inner =
        TRegion::CreateEllipse(Left + W, Top + W, Right - W, Bottom - W).ToQRegion();
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (Brush.Style == bsSolid)
        for (const QRect &R : Inner)
            P.fillRect(R, ToQColor(Brush.Color));
    if (W > 0)
        for (const QRect &R : Disc.subtracted(Inner))
            P.fillRect(R, ToQColor(Pen.Color));
}

void TCanvas::Rectangle(int Left, int Top, int Right, int Bottom) {
    QPainter &P = Painter();
    if (!P.isActive())
        return;
    ApplyPen(P);
    ApplyBrush(P);
    ApplyMode(P);
    P.drawRect(FigureRect(Left, Top, Right, Bottom));
}

void TCanvas::FillRect(const TRect &R) {
    QPainter &P = Painter();
    if (!P.isActive() || R.IsEmpty() || Brush.Style == bsClear)
        return;
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    P.fillRect(R.ToQRect(), ToQColor(Brush.Color));
}

void TCanvas::FillRgn(const TRegion &Region) {
    QPainter &P = Painter();
    if (!P.isActive())
        return;
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QColor Color = ToQColor(Brush.Color);
    for (const QRect &R : Region.ToQRegion())
        P.fillRect(R, Color);
}

void TCanvas::TextOut(int X, int Y, const QString &Text) {
    QPainter &P = Painter();
    if (!P.isActive() || Text.isEmpty())
        return;
    const QFont QtFont = Font.ToQFont();
    const QFontMetrics Metrics(QtFont);
    const QString Shown = Font.DisplayText(Text);
    const int Width = Metrics.horizontalAdvance(Shown);

    int DX = 0;
    if ((FTextAlign & TA_CENTER) == TA_CENTER)
        DX = -Width / 2;
    else if (FTextAlign & TA_RIGHT)
        DX = -Width;
    int Baseline = Metrics.ascent();
    if ((FTextAlign & TA_BASELINE) == TA_BASELINE)
        Baseline = 0;
    else if (FTextAlign & TA_BOTTOM)
        Baseline = -Metrics.descent();

    P.save();
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    P.translate(X, Y);
    if (Font.Orientation % 3600 != 0)
        P.rotate(-Font.Orientation / 10.0);
    if (Brush.Style == bsSolid)
        P.fillRect(QRect(DX, Baseline - Metrics.ascent(), Width, Metrics.height()),
                   ToQColor(Brush.Color));
    P.setFont(QtFont);
    P.setPen(ToQColor(Font.Color));
    P.drawText(DX, Baseline, Shown);
    P.restore();
}

int TCanvas::TextWidth(const QString &Text) const {
    return QFontMetrics(Font.ToQFont()).horizontalAdvance(Font.DisplayText(Text));
}

int TCanvas::TextHeight(const QString &) const {
    return QFontMetrics(Font.ToQFont()).height();
}

void TCanvas::Draw(int X, int Y, const TBitmap &Source) {
    if (Source.Empty())
        return;
    const QImage &Image = Source.Image();
    if (Source.Transparent && FImage && &Image != FImage) {
        Release();
        if (!FImage->isNull())
            DrawKeyed(*FImage, X, Y, Image, ToQColor(Source.TransparentColor()).rgb());
        return;
    }
    QPainter &P = Painter();
    if (!P.isActive())
        return;
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (Source.Transparent)
        P.drawImage(X, Y, WithKeyTransparent(Image, ToQColor(Source.TransparentColor()).rgb()));
    else if (&Image == FImage)
        P.drawImage(X, Y, Image.copy());
    else
        P.drawImage(X, Y, Image);
}

void TCanvas::StretchDraw(const TRect &Dest, const TBitmap &Source) {
    if (Source.Empty() || Dest.IsEmpty())
        return;
    const QImage &Image = Source.Image();
    QPainter &P = Painter();
    if (!P.isActive())
        return;
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    P.drawImage(Dest.ToQRect(), &Image == FImage ? Image.copy() : Image);
}

void TCanvas::CopyRect(const TRect &Dest, TCanvas &Source, const TRect &SourceRect) {
    if (!Source.FImage || Source.FImage->isNull() || Dest.IsEmpty() || SourceRect.IsEmpty())
        return;
    // Only the part of SourceRect on the source picture is copied, onto the matching part of
    // Dest, and the painter clips that to this surface: rectangles reaching far outside either
    // surface cost no more than the surfaces. Sizes are taken in 64 bits, as a rectangle
    // spanning the whole int range is wider than an int.
    const int64_t SW = int64_t(SourceRect.Right) - SourceRect.Left;
    const int64_t SH = int64_t(SourceRect.Bottom) - SourceRect.Top;
    const QRect Picture = Source.FImage->rect();
    const int L = std::max<int64_t>(SourceRect.Left, Picture.left());
    const int T = std::max<int64_t>(SourceRect.Top, Picture.top());
    const int R = std::min<int64_t>(SourceRect.Right, Picture.right() + 1);
    const int B = std::min<int64_t>(SourceRect.Bottom, Picture.bottom() + 1);
    if (R <= L || B <= T)
        return;
    const double SX = (double(Dest.Right) - Dest.Left) / double(SW);
    const double SY = (double(Dest.Bottom) - Dest.Top) / double(SH);
    const QRectF To(Dest.Left + (double(L) - SourceRect.Left) * SX,
                    Dest.Top + (double(T) - SourceRect.Top) * SY, (R - L) * SX, (B - T) * SY);
    Source.Release();
    const QImage Copied = Source.FImage->copy(QRect(L, T, R - L, B - T));
    QPainter &P = Painter();
    if (!P.isActive())
        return;
    P.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (To == QRectF(To.toRect()))
        P.drawImage(To.toRect(), Copied);
    else
        P.drawImage(To, Copied);
}

TColor TCanvas::Pixel(int X, int Y) {
    if (!FImage || X < 0 || Y < 0 || X >= FImage->width() || Y >= FImage->height())
        return clBlack;
    Release();
    return FromQColor(QColor(FImage->pixel(X, Y)));
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
    if (!FImage || X < 0 || Y < 0 || X >= FImage->width() || Y >= FImage->height())
        return;
    Release();
    FImage->setPixel(X, Y, ToQColor(Color).rgb());
}

} // namespace Vex
