#include "toolkit/DIBFXReference.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace Vex::Reference {

namespace {
constexpr int KBpp = 4;
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

// Where column c of every destination row samples, relative to the row's start: 0 for columns
// 0 and 1, then Round((c - 1) * Step). The sum of the per-column steps, taken at once.
std::vector<int64_t> ColumnOffsets(int Columns, float Step) {
    std::vector<int64_t> Offsets(size_t(std::max(Columns, 0)), 0);
    for (int C = 2; C < Columns; ++C)
        Offsets[size_t(C)] = Round(double(C - 1) * Step);
    return Offsets;
}

template <typename TGenerator>
void NoiseWith(const TPixelPlane &Plane, int Amount, TGenerator &Generator) {
    // A negative amount would shift every channel up by its half; it means no noise.
    Amount = std::max(Amount, 0);
    const int Half = Amount / 2;
    for (int Y = 0; Y < Plane.Height; ++Y) {
        uint8_t *Row = Plane.Row(Y);
        for (int X = 0; X < Plane.Width; ++X) {
            uint8_t *P = Row + X * KBpp;
            for (int C = 0; C < KChannels; ++C)
                P[C] = ClampByte(P[C] + (Generator.Random(Amount) - Half));
        }
    }
}

template <typename TGenerator>
void RasterNoiseWith(const TPixelPlane &Plane, int Amount, TGenerator &Generator) {
    // A negative bound would pin the offsets at -Amount, a constant brightening.
    Amount = std::max(Amount, 0);
    int Offset[KChannels] = {0, 0, 0};
    for (int Y = 0; Y < Plane.Height; ++Y) {
        uint8_t *Row = Plane.Row(Y);
        for (int X = 0; X < Plane.Width; ++X) {
            uint8_t *P = Row + X * KBpp;
            for (int C = 0; C < KChannels; ++C) {
                Offset[C] = std::clamp(Offset[C] + Generator.Random(10) - 5, -Amount, Amount);
                P[C] = ClampByte(P[C] + Offset[C]);
            }
        }
    }
}
} // namespace

void Halve(const TPixelPlane &Plane) {
    // Output row r and pixel q never lie after the input rows 2r, 2r + 1 and pixels 2q, 2q + 1,
    // so writing in place in reading order only overwrites what has been consumed.
    for (int R = 0; R < Plane.Height / 2; ++R) {
        const uint8_t *Upper = Plane.Row(2 * R);
        const uint8_t *Lower = Plane.Row(2 * R + 1);
        uint8_t *Out = Plane.Row(R);
        for (int Q = 0; Q < Plane.Width / 2; ++Q)
            AverageBlock(Upper + 2 * Q * KBpp, Lower + 2 * Q * KBpp, Out + Q * KBpp);
    }
}

void Light(const TConstPixelPlane &Light, const TPixelPlane &Target) {
    const int Height = std::min(Light.Height, Target.Height);
    const int Bytes = std::min(Light.Width, Target.Width) * KBpp;
    // All four bytes of a pixel go through the same sum: the unused byte, 0xFF in both, clamps
    // back to 0xFF, and one uniform walk over the row is cheaper than skipping it.
    for (int Y = 0; Y < Height; ++Y) {
        const uint8_t *L = Light.Row(Y);
        uint8_t *T = Target.Row(Y);
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

void Rotate(const TConstPixelPlane &Source, const TPixelPlane &Dest, const TRotation &Rotation) {
    const TRotationFrame Frame = FrameRotation(Source.Width, Source.Height, Rotation);
    const TPoint A = Frame.Start;
    const TPoint B = Frame.TopStart;
    const TPoint C = Frame.BottomEnd;
    const int W = Frame.Width;
    const int H = Frame.Height;
    const std::vector<int64_t> ColX = ColumnOffsets(Dest.Width, float((double(C.X) - A.X) / W));
    const std::vector<int64_t> ColY = ColumnOffsets(Dest.Width, float((double(C.Y) - A.Y) / W));
    // Rows are counted from the bottom: row k starts at corner A moved k/H of the way to B.
    for (int K = 0; K < Dest.Height; ++K) {
        const int64_t X0 = Frame.F + int64_t(Round(A.X - double(K) * (double(A.X) - B.X) / H));
        const int64_t Y0 = Frame.G + int64_t(Round(A.Y - double(K) * (double(A.Y) - B.Y) / H));
        uint8_t *Out = Dest.Row(Dest.Height - 1 - K);
        for (int Col = 0; Col < Dest.Width; ++Col) {
            const int64_t SX = X0 + ColX[size_t(Col)];
            const int64_t SY = Y0 + ColY[size_t(Col)];
            if (SX < 0 || SX >= W || SY < 0 || SY >= H)
                std::memcpy(Out + Col * KBpp, &KWhitePixel, KBpp);
            else
                std::memcpy(Out + Col * KBpp, Source.Row(int(SY)) + SX * KBpp, KBpp);
        }
    }
}

void Noise(const TPixelPlane &Plane, int Amount, TProcessRandom &Generator) {
    NoiseWith(Plane, Amount, Generator);
}

void Noise(const TPixelPlane &Plane, int Amount, TGrainRandom &Generator) {
    NoiseWith(Plane, Amount, Generator);
}

void RasterNoise(const TPixelPlane &Plane, int Amount, TProcessRandom &Generator) {
    RasterNoiseWith(Plane, Amount, Generator);
}

void RasterNoise(const TPixelPlane &Plane, int Amount, TGrainRandom &Generator) {
    RasterNoiseWith(Plane, Amount, Generator);
}

} // namespace Vex::Reference
