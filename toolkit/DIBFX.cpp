#include "toolkit/DIBFX.h"

#include "platform/core/Maths.h"
#include "platform/core/Types.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

namespace Vex {

namespace {
constexpr int KBpp = TBitmap::BytesPerPixel;
// The colour channels of a pixel; byte 3 is the unused one.
constexpr int KChannels = 3;
constexpr uint32_t KWhitePixel = 0xFFFFFFFFu;

uint8_t ClampByte(int Value) {
    return uint8_t(std::clamp(Value, 0, 255));
}

// Light above 128 lightens, below darkens, by twice the difference.
uint8_t Lit(uint8_t Target, uint8_t Light) {
    return ClampByte(Target + 2 * Light - 256);
}
constexpr int KLightBlock = 16;

// Averages the 2 x 2 block of pixels at Upper[0..7] and Lower[0..7] into Out[0..3], each channel
// (s1 + s2 + s3 + s4) >> 2. Bytes 0 and 2, and 1 and 3, of every pixel are summed in the 16-bit
// lanes of one word, where four bytes (at most 1020) cannot carry into the next lane; the two
// pixels of a row share a 64-bit word, whose halves are then added. All four bytes are averaged:
// the unused byte stays 0xFF.
void AverageBlock(const uint8_t *Upper, const uint8_t *Lower, uint8_t *Out) {
    constexpr uint64_t Lanes = 0x00FF00FF00FF00FFull;
    constexpr uint32_t Bytes = 0x00FF00FFu;
    uint64_t A, B;
    std::memcpy(&A, Upper, sizeof A);
    std::memcpy(&B, Lower, sizeof B);
    uint64_t Even = (A & Lanes) + (B & Lanes);
    uint64_t Odd = ((A >> 8) & Lanes) + ((B >> 8) & Lanes);
    Even += Even >> 32;
    Odd += Odd >> 32;
    const uint32_t Pixel = (uint32_t(Even >> 2) & Bytes) | ((uint32_t(Odd >> 2) & Bytes) << 8);
    std::memcpy(Out, &Pixel, sizeof Pixel);
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
    // A negative amount would shift every channel up by its half; it means no noise.
    Amount = std::max(Amount, 0);
    const int Half = Amount / 2;
    for (int Y = 0; Y < Bitmap.Height(); ++Y) {
        uint8_t *Row = Bitmap.ScanLine(Y);
        for (int X = 0; X < Bitmap.Width(); ++X) {
            uint8_t *P = Row + X * KBpp;
            for (int C = 0; C < KChannels; ++C)
                P[C] = ClampByte(P[C] + (Random(Amount) - Half));
        }
    }
}

void AddRasterNoise(TBitmap &Bitmap, int Amount) {
    // A negative bound would pin the offsets at -Amount, a constant brightening.
    Amount = std::max(Amount, 0);
    int Offset[KChannels] = {0, 0, 0};
    for (int Y = 0; Y < Bitmap.Height(); ++Y) {
        uint8_t *Row = Bitmap.ScanLine(Y);
        for (int X = 0; X < Bitmap.Width(); ++X) {
            uint8_t *P = Row + X * KBpp;
            for (int C = 0; C < KChannels; ++C) {
                Offset[C] = std::clamp(Offset[C] + Random(10) - 5, -Amount, Amount);
                P[C] = ClampByte(P[C] + Offset[C]);
            }
        }
    }
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
    const int Height = std::min(Light.Height(), Target.Height());
    const int Bytes = std::min(Light.Width(), Target.Width()) * KBpp;
    // All four bytes of a pixel go through the same sum: the unused byte, 0xFF in both, clamps
    // back to 0xFF, and one uniform walk over the row is cheaper than skipping it.
    for (int Y = 0; Y < Height; ++Y) {
        const uint8_t *L = Light.ScanLine(Y);
        uint8_t *T = Target.ScanLine(Y);
        int I = 0;
        // Blocks are built in a local buffer, which cannot overlap the rows, so that the
        // compiler may turn each fixed-size block into vector instructions.
        for (; I + KLightBlock <= Bytes; I += KLightBlock) {
            uint8_t Block[KLightBlock];
            for (int J = 0; J < KLightBlock; ++J)
                Block[J] = Lit(T[I + J], L[I + J]);
            std::memcpy(T + I, Block, KLightBlock);
        }
        for (; I < Bytes; ++I)
            T[I] = Lit(T[I], L[I]);
    }
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
// Where column c of every destination row samples, relative to the row's start: 0 for columns
// 0 and 1, then Round((c - 1) * Step). The sum of the per-column steps, taken at once.
std::vector<int64_t> ColumnOffsets(int Columns, float Step) {
    std::vector<int64_t> Offsets(size_t(Columns), 0);
    for (int C = 2; C < Columns; ++C)
        Offsets[size_t(C)] = Round(double(C - 1) * Step);
    return Offsets;
}

// (X, Y) turned by Angle with RotatePoint, each coordinate rounded.
TPoint TurnedCorner(double X, double Y, float Angle) {
    float PX = float(X);
    float PY = float(Y);
    RotatePoint(PX, PY, Angle);
    return {Round(PX), Round(PY)};
}

void RotateInto(const TBitmap &Source, TBitmap &Dest, int OffsetX, float Angle, float ScaleX,
                float ScaleY, int OffsetY) {
    const int W = Source.Width();
    const int H = Source.Height();
    const int F = W / 2;
    const int G = H / 2;
    const int T = Round(F * double(ScaleX));
    const int V = Round(G * double(ScaleY));

    // RotatePoint adds half a turn; this one takes it away again.
    const float TurnAngle = float(double(Angle) + 180.0);
    const TPoint A = TurnedCorner(double(OffsetX) - T, double(OffsetY) + V, TurnAngle);
    const TPoint B = TurnedCorner(double(OffsetX) - T, double(OffsetY) - V, TurnAngle);
    const TPoint C = TurnedCorner(double(OffsetX) + T, double(OffsetY) + V, TurnAngle);

    const int DW = Dest.Width();
    const int DH = Dest.Height();
    const std::vector<int64_t> ColX = ColumnOffsets(DW, float((double(C.X) - A.X) / W));
    const std::vector<int64_t> ColY = ColumnOffsets(DW, float((double(C.Y) - A.Y) / W));

    const uint8_t *Src = Source.ScanLine(0);
    const qsizetype SrcStride = Source.BytesPerLine();
    uint8_t *DestTop = Dest.ScanLine(0);
    const qsizetype DestStride = Dest.BytesPerLine();
    // Rows are counted from the bottom: row k starts at corner A moved k/H of the way to B.
    for (int K = 0; K < DH; ++K) {
        const int64_t X0 = F + int64_t(Round(A.X - double(K) * (double(A.X) - B.X) / H));
        const int64_t Y0 = G + int64_t(Round(A.Y - double(K) * (double(A.Y) - B.Y) / H));
        uint32_t *Out = reinterpret_cast<uint32_t *>(DestTop + (DH - 1 - K) * DestStride);
        for (int Col = 0; Col < DW; ++Col) {
            const int64_t SX = X0 + ColX[size_t(Col)];
            const int64_t SY = Y0 + ColY[size_t(Col)];
            if (SX < 0 || SX >= W || SY < 0 || SY >= H)
                Out[Col] = KWhitePixel;
            else
                Out[Col] = reinterpret_cast<const uint32_t *>(Src + SY * SrcStride)[SX];
        }
    }
}
} // namespace

void RotateBitmap(const TBitmap &Source, TBitmap &Dest, int OffsetX, float Angle, float ScaleX,
                  float ScaleY, int OffsetY) {
    // Every TBitmap is 24-bit colour; an empty one has width and height 0.
    if (Source.Empty() || Dest.Empty())
        return;
    if (&Source == &Dest) {
        // Turning in place would sample pixels already overwritten: work from a copy.
        TBitmap Copy;
        Copy.Assign(Source);
        RotateInto(Copy, Dest, OffsetX, Angle, ScaleX, ScaleY, OffsetY);
        return;
    }
    RotateInto(Source, Dest, OffsetX, Angle, ScaleX, ScaleY, OffsetY);
}

void HalveBitmap(TBitmap &Bitmap, bool Shrink) {
    const int Width = Bitmap.Width() / 2;
    const int Height = Bitmap.Height() / 2;
    // Output row r and pixel q never lie after the input rows 2r, 2r + 1 and pixels 2q, 2q + 1,
    // so writing in place in reading order only overwrites what has been consumed.
    for (int R = 0; R < Height; ++R) {
        const uint8_t *Upper = Bitmap.ScanLine(2 * R);
        const uint8_t *Lower = Bitmap.ScanLine(2 * R + 1);
        uint8_t *Out = Bitmap.ScanLine(R);
        for (int Q = 0; Q < Width; ++Q)
            AverageBlock(Upper + 2 * Q * KBpp, Lower + 2 * Q * KBpp, Out + Q * KBpp);
    }
    if (Shrink)
        Bitmap.SetSize(Width, Height);
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
