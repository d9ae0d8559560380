#include "toolkit/DIBFXRows.h"

#include "platform/core/Maths.h"
#include "platform/core/Types.h"
#include "platform/graphics/Bitmap.h"
#include "toolkit/DIBFX.h"
#include "toolkit/DIBFXReference.h"

#include <array>
#include <climits>
#include <cmath>
#include <vector>

// The AVX2 copies of the loops are compiled beside the baseline ones and chosen at run time.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#define VEX_PIXEL_AVX2 1
#else
#define VEX_PIXEL_AVX2 0
#endif

// Marks a loop whose iterations never depend on one another through memory, though its pointers
// may meet: without it GCC at -O2 vectorises no loop that would need a run-time overlap check,
// and clang gives up on one that writes where it may have read.
#if defined(__clang__)
#define VEX_INDEPENDENT_ITERATIONS _Pragma("clang loop vectorize(assume_safety)")
#elif defined(__GNUC__)
#define VEX_INDEPENDENT_ITERATIONS _Pragma("GCC ivdep")
#else
#define VEX_INDEPENDENT_ITERATIONS
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
// A bijective scramble, so that neighbouring seeds start unrelated sequences.
uint32_t MixSeed(uint32_t X) {
    X ^= X >> 16;
    X *= 0x85EBCA6Bu;
    X ^= X >> 13;
    X *= 0xC2B2AE35u;
    X ^= X >> 16;
    return X;
}
} // namespace

TGrainRandom::TGrainRandom(uint32_t Seed) {
    // Refill starts from the last block's final words: the seeds stand in for them.
    for (int I = 0; I < Lanes; ++I) {
        const uint32_t State = MixSeed(Seed + uint32_t(I) * 0x9E3779B9u);
        // Zero is the one state xorshift never leaves.
        FWords[BlockWords - Lanes + I] = State != 0 ? State : 0x9E3779B9u;
    }
}

TGrainRandom TGrainRandom::FromProcessRandom() {
    const uint32_t High = uint32_t(Vex::Random(65536));
    const uint32_t Low = uint32_t(Vex::Random(65536));
    return TGrainRandom((High << 16) | Low);
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

// Every loop below is written for the vectoriser: blocks of a fixed number of pixels, plain
// arithmetic on arrays, no calls and no branches inside a block. The bodies are forced inline so
// that each instruction-set entry point at the end compiles its own copy.

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

[[gnu::always_inline]] inline void HalveRows(const TPixelPlane &Plane) {
    // Output row r lies at or above input row 2r, and each block's output ends before the input
    // of the next block begins, so in place each write lands on consumed pixels.
    for (int R = 0; R < Plane.Height / 2; ++R) {
        THalveRow Row{Plane.Row(2 * R), Plane.Row(2 * R + 1), Plane.Row(R)};
        ForBlocks<16, 4>(Plane.Width / 2, Row);
    }
}

// t + 2l - 256 for every byte of N pixels, in bytes: a saturating rise of 2l - 256 where
// l >= 128, or a saturating fall of 256 - 2l (kept to 255, which still empties any byte) where
// l < 128. The unused byte, 0xFF in both, rises to 0xFF. Light may be Target itself: byte i
// depends on byte i of each alone.
template <int N>
[[gnu::always_inline]] inline void LightBlock(const uint8_t *Light, uint8_t *Target) {
    VEX_INDEPENDENT_ITERATIONS
    for (int I = 0; I < N * KBpp; ++I) {
        const uint8_t Bright = std::max<uint8_t>(Light[I], 128);
        // 2 * Bright wraps to 2l - 256, or to 0 for dark light.
        const uint8_t Rise = uint8_t(Bright + Bright);
        const uint8_t Dark = uint8_t(Bright - Light[I]);
        // Dark doubled, capped at 255: Dark + Dark would wrap for Dark = 128.
        const uint8_t Fall = uint8_t(Dark + std::min(Dark, uint8_t(~Dark)));
        // T + Rise saturates at 255 when T is first kept to 255 - Rise; T - Fall at 0 when T is
        // first raised to Fall.
        uint8_t T = uint8_t(std::min(Target[I], uint8_t(~Rise)) + Rise);
        T = uint8_t(std::max(T, Fall) - Fall);
        Target[I] = T;
    }
}

struct TLightRow {
    const uint8_t *Light;
    uint8_t *Target;

    template <int N> [[gnu::always_inline]] void Run(int X) {
        LightBlock<N>(Light + X * KBpp, Target + X * KBpp);
    }
};

[[gnu::always_inline]] inline void LightRows(const TConstPixelPlane &Light,
                                             const TPixelPlane &Target) {
    // Byte i of the target depends on byte i of each plane alone, so the map may be the target.
    const int Height = std::min(Light.Height, Target.Height);
    const int Width = std::min(Light.Width, Target.Width);
    for (int Y = 0; Y < Height; ++Y) {
        TLightRow Row{Light.Row(Y), Target.Row(Y)};
        ForBlocks<16, 4>(Width, Row);
    }
}

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
[[gnu::always_inline]] inline int CountBefore(const std::vector<int64_t> &Offsets, int Hint,
                                              const TBefore &Before) {
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

    [[gnu::always_inline]] void Move(const std::vector<int64_t> &Offsets, int64_t Start,
                                     int64_t Size) {
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

// Copies the source pixels at Distances from Start to Out.
struct TSampleRow {
    uint8_t *Out;
    const uint8_t *Start;
    const std::ptrdiff_t *Distances;

    template <int N> [[gnu::always_inline]] void Run(int X) {
#pragma GCC unroll 8
        for (int I = X; I < X + N; ++I)
            std::memcpy(Out + I * KBpp, Start + Distances[I], KBpp);
    }
};

// Each row is white, then the run of columns that sample inside the source, then white again;
// inside the run a column's sample lies at a fixed distance from the row's first sample.
void RotateRows(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                const TRotation &Rotation) {
    if (Dest.Width <= 0 || Dest.Height <= 0)
        return;
    const TRotationFrame Frame = FrameRotation(Source.Width, Source.Height, Rotation);
    const TPoint A = Frame.Start;
    const TPoint B = Frame.TopStart;
    const TPoint C = Frame.BottomEnd;
    const int W = Frame.Width;
    const int H = Frame.Height;
    const std::vector<int64_t> ColumnX = ColumnOffsets(Dest.Width, float((double(C.X) - A.X) / W));
    const std::vector<int64_t> ColumnY = ColumnOffsets(Dest.Width, float((double(C.Y) - A.Y) / W));
    std::vector<std::ptrdiff_t> Distance(size_t(Dest.Width));
    for (size_t Col = 0; Col < Distance.size(); ++Col)
        Distance[Col] = ColumnY[Col] * Source.Stride + ColumnX[Col] * KBpp;
    // Held apart from Source and Distance, whose fields a store to a pixel might otherwise change.
    const uint8_t *const Bits = Source.Bits;
    const std::ptrdiff_t *const Distances = Distance.data();
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
        const std::ptrdiff_t Start = Y0 * Source.Stride + X0 * KBpp;
        TSampleRow Row{Out + First * KBpp, Bits + Start, Distances + First};
        ForBlocks<8, 2>(Last - First, Row);
        std::memset(Out + Last * KBpp, 0xFF, size_t(Dest.Width - Last) * KBpp);
    }
}

// Grain is added in 16-bit lanes, one per byte of the block's pixels.
constexpr int KGrainBlock = 64;
constexpr int KGrainLanes = KGrainBlock * KBpp;
// Larger amounts fall back to the plain loops: their scaled draws and walks outgrow 16 bits.
constexpr int KMaxBlockNoise = 65535;
constexpr int KMaxBlockRaster = 32767 - 5;

// -1 on the colour channels, 0 on the unused byte: the draw that lines up with it is dropped.
constexpr std::array<int16_t, KGrainLanes> KColourLanes = [] {
    std::array<int16_t, KGrainLanes> Lanes{};
    for (size_t I = 0; I < Lanes.size(); ++I)
        Lanes[I] = I % KBpp < 3 ? -1 : 0;
    return Lanes;
}();

// The draws for N pixels, one 16-bit lane per byte.
template <int N> struct TGrainDraws {
    uint16_t Lanes[N * KBpp];

    [[gnu::always_inline]] explicit TGrainDraws(TGrainRandom &Grain) { Grain.Fill(Lanes, N); }
};

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
struct TNoiseRow {
    uint8_t *Pixels;
    TGrainRandom &Grain;
    // The amount in every lane: read from memory, it stays a 16-bit factor for the vectoriser,
    // which would widen a multiplication by a value it knows to be small to 32-bit lanes.
    const uint16_t (&Amount)[KGrainLanes];
    int16_t Half;

    template <int N> [[gnu::always_inline]] void Run(int X) {
        const TGrainDraws<N> Draws(Grain);
        uint8_t *P = Pixels + X * KBpp;
        for (int I = 0; I < N * KBpp; ++I) {
            const int16_t By = int16_t(Scaled(Draws.Lanes[I], Amount[I]) - Half);
            P[I] = Offset(P[I], int16_t(std::min<int16_t>(By, 255) & KColourLanes[size_t(I)]));
        }
    }
};

[[gnu::always_inline]] inline void NoiseRows(const TPixelPlane &Plane, int Amount,
                                             TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > KMaxBlockNoise) {
        Reference::Noise(Plane, Amount, Grain);
        return;
    }
    uint16_t Lanes[KGrainLanes];
    std::fill(std::begin(Lanes), std::end(Lanes), uint16_t(Amount));
    for (int Y = 0; Y < Plane.Height; ++Y) {
        TNoiseRow Row{Plane.Row(Y), Grain, Lanes, int16_t(Amount / 2)};
        ForBlocks<KGrainBlock, 8>(Plane.Width, Row);
    }
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
struct TRasterRow {
    uint8_t *Pixels;
    TGrainRandom &Grain;
    TWalkLanes Low, High;
    TWalkLanes &Walk;

    template <int N> [[gnu::always_inline]] void Run(int X) {
        const TGrainDraws<N> Draws(Grain);
        int16_t Steps[N * KBpp];
        for (int I = 0; I < N * KBpp; ++I)
            Steps[I] = int16_t((Scaled(Draws.Lanes[I], 10) - 5) & KColourLanes[size_t(I)]);
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
};

[[gnu::always_inline]] inline void RasterNoiseRows(const TPixelPlane &Plane, int Amount,
                                                   TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > KMaxBlockRaster) {
        Reference::RasterNoise(Plane, Amount, Grain);
        return;
    }
    const int16_t Bound = int16_t(Amount);
    TWalkLanes Walk{};
    for (int Y = 0; Y < Plane.Height; ++Y) {
        TRasterRow Row{Plane.Row(Y), Grain, TWalkLanes{} - Bound, TWalkLanes{} + Bound, Walk};
        ForBlocks<KGrainBlock, 8>(Plane.Width, Row);
    }
}

// The entry points, one copy of every loop per instruction set.
void HalveBaseline(const TPixelPlane &Plane) {
    HalveRows(Plane);
}
void LightBaseline(const TConstPixelPlane &Light, const TPixelPlane &Target) {
    LightRows(Light, Target);
}
void RotateBaseline(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                    const TRotation &Rotation) {
    RotateRows(Source, Dest, Rotation);
}
void NoiseBaseline(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    NoiseRows(Plane, Amount, Grain);
}
void RasterNoiseBaseline(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    RasterNoiseRows(Plane, Amount, Grain);
}

#if VEX_PIXEL_AVX2
[[gnu::target("avx2")]] void HalveAvx2(const TPixelPlane &Plane) {
    HalveRows(Plane);
}
[[gnu::target("avx2")]] void LightAvx2(const TConstPixelPlane &Light, const TPixelPlane &Target) {
    LightRows(Light, Target);
}
[[gnu::target("avx2")]] void NoiseAvx2(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    NoiseRows(Plane, Amount, Grain);
}
[[gnu::target("avx2")]] void RasterNoiseAvx2(const TPixelPlane &Plane, int Amount,
                                             TGrainRandom &Grain) {
    RasterNoiseRows(Plane, Amount, Grain);
}
#endif

constexpr TPixelKernels KBaseline{"baseline",     HalveBaseline, LightBaseline,
                                  RotateBaseline, NoiseBaseline, RasterNoiseBaseline};
#if VEX_PIXEL_AVX2
// Turning copies single pixels from scattered places, which wider vectors do not speed up
// (measured): the AVX2 set keeps the baseline loop.
constexpr TPixelKernels KAvx2{"avx2",         HalveAvx2, LightAvx2,
                              RotateBaseline, NoiseAvx2, RasterNoiseAvx2};
constexpr std::array<TPixelKernels, 2> KAllKernels{KBaseline, KAvx2};

bool HasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif
} // namespace

std::span<const TPixelKernels> AvailablePixelKernels() {
#if VEX_PIXEL_AVX2
    static const bool Avx2 = HasAvx2();
    return {KAllKernels.data(), Avx2 ? 2u : 1u};
#else
    return {&KBaseline, 1};
#endif
}

const TPixelKernels &PixelKernels() {
    static const TPixelKernels &Fastest = AvailablePixelKernels().back();
    return Fastest;
}

} // namespace Vex
