#include "toolkit/DIBFX.h"

#include "platform/core/Maths.h"
#include "platform/core/Types.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "toolkit/DIBFXRows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Vex {

namespace {
constexpr int KBpp = TBitmap::BytesPerPixel;
// The colour channels of a pixel; byte 3 is the unused one.
constexpr int KChannels = 3;

uint8_t ClampByte(int Value) {
    return uint8_t(std::clamp(Value, 0, 255));
}

// Channel Index (0 blue, 1 green, 2 red) of a plain RGB colour, in pixel byte order.
int ColorChannel(TColor Color, int Index) {
    switch (Index) {
    case 0:
        return GetBValue(Color);
    case 1:
        return GetGValue(Color);
    default:
        return GetRValue(Color);
    }
}
} // namespace

TColor BlendColors(TColor C1, TColor C2, float T) {
    const TColor A = ColorToRGB(C1);
    const TColor B = ColorToRGB(C2);
    const float U = 1.0f - T;
    // The difference of two channels times a float is exact in double, so halves round as such.
    // Bounded before rounding: an absurd T must clamp, not overflow the sum.
    const auto Mix = [U](int K1, int K2) {
        return ClampByte(K2 + Round(std::clamp(double(K1 - K2) * U, -510.0, 510.0)));
    };
    return RGB(Mix(GetRValue(A), GetRValue(B)), Mix(GetGValue(A), GetGValue(B)),
               Mix(GetBValue(A), GetBValue(B)));
}

void AddNoise(TBitmap &Bitmap, int Amount) {
    TGrainRandom Grain = TGrainRandom::FromProcessRandom();
    PixelKernels().Noise(PlaneOf(Bitmap), Amount, Grain);
}

void AddRasterNoise(TBitmap &Bitmap, int Amount) {
    TGrainRandom Grain = TGrainRandom::FromProcessRandom();
    PixelKernels().RasterNoise(PlaneOf(Bitmap), Amount, Grain);
}

void HalfTintRect(TBitmap &Bitmap, const TRect &Rect, TColor Color) {
    const int Left = std::max(Rect.Left, 0);
    const int Top = std::max(Rect.Top, 0);
    const int Right = std::min(Rect.Right, Bitmap.Width());
    const int Bottom = std::min(Rect.Bottom, Bitmap.Height());
    // A system colour would otherwise tint toward its code's bytes, nearly black.
    const TColor Tint = ColorToRGB(Color);
    uint8_t Half[KChannels];
    for (int C = 0; C < KChannels; ++C)
        Half[C] = uint8_t(ColorChannel(Tint, C) / 2);
    for (int Y = Top; Y < Bottom; ++Y) {
        uint8_t *Row = Bitmap.ScanLine(Y);
        for (int X = Left; X < Right; ++X) {
            uint8_t *P = Row + X * KBpp;
            for (int C = 0; C < KChannels; ++C)
                P[C] = uint8_t(P[C] / 2 + Half[C]);
        }
    }
}

void ReplicateFirstRow(TBitmap &Bitmap) {
    const int W = Bitmap.Width();
    const int H = Bitmap.Height();
    TCanvas &Canvas = Bitmap.Canvas();
    // Rows 0 .. N - 1 already hold the first row; copy them below, cut at the bottom edge.
    for (int N = 1; N < H; N *= 2) {
        const int Rows = std::min(N, H - N);
        Canvas.CopyRect(Rect(0, N, W, N + Rows), Canvas, Rect(0, 0, W, Rows));
    }
}

void SmoothStretch(const TBitmap &Source, TBitmap &Dest, int Width, int Height) {
    // Four times the size must stay a valid surface size; a size beyond that leaves an empty
    // result rather than a wrongly sized one.
    constexpr int Limit = TBitmap::MaxDimension / 4;
    Width = std::max(Width, 0);
    Height = std::max(Height, 0);
    if (Width > Limit || Height > Limit || !Dest.SetSize(4 * Width, 4 * Height)) {
        Dest.SetSize(0, 0);
        return;
    }
    if (Source.Empty())
        Dest.Fill(clBlack);
    else
        Dest.Canvas().StretchDraw(Rect(0, 0, 4 * Width, 4 * Height), Source);
    HalveBitmap(Dest, true);
    HalveBitmap(Dest, true);
}

void ApplyLightMap(const TBitmap &Light, TBitmap &Target) {
    PixelKernels().Light(PlaneOf(Light), PlaneOf(Target));
}

void RotatePoint(float &X, float &Y, float Angle) {
    if (Y > -1.0f && Y < 1.0f)
        Y = 1.0f;
    // Reduced in degrees first so that quarter turns give exact sines and cosines of 0 and 1.
    const double Alpha = std::fmod(double(Angle) + 180.0, 360.0) * (std::numbers::pi / 180.0);
    const double C = std::cos(Alpha);
    const double S = std::sin(Alpha);
    const double X0 = X;
    const double Y0 = Y;
    X = float(X0 * C - Y0 * S);
    Y = float(X0 * S + Y0 * C);
}

namespace {
void RotateInto(const TBitmap &Source, TBitmap &Dest, const TRotation &Rotation) {
    PixelKernels().Rotate(PlaneOf(Source), PlaneOf(Dest), Rotation);
}
} // namespace

void RotateBitmap(const TBitmap &Source, TBitmap &Dest, int OffsetX, float Angle, float ScaleX,
                  float ScaleY, int OffsetY) {
    // Every TBitmap is 24-bit colour; an empty one has width and height 0.
    if (Source.Empty() || Dest.Empty())
        return;
    const TRotation Rotation{OffsetX, Angle, ScaleX, ScaleY, OffsetY};
    if (&Source == &Dest) {
        // Turning in place would sample pixels already overwritten: work from a copy.
        TBitmap Copy;
        Copy.Assign(Source);
        RotateInto(Copy, Dest, Rotation);
        return;
    }
    RotateInto(Source, Dest, Rotation);
}

void HalveBitmap(TBitmap &Bitmap, bool Shrink) {
    PixelKernels().Halve(PlaneOf(Bitmap));
    if (Shrink)
        Bitmap.SetSize(Bitmap.Width() / 2, Bitmap.Height() / 2);
}

void TextOutRotated(TCanvas &Canvas, int X, int Y, int Angle, const QString &Text, unsigned Align) {
    const TFont OldFont = Canvas.Font;
    const unsigned OldAlign = Canvas.TextAlign();
    // Tenths of a degree; the remainder keeps the sign of Angle.
    Canvas.Font.Orientation = (Angle % 360) * 10;
    Canvas.SetTextAlign(Align);
    Canvas.TextOut(X, Y, Text);
    Canvas.Font = OldFont;
    Canvas.SetTextAlign(OldAlign);
}

} // namespace Vex
