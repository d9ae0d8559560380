#include "toolkit/VexPolygons.h"

#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "toolkit/DIBFX.h"

#include <QRect>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Vex {

namespace {
// Value Index of Count spread evenly from From to To, the step divided out before it is
// multiplied (labels depend on that order); a single value stands at From.
double ScaleStep(double From, double To, int Index, int Count) {
    return Count > 1 ? From + (To - From) / (Count - 1) * Index : From;
}

// The point at Radius pixels from (CX, CY) in the direction Angle (degrees), y downwards. Offsets
// are bounded so that an absurd radius cannot overflow the sum.
TPoint ArcPoint(int CX, int CY, double Radius, double Angle) {
    constexpr double Limit = 1 << 24;
    const double A = Angle * std::numbers::pi / 180.0;
    return {CX + Round(std::clamp(Radius * std::cos(A), -Limit, Limit)),
            CY - Round(std::clamp(Radius * std::sin(A), -Limit, Limit))};
}

// Calls Draw(Index, Angle, Anchor) for Count labels from StartAngle to EndAngle on an arc of
// Radius times half the bitmap's height around its centre.
template <typename TDrawLabel>
void ForEachArcLabel(const TBitmap &Bitmap, int Count, float StartAngle, float EndAngle,
                     float Radius, TDrawLabel Draw) {
    const double R = double(Radius) * (Bitmap.Height() / 2);
    for (int H = 0; H < Count; ++H) {
        const double Angle = ScaleStep(StartAngle, EndAngle, H, Count);
        Draw(H, Angle, ArcPoint(Bitmap.Width() / 2, Bitmap.Height() / 2, R, Angle));
    }
}

// Unrotated text centred on At, whatever alignment a rotated label left on the canvas.
void TextOutCentred(TCanvas &Canvas, TPoint At, const QString &Text) {
    const unsigned SavedAlign = Canvas.TextAlign();
    Canvas.SetTextAlign(TA_LEFT | TA_TOP);
    Canvas.TextOut(At.X - Canvas.TextWidth(Text) / 2, At.Y - Canvas.TextHeight(Text) / 2, Text);
    Canvas.SetTextAlign(SavedAlign);
}

// A rotated caption reads along the arc; one whose baseline would point leftwards (upside down)
// is turned over and centred instead. The angle is brought into 0..359 before that test: a
// negative angle such as -135 also reads upside down, and the remainder alone (which keeps the
// sign) would leave it so.
void TextOutCaption(TCanvas &Canvas, TPoint At, int Angle, const QString &Text) {
    int A = (Angle % 360 + 360) % 360;
    unsigned Align = TA_RIGHT | TA_TOP;
    if (A > 90 && A < 270) {
        Align = TA_CENTER | TA_TOP;
        A += 180;
    }
    TextOutRotated(Canvas, At.X, At.Y, A % 360, Text, Align);
}
} // namespace

void MoveRect(TRect &R, int DX, int DY) {
    R.Left += DX;
    R.Right += DX;
    R.Top += DY;
    R.Bottom += DY;
}

bool RectsEqual(const TRect &A, const TRect &B) {
    return A == B;
}

void DarkenRegion(TBitmap &Bitmap, const TRegion &Region, const TRect &R) {
    const int Left = std::max(R.Left, 0);
    const int Top = std::max(R.Top, 0);
    const int Right = R.Right >= Bitmap.Width() ? Bitmap.Width() - 1 : R.Right;
    const int Bottom = R.Bottom >= Bitmap.Height() ? Bitmap.Height() - 1 : R.Bottom;
    if (Right <= Left || Bottom <= Top)
        return;
    // Rows Top to Bottom inclusive, columns Left to Right exclusive; the region's rectangles do
    // not overlap, so each pixel is halved at most once.
    TRegion Area;
    Area.Combine(Region, TRegion::CreateRect(Left, Top, Right, Bottom + 1), RGN_AND);
    for (const QRect &Part : Area.ToQRegion()) {
        for (int Y = Part.top(); Y <= Part.bottom(); ++Y) {
            uint8_t *Line = Bitmap.ScanLine(Y);
            for (int X = Part.left(); X <= Part.right(); ++X) {
                uint8_t *P = Line + X * TBitmap::BytesPerPixel;
                P[0] >>= 1;
                P[1] >>= 1;
                P[2] >>= 1;
            }
        }
    }
}

void DrawScaleNumbers(TBitmap &Bitmap, int Count, const QString &Format, float MinValue,
                      float MaxValue, float StartAngle, float EndAngle, float Radius,
                      float TextAngle, bool Rotated) {
    TCanvas &Canvas = Bitmap.Canvas();
    Canvas.Brush.Style = bsClear;
    ForEachArcLabel(
        Bitmap, Count, StartAngle, EndAngle, Radius, [&](int H, double Angle, TPoint At) {
            const QString Text = FormatFloat(Format, ScaleStep(MinValue, MaxValue, H, Count));
            if (Rotated)
                TextOutRotated(Canvas, At.X, At.Y, Round(TextAngle + Angle + 90), Text,
                               TA_CENTER | TA_BASELINE);
            else
                TextOutCentred(Canvas, At, Text);
        });
}

void DrawScaleCaptions(TBitmap &Bitmap, const QStringList &Captions, bool Rotated, float StartAngle,
                       float EndAngle, float Radius, float TextAngle) {
    if (Captions.isEmpty())
        return;
    TCanvas &Canvas = Bitmap.Canvas();
    Canvas.Brush.Style = bsClear;
    ForEachArcLabel(Bitmap, int(Captions.size()), StartAngle, EndAngle, Radius,
                    [&](int H, double Angle, TPoint At) {
                        if (Rotated)
                            TextOutCaption(Canvas, At, Round(TextAngle + Angle + 90), Captions[H]);
                        else
                            TextOutCentred(Canvas, At, Captions[H]);
                    });
}

TRegion OutsideEllipse(const TRect &R) {
    TRegion Corners;
    Corners.Combine(TRegion::CreateRect(R.Left, R.Top, R.Right, R.Bottom),
                    TRegion::CreateEllipse(R.Left, R.Top, R.Right, R.Bottom), RGN_XOR);
    return Corners;
}

void FillOutsideEllipse(const TRect &R, TCanvas &Canvas) {
    Canvas.Brush.Color = VexCornerKeyColor;
    Canvas.FillRgn(OutsideEllipse(R));
}

void DrawTicks(TBitmap &Bitmap, int Length, int PenWidth, float Radius, int Count, float StartAngle,
               float EndAngle) {
    if (Count < 1)
        return;
    TCanvas &Canvas = Bitmap.Canvas();
    Canvas.Pen.Width = PenWidth;
    const int CX = Bitmap.Width() / 2;
    const int CY = Bitmap.Height() / 2;
    const int Outer = Round(double(Radius) * (Bitmap.Width() / 2) * 0.01);
    // From the end angle back to the start angle; a single tick stands at the start angle.
    for (int E = 0; E < Count; ++E) {
        const double Beta = Count > 1 ? ScaleStep(EndAngle, StartAngle, E, Count) : StartAngle;
        const TPoint From = ArcPoint(CX, CY, Outer, Beta);
        const TPoint To = ArcPoint(CX, CY, Outer - Length, Beta);
        Canvas.MoveTo(From.X, From.Y);
        Canvas.LineTo(To.X, To.Y);
    }
}

void OffsetShape(TPoint Delta, TVexShape &Shape) {
    for (TPoint &P : Shape) {
        P.X += Delta.X;
        P.Y += Delta.Y;
    }
}

void DrawShape(TCanvas &Canvas, TPoint Origin, const TVexShape &Shape) {
    TVexShape Moved = Shape;
    OffsetShape(Origin, Moved);
    Canvas.Polygon(Moved);
}

} // namespace Vex
