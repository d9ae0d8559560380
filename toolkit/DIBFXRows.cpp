#include "toolkit/DIBFXRows.h"

#include "platform/core/Maths.h"
#include "platform/core/Types.h"
#include "platform/graphics/Bitmap.h"
#include "toolkit/DIBFX.h"
#include "toolkit/DIBFXAvx2.h"
#include "toolkit/DIBFXReference.h"

#include <array>
#include <climits>
#include <cmath>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Vex {

TPixelPlane PlaneOf(TBitmap &Bitmap) {
    if (Bitmap.Empty())
        return {};
    return {Bitmap.ScanLine(0), Bitmap.BytesPerLine(), Bitmap.Width(), Bitmap.Height()};
}

TConstPixelPlane PlaneOf(const TBitmap &Bitmap) {
    if (Bitmap.Empty())
        return {};
    return {Bitmap.ScanLine(0), Bitmap.BytesPerLine(), Bitmap.Width(), Bitmap.Height()};
}

namespace {
// A bijective scramble, so that neighbouring inputs give unrelated outputs.
uint32_t MixSeed(uint32_t X) {
    X ^= X >> 16;
    X *= 0x85EBCA6Bu;
    X ^= X >> 13;
    X *= 0xC2B2AE35u;
    X ^= X >> 16;
    return X;
}

// The grain sequence is this many (24, 55) generators side by side: its lags, in draws, are 24 and
// 55 times as many.
constexpr int KGrainLanes = 16;
constexpr int KShortLag = 24 * KGrainLanes;
constexpr int KLongLag = 55 * KGrainLanes;
static_assert(KLongLag == TGrainRandom::BlockDraws);
} // namespace

TGrainRandom::TGrainRandom(uint32_t Seed) {
    // The block stands for the 880 draws before the first one.
    for (int I = 0; I < BlockDraws / 2; ++I) {
        const uint32_t Pair = MixSeed(Seed + uint32_t(I) * 0x9E3779B9u);
        FDraws[2 * I] = uint16_t(Pair);
        FDraws[2 * I + 1] = uint16_t(Pair >> 16);
    }
    // An odd seed in each interleaved generator gives it its full period.
    for (int Lane = 0; Lane < KGrainLanes; ++Lane)
        FDraws[Lane] |= 1;
}

TGrainRandom TGrainRandom::FromProcessRandom() {
    const uint32_t High = uint32_t(Vex::Random(65536));
    const uint32_t Low = uint32_t(Vex::Random(65536));
    return TGrainRandom((High << 16) | Low);
}

void TGrainRandom::Refill() {
    // In place: draw i of the new block replaces draw i - 880; draw i - 384 is in the old block
    // (at i + 496, not yet replaced) for the first 384 draws, and in the new one after them.
    for (int I = 0; I < KShortLag; ++I)
        FDraws[I] = uint16_t(FDraws[I] + FDraws[I + KLongLag - KShortLag]);
    for (int I = KShortLag; I < KLongLag; ++I)
        FDraws[I] = uint16_t(FDraws[I] + FDraws[I - KShortLag]);
    FNext = 0;
}

namespace {
// (X, Y) turned by Angle with RotatePoint, each coordinate rounded.
TPoint TurnedCorner(double X, double Y, float Angle) {
    float PX = float(X);
    float PY = float(Y);
    RotatePoint(PX, PY, Angle);
    return {Round(PX), Round(PY)};
}
} // namespace

TRotationFrame FrameRotation(int Width, int Height, const TRotation &Rotation) {
    TRotationFrame Frame;
    Frame.Width = Width;
    Frame.Height = Height;
    Frame.F = Width / 2;
    Frame.G = Height / 2;
    const int T = Round(Frame.F * double(Rotation.ScaleX));
    const int V = Round(Frame.G * double(Rotation.ScaleY));
    const double X = Rotation.OffsetX;
    const double Y = Rotation.OffsetY;
    // RotatePoint adds half a turn; this one takes it away again.
    const float Angle = float(double(Rotation.Angle) + 180.0);
    Frame.Start = TurnedCorner(X - T, Y + V, Angle);
    Frame.TopStart = TurnedCorner(X - T, Y - V, Angle);
    Frame.BottomEnd = TurnedCorner(X + T, Y + V, Angle);
    return Frame;
}

namespace {
constexpr int KBpp = TBitmap::BytesPerPixel;

// Round(k * Step) for k = 0 .. Count - 1, saturated to int as Round does, in integers alone: a
// float is Mantissa / 2^Shift with a 24-bit mantissa, so k * Step is exact (as it is in double)
// and its rounding, halves to even, is a shift with a correction.
std::vector<int64_t> RoundedMultiples(float Step, int Count) {
    int Exponent = 0;
    const float Fraction = std::frexp(Step, &Exponent);
    const int64_t Mantissa = int64_t(std::ldexp(Fraction, 24));
    const int Shift = 24 - Exponent;
    std::vector<int64_t> Multiples(size_t(std::max(Count, 0)));
    for (int K = 0; K < Count; ++K) {
        const int64_t Exact = K * Mantissa; // below 2^55 in magnitude
        int64_t Value;
        if (Shift <= 0) {
            // Whole numbers; anything past 2^31 saturates, so the factor is bounded first.
            Value = std::clamp<int64_t>(Exact, -(int64_t(1) << 31), int64_t(1) << 31) *
                    (int64_t(1) << std::min(-Shift, 31));
        } else if (Shift >= 62) {
            // Far below a half in magnitude: rounds to 0.
            Value = 0;
        } else {
            const int64_t Floor = Exact >> Shift;
            const int64_t Rest = Exact - (Floor << Shift);
            const int64_t Half = int64_t(1) << (Shift - 1);
            Value = Floor + ((Rest + (Floor & 1) + Half - 1) >> Shift);
        }
        Multiples[size_t(K)] = std::clamp<int64_t>(Value, INT_MIN, INT_MAX);
    }
    return Multiples;
}

// Where column c of every destination row samples, relative to the row's start: 0 for columns
// 0 and 1, then Round((c - 1) * Step). Rounding keeps the order of its arguments, so the offsets
// only ever rise or only ever fall along a row.
std::vector<int64_t> ColumnOffsets(int Columns, float Step) {
    std::vector<int64_t> Offsets = RoundedMultiples(Step, Columns);
    if (Columns > 1)
        std::copy_backward(Offsets.begin(), Offsets.end() - 1, Offsets.end());
    return Offsets;
}

// How many leading Offsets satisfy Before, a condition that holds on a prefix, found by moving
// from Hint, the count of the row before: from one row to the next the count moves by a column or
// two, so this is cheaper than a search, and never worse than a walk along the row.
template <typename TBefore>
int CountBefore(const std::vector<int64_t> &Offsets, int Hint, const TBefore &Before) {
    const int Count = int(Offsets.size());
    while (Hint > 0 && !Before(Offsets[size_t(Hint - 1)]))
        --Hint;
    while (Hint < Count && Before(Offsets[size_t(Hint)]))
        ++Hint;
    return Hint;
}

// The columns [First, Last) of a row whose Offsets plus Start lie in 0 .. Size - 1: one run,
// since the offsets only ever rise or only ever fall. Run holds the previous row's ends.
struct TInsideRun {
    int First = 0;
    int Last = 0;

    void Move(const std::vector<int64_t> &Offsets, int64_t Start, int64_t Size) {
        if (Offsets.front() <= Offsets.back()) {
            First = CountBefore(Offsets, First, [=](int64_t Offset) { return Start + Offset < 0; });
            Last =
                CountBefore(Offsets, Last, [=](int64_t Offset) { return Start + Offset < Size; });
        } else {
            First =
                CountBefore(Offsets, First, [=](int64_t Offset) { return Start + Offset >= Size; });
            Last = CountBefore(Offsets, Last, [=](int64_t Offset) { return Start + Offset >= 0; });
        }
    }
};
} // namespace

void TurnRows(const TConstPixelPlane &Source, const TPixelPlane &Dest, const TRotation &Rotation,
              TSampleRun Sample) {
    if (Dest.Width <= 0 || Dest.Height <= 0)
        return;
    // Below this size any two pixels of Source lie less than 2^31 bytes apart.
    if (std::abs(Source.Stride) * Source.Height > INT32_MAX) {
        Reference::Rotate(Source, Dest, Rotation);
        return;
    }
    const TRotationFrame Frame = FrameRotation(Source.Width, Source.Height, Rotation);
    const TPoint A = Frame.Start;
    const TPoint B = Frame.TopStart;
    const TPoint C = Frame.BottomEnd;
    const int W = Frame.Width;
    const int H = Frame.Height;
    const std::vector<int64_t> ColumnX = ColumnOffsets(Dest.Width, float((double(C.X) - A.X) / W));
    const std::vector<int64_t> ColumnY = ColumnOffsets(Dest.Width, float((double(C.Y) - A.Y) / W));
    // Kept to 32 bits, wrapping: the distance between two columns of one run, both inside
    // Source, is exact as the wrapped difference of theirs.
    std::vector<int32_t> Distance(size_t(Dest.Width));
    for (size_t Col = 0; Col < Distance.size(); ++Col)
        Distance[Col] = int32_t(uint32_t(ColumnY[Col] * Source.Stride + ColumnX[Col] * KBpp));
    TInsideRun InsideX, InsideY;
    // Rows are counted from the bottom: row k starts at corner A moved k/H of the way to B.
    for (int K = 0; K < Dest.Height; ++K) {
        const int64_t X0 = Frame.F + int64_t(Round(A.X - double(K) * (double(A.X) - B.X) / H));
        const int64_t Y0 = Frame.G + int64_t(Round(A.Y - double(K) * (double(A.Y) - B.Y) / H));
        InsideX.Move(ColumnX, X0, W);
        InsideY.Move(ColumnY, Y0, H);
        const int First = std::max(InsideX.First, InsideY.First);
        const int Last = std::max(First, std::min(InsideX.Last, InsideY.Last));
        uint8_t *Out = Dest.Row(Dest.Height - 1 - K);
        // White is every byte 0xFF.
        std::memset(Out, 0xFF, size_t(First) * KBpp);
        if (First < Last) {
            const size_t At = size_t(First);
            const uint8_t *Sampled = Source.Row(int(Y0 + ColumnY[At])) + (X0 + ColumnX[At]) * KBpp;
            Sample(Out + First * KBpp, Sampled, Distance.data() + First, Last - First);
        }
        std::memset(Out + Last * KBpp, 0xFF, size_t(Dest.Width - Last) * KBpp);
    }
}

namespace {
// The baseline loops are written for the vectoriser: blocks of a fixed number of pixels, plain
// arithmetic on arrays, no calls and no branches inside a block.

// Covers the pixels 0 .. Count - 1 of a row with blocks of Wide pixels, then of Narrow, then
// single ones: Row.Run<N>(X) handles pixels X .. X + N - 1. One block body in three fixed sizes
// serves every width without a padded copy.
template <int Wide, int Narrow, typename TRow>
[[gnu::always_inline]] inline void ForBlocks(int Count, TRow &Row) {
    int X = 0;
    for (; X + Wide <= Count; X += Wide)
        Row.template Run<Wide>(X);
    for (; X + Narrow <= Count; X += Narrow)
        Row.template Run<Narrow>(X);
    for (; X < Count; ++X)
        Row.template Run<1>(X);
}

[[gnu::always_inline]] inline uint32_t LoadPixel(const uint8_t *P) {
    uint32_t Pixel;
    std::memcpy(&Pixel, P, sizeof Pixel);
    return Pixel;
}

// Averages the 2 x 2 blocks of N pixel pairs of Upper and Lower into N pixels of Out, each byte
// (s1 + s2 + s3 + s4) >> 2. Bytes 0 and 2, and 1 and 3, of a pixel sit in the 16-bit halves of
// two masked words, where four bytes (at most 1020) cannot reach the next half. Out may be
// Upper's own row: the block is built apart and stored once all its input has been read.
template <int N>
[[gnu::always_inline]] inline void HalveBlock(const uint8_t *Upper, const uint8_t *Lower,
                                              uint8_t *Out) {
    constexpr uint32_t Halves = 0x00FF00FFu;
    uint32_t Result[N];
    for (int Q = 0; Q < N; ++Q) {
        const uint32_t A = LoadPixel(Upper + 2 * Q * KBpp);
        const uint32_t B = LoadPixel(Upper + (2 * Q + 1) * KBpp);
        const uint32_t C = LoadPixel(Lower + 2 * Q * KBpp);
        const uint32_t D = LoadPixel(Lower + (2 * Q + 1) * KBpp);
        const uint32_t Even = (A & Halves) + (B & Halves) + (C & Halves) + (D & Halves);
        const uint32_t Odd =
            ((A >> 8) & Halves) + ((B >> 8) & Halves) + ((C >> 8) & Halves) + ((D >> 8) & Halves);
        Result[Q] = ((Even >> 2) & Halves) | (((Odd >> 2) & Halves) << 8);
    }
    std::memcpy(Out, Result, sizeof Result);
}

struct THalveRow {
    const uint8_t *Upper;
    const uint8_t *Lower;
    uint8_t *Out;

    template <int N> [[gnu::always_inline]] void Run(int Q) {
        HalveBlock<N>(Upper + 2 * Q * KBpp, Lower + 2 * Q * KBpp, Out + Q * KBpp);
    }
};

void HalveBaseline(const TPixelPlane &Plane) {
    // Output row r lies at or above input row 2r, and each block's output ends before the input
    // of the next block begins, so in place each write lands on consumed pixels.
    for (int R = 0; R < Plane.Height / 2; ++R) {
        THalveRow Row{Plane.Row(2 * R), Plane.Row(2 * R + 1), Plane.Row(R)};
        ForBlocks<16, 4>(Plane.Width / 2, Row);
    }
}

#if defined(__SSE2__)
// t + 2l - 256 for 16 bytes: the saturating rise up = 2 * (l - 128) where l > 128 (at most 254)
// and the saturating fall down = 2 * (128 - l) where l < 128 (256 for l = 0 saturates to 255,
// which empties any byte just as well); one of the two is 0. Light may be Target itself.
inline void LightBytes(const uint8_t *Light, uint8_t *Target) {
    const __m128i Middle = _mm_set1_epi8(char(128));
    const __m128i L = _mm_loadu_si128(reinterpret_cast<const __m128i *>(Light));
    const __m128i Above = _mm_subs_epu8(L, Middle);
    const __m128i Below = _mm_subs_epu8(Middle, L);
    __m128i T = _mm_loadu_si128(reinterpret_cast<const __m128i *>(Target));
    T = _mm_adds_epu8(T, _mm_adds_epu8(Above, Above));
    T = _mm_subs_epu8(T, _mm_adds_epu8(Below, Below));
    _mm_storeu_si128(reinterpret_cast<__m128i *>(Target), T);
}

void LightBaseline(const TConstPixelPlane &Light, const TPixelPlane &Target) {
    const int Height = std::min(Light.Height, Target.Height);
    const int Width = std::min(Light.Width, Target.Width);
    // Four pixels at a time; the last up to three of a row through a copy of their bytes.
    for (int Y = 0; Y < Height; ++Y) {
        const uint8_t *L = Light.Row(Y);
        uint8_t *T = Target.Row(Y);
        int X = 0;
        for (; X + 4 <= Width; X += 4)
            LightBytes(L + X * KBpp, T + X * KBpp);
        if (X < Width) {
            const size_t Bytes = size_t(Width - X) * KBpp;
            uint8_t LightTail[16], TargetTail[16];
            std::memcpy(LightTail, L + X * KBpp, Bytes);
            std::memcpy(TargetTail, T + X * KBpp, Bytes);
            LightBytes(LightTail, TargetTail);
            std::memcpy(T + X * KBpp, TargetTail, Bytes);
        }
    }
}
#else
void LightBaseline(const TConstPixelPlane &Light, const TPixelPlane &Target) {
    Reference::Light(Light, Target);
}
#endif

void SampleBaseline(uint8_t *Out, const uint8_t *First, const int32_t *Distances, int Count) {
    const uint32_t Origin = uint32_t(Distances[0]);
#pragma GCC unroll 8
    for (int I = 0; I < Count; ++I)
        std::memcpy(Out + I * KBpp, First + int32_t(uint32_t(Distances[I]) - Origin), KBpp);
}

void RotateBaseline(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                    const TRotation &Rotation) {
    TurnRows(Source, Dest, Rotation, SampleBaseline);
}

// Grain is added in 16-bit lanes, one per byte of a block's pixels.
constexpr int KGrainBlock = 64;
constexpr int KGrainBlockLanes = KGrainBlock * KBpp;

// -1 on the colour channels, 0 on the unused byte: the draw that lines up with it is dropped.
constexpr std::array<int16_t, KGrainBlockLanes> KColourLanes = [] {
    std::array<int16_t, KGrainBlockLanes> Lanes{};
    for (size_t I = 0; I < Lanes.size(); ++I)
        Lanes[I] = I % KBpp < TGrainRandom::UsedDraws ? -1 : 0;
    return Lanes;
}();

// TGrainRandom::Random(Scale) of a draw, for Scale up to 65535: the high half of a 16 x 16-bit
// product, one instruction per vector when both factors are known to be 16 bits wide.
[[gnu::always_inline]] inline uint16_t Scaled(uint16_t Draw, uint16_t Scale) {
    return uint16_t((uint32_t(Draw) * uint32_t(Scale)) >> 16);
}

// Pixel plus By (at most 255, so the sum fits 16 bits), clamped to a byte.
[[gnu::always_inline]] inline uint8_t Offset(uint8_t Pixel, int16_t By) {
    return uint8_t(std::clamp<int16_t>(int16_t(Pixel + By), 0, 255));
}

// Random(Amount) - Amount div 2 on every colour channel, cut to 255 first (the pixel clamps any
// larger offset the same way).
struct TNoiseRun {
    // The amount in every lane: read from memory, it stays a 16-bit factor for the vectoriser,
    // which would widen a multiplication by a value it knows to be small to 32-bit lanes.
    uint16_t Amount[KGrainBlockLanes];
    int16_t Half;
    uint8_t *Pixels = nullptr;
    const uint16_t *Draws = nullptr;

    template <int N> [[gnu::always_inline]] void Run(int X) {
        uint8_t *P = Pixels + X * KBpp;
        // A copy the pixel stores cannot reach, which lets the block be vectorised.
        uint16_t D[N * KBpp];
        std::memcpy(D, Draws + X * KBpp, sizeof D);
        for (int I = 0; I < N * KBpp; ++I) {
            const int16_t By = int16_t(Scaled(D[I], Amount[I]) - Half);
            P[I] = Offset(P[I], int16_t(std::min<int16_t>(By, 255) & KColourLanes[size_t(I)]));
        }
    }

    void operator()(uint8_t *RunPixels, const uint16_t *RunDraws, int Count) {
        Pixels = RunPixels;
        Draws = RunDraws;
        ForBlocks<KGrainBlock, 8>(Count, *this);
    }
};

// Larger amounts go to the plain loops: their scaled draws and walks outgrow 16 bits.
constexpr int KMaxBlockNoise = 65535;
constexpr int KMaxBlockRaster = 32767 - 5;

void NoiseBaseline(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > KMaxBlockNoise) {
        Reference::Noise(Plane, Amount, Grain);
        return;
    }
    TNoiseRun Run;
    std::fill(std::begin(Run.Amount), std::end(Run.Amount), uint16_t(Amount));
    Run.Half = int16_t(Amount / 2);
    ForGrainRuns(Plane, Grain, Run);
}

// The raster walk's four lanes, one per byte of a pixel, in one vector register.
typedef int16_t TWalkLanes __attribute__((vector_size(KBpp * sizeof(int16_t))));

[[gnu::always_inline]] inline TWalkLanes LoadLanes(const int16_t *From) {
    TWalkLanes Lanes;
    std::memcpy(&Lanes, From, sizeof Lanes);
    return Lanes;
}

// The offsets walk from pixel to pixel by Random(10) - 5 within +-Bound. The walk is a chain
// that no vectoriser can spread over pixels, so its four lanes (the unused byte's stays 0) go
// side by side in one vector; the steps before it and the sums after it are whole blocks.
struct TRasterRun {
    TWalkLanes Low, High;
    TWalkLanes Walk{};
    uint8_t *Pixels = nullptr;
    const uint16_t *Draws = nullptr;

    template <int N> [[gnu::always_inline]] void Run(int X) {
        uint16_t D[N * KBpp];
        std::memcpy(D, Draws + X * KBpp, sizeof D);
        int16_t Steps[N * KBpp];
        for (int I = 0; I < N * KBpp; ++I)
            Steps[I] = int16_t((Scaled(D[I], 10) - 5) & KColourLanes[size_t(I)]);
        int16_t Offsets[N * KBpp];
        TWalkLanes Lanes = Walk;
        for (int P = 0; P < N; ++P) {
            Lanes += LoadLanes(Steps + P * KBpp);
            Lanes = Lanes < Low ? Low : Lanes;
            Lanes = Lanes > High ? High : Lanes;
            std::memcpy(Offsets + P * KBpp, &Lanes, sizeof Lanes);
        }
        Walk = Lanes;
        uint8_t *P = Pixels + X * KBpp;
        for (int I = 0; I < N * KBpp; ++I)
            P[I] = Offset(P[I], Offsets[I]);
    }

    void operator()(uint8_t *RunPixels, const uint16_t *RunDraws, int Count) {
        Pixels = RunPixels;
        Draws = RunDraws;
        ForBlocks<KGrainBlock, 8>(Count, *this);
    }
};

void RasterNoiseBaseline(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > KMaxBlockRaster) {
        Reference::RasterNoise(Plane, Amount, Grain);
        return;
    }
    const int16_t Bound = int16_t(Amount);
    TRasterRun Run{TWalkLanes{} - Bound, TWalkLanes{} + Bound};
    ForGrainRuns(Plane, Grain, Run);
}

constexpr TPixelKernels KBaseline{"baseline",     HalveBaseline, LightBaseline,
                                  RotateBaseline, NoiseBaseline, RasterNoiseBaseline};
} // namespace

std::span<const TPixelKernels> AvailablePixelKernels() {
    static const std::vector<TPixelKernels> Sets = [] {
        std::vector<TPixelKernels> Result{KBaseline};
        if (const TPixelKernels *Avx2 = Avx2PixelKernels())
            Result.push_back(*Avx2);
        return Result;
    }();
    return Sets;
}

const TPixelKernels &PixelKernels() {
    static const TPixelKernels &Fastest = AvailablePixelKernels().back();
    return Fastest;
}

} // namespace Vex
