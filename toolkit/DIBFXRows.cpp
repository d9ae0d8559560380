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
void SeedGrainBlock(uint16_t *Draws, uint32_t Seed) {
    TGrainRandom::SeedBlock(Draws, Seed);
}

void NextGrainBlock(uint16_t *Draws) {
    TGrainRandom::NextBlock(Draws);
}

// The AVX2 copies where there are some: the block steps are a sizeable share of the grain loops'
// work.
const TGrainBlockSteps &GrainBlockSteps() {
    static constexpr TGrainBlockSteps Baseline{SeedGrainBlock, NextGrainBlock};
    static const TGrainBlockSteps *const Avx2 = Avx2GrainBlockSteps();
    return Avx2 ? *Avx2 : Baseline;
}
} // namespace

TGrainRandom::TGrainRandom(uint32_t Seed) {
    GrainBlockSteps().Seed(FDraws, Seed);
}

TGrainRandom TGrainRandom::FromProcessRandom() {
    const uint32_t High = uint32_t(Vex::Random(65536));
    const uint32_t Low = uint32_t(Vex::Random(65536));
    return TGrainRandom((High << 16) | Low);
}

void TGrainRandom::Refill() {
    GrainBlockSteps().Next(FDraws);
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
    Frame.StepX = float((double(Frame.BottomEnd.X) - Frame.Start.X) / Width);
    Frame.StepY = float((double(Frame.BottomEnd.Y) - Frame.Start.Y) / Width);
    return Frame;
}

namespace {
constexpr int KBpp = TBitmap::BytesPerPixel;

// Where column c of every destination row samples, relative to the row's start: 0 for column 0,
// then Round((c - 1) * Step), saturated to int as Round does. Rounding keeps the order of its
// arguments, so the offsets only ever rise or only ever fall along a row. In integers alone: a
// float is Mantissa / 2^Shift with a 24-bit mantissa, so k * Step is exact (as it is in double)
// and its rounding, halves to even, is a shift with a correction.
std::vector<int64_t> ColumnOffsets(int Columns, float Step) {
    int Exponent = 0;
    const float Fraction = std::frexp(Step, &Exponent);
    const int64_t Mantissa = int64_t(std::ldexp(Fraction, 24));
    const int Shift = 24 - Exponent;
    std::vector<int64_t> Offsets(size_t(std::max(Columns, 0)));
    // Far below a half in magnitude (Shift >= 62), every multiple rounds to 0.
    if (Shift <= 0) {
        // Whole numbers; anything past 2^31 saturates, so the factor is bounded first.
        const int64_t Scale = int64_t(1) << std::min(-Shift, 31);
        for (int K = 0; K + 1 < Columns; ++K) {
            const int64_t Bounded =
                std::clamp<int64_t>(K * Mantissa, -(int64_t(1) << 31), int64_t(1) << 31);
            Offsets[size_t(K + 1)] = std::clamp<int64_t>(Bounded * Scale, INT_MIN, INT_MAX);
        }
    } else if (Shift < 62) {
        const int64_t Half = int64_t(1) << (Shift - 1);
        int64_t Exact = 0; // k * Step * 2^Shift, below 2^55 in magnitude
        for (int K = 0; K + 1 < Columns; ++K, Exact += Mantissa) {
            const int64_t Floor = Exact >> Shift;
            const int64_t Rest = Exact - (Floor << Shift);
            const int64_t Rounded = Floor + ((Rest + (Floor & 1) + Half - 1) >> Shift);
            Offsets[size_t(K + 1)] = std::clamp<int64_t>(Rounded, INT_MIN, INT_MAX);
        }
    }
    return Offsets;
}

// How many of a row's columns have an offset below a threshold, the offsets taken with Sign so
// that they rise along the row. Over the span the offsets cover, the counts are tabulated once,
// so that a row's count is one lookup rather than a search whose branches go either way from row
// to row; a span too wide for a table (a huge scale) is searched.
class TColumnCounts {
public:
    TColumnCounts(const std::vector<int64_t> &Offsets, int Sign)
        : FOffsets(Offsets), FSign(Sign), FLow(At(0)), FHigh(At(Offsets.size() - 1)) {
        if (FHigh - FLow > 8 * int64_t(Offsets.size()) + 1024)
            return;
        FTable.resize(size_t(FHigh - FLow + 1));
        size_t Below = 0;
        for (int64_t Threshold = FLow; Threshold <= FHigh; ++Threshold) {
            while (At(Below) < Threshold)
                ++Below;
            FTable[size_t(Threshold - FLow)] = int(Below);
        }
    }

    int Below(int64_t Threshold) const {
        if (Threshold <= FLow)
            return 0;
        if (Threshold > FHigh)
            return int(FOffsets.size());
        if (!FTable.empty())
            return FTable[size_t(Threshold - FLow)];
        return int(
            std::partition_point(FOffsets.begin(), FOffsets.end(),
                                 [&](int64_t Offset) { return FSign * Offset < Threshold; }) -
            FOffsets.begin());
    }

private:
    int64_t At(size_t Column) const { return FSign * FOffsets[Column]; }

    const std::vector<int64_t> &FOffsets;
    int FSign;
    int64_t FLow, FHigh;
    std::vector<int> FTable;
};

// The columns [First, Last) of a row whose Offsets plus Start lie in 0 .. Size - 1: one run,
// since the offsets only ever rise or only ever fall. Falling offsets are counted negated.
class TInsideColumns {
public:
    TInsideColumns(const std::vector<int64_t> &Offsets, int64_t Size)
        : FFalling(Offsets.front() > Offsets.back()), FSize(Size),
          FCounts(Offsets, FFalling ? -1 : 1) {}

    std::pair<int, int> Run(int64_t Start) const {
        // Rising: Start + o in 0 .. Size - 1 is o in -Start .. Size - Start - 1. Falling, with
        // o = -n: n in Start - Size + 1 .. Start.
        if (FFalling)
            return {FCounts.Below(Start - FSize + 1), FCounts.Below(Start + 1)};
        return {FCounts.Below(-Start), FCounts.Below(FSize - Start)};
    }

private:
    bool FFalling;
    int64_t FSize;
    TColumnCounts FCounts;
};
} // namespace

namespace {
// Round(Corner - k * (Corner - Far) / Height) for k = 0, 1, 2, ..., in integers: the quotient
// and remainder of Corner * Height - k * (Corner - Far) by Height, halves to even. The double
// expression gives the same while k * (Corner - Far) is exact in double (k below 2^20) and
// Height is at most 2^16: wherever the result is not saturated its rounding errors (below 2^-19)
// cannot carry it across a half, which lies at least 1 / (2 * Height) from any other value it
// can take, and a value that is a half is exact in double.
class TRowStarts {
public:
    TRowStarts(int Corner, int Far, int Height)
        : FHeight(Height), FQuotient(Corner), FStepQuotient(FloorDiv(int64_t(Corner) - Far)),
          FStepRest(int64_t(Corner) - Far - FStepQuotient * Height) {}

    // The start of the current row.
    int64_t Value() const {
        const int64_t Twice = 2 * FRest;
        const bool Up = Twice > FHeight || (Twice == FHeight && (FQuotient & 1) != 0);
        return std::clamp<int64_t>(FQuotient + Up, INT_MIN, INT_MAX);
    }

    void Next() {
        FQuotient -= FStepQuotient;
        FRest -= FStepRest;
        if (FRest < 0) {
            FRest += FHeight;
            --FQuotient;
        }
    }

private:
    int64_t FloorDiv(int64_t Value) const {
        const int64_t Quotient = Value / FHeight;
        return Quotient - (Value % FHeight < 0);
    }

    int64_t FHeight;
    int64_t FQuotient;
    int64_t FRest = 0;
    int64_t FStepQuotient;
    int64_t FStepRest;
};

// Turns up to these heights have exact integer row starts (see TRowStarts).
constexpr int KMaxTurnSourceHeight = 1 << 16;
constexpr int KMaxTurnDestHeight = 1 << 20;

// White is every byte 0xFF.
void FillWhite(uint8_t *Out, int From, int To) {
    if (From < To)
        std::memset(Out + From * KBpp, 0xFF, size_t(To - From) * KBpp);
}

// A group of rows (a short last group repeats its last row): each row white outside its run and its
// own columns, and the columns where all of them sample inside the source together.
void WriteTurnedRows(const TTurnedRow *Rows, const TTurnGroup &Group, int Width,
                     const int64_t *Distances) {
    int From = 0;
    int To = Width;
    for (int I = 0; I < Group.Rows; ++I) {
        From = std::max(From, Rows[I].First);
        To = std::min(To, Rows[I].Last);
    }
    To = std::max(From, To);
    for (int I = 0; I < Group.Rows; ++I) {
        const TTurnedRow &Row = Rows[I];
        FillWhite(Row.Out, 0, Row.First);
        CopyTurnedSamples(Row, Distances, Row.First, std::min(From, Row.Last));
        CopyTurnedSamples(Row, Distances, std::max(To, Row.First), Row.Last);
        FillWhite(Row.Out, Row.Last, Width);
    }
    Group.Copy(Rows, Distances, From, To);
}
} // namespace

void TurnRows(const TConstPixelPlane &Source, const TPixelPlane &Dest, const TRotation &Rotation,
              const TTurnGroup &Group) {
    if (Dest.Width <= 0 || Dest.Height <= 0)
        return;
    // Beyond these heights the plain loop: the row starts in integers need them to be small.
    if (Source.Height > KMaxTurnSourceHeight || Dest.Height > KMaxTurnDestHeight) {
        Reference::Rotate(Source, Dest, Rotation);
        return;
    }
    const TRotationFrame Frame = FrameRotation(Source.Width, Source.Height, Rotation);
    const std::vector<int64_t> ColumnX = ColumnOffsets(Dest.Width, Frame.StepX);
    const std::vector<int64_t> ColumnY = ColumnOffsets(Dest.Width, Frame.StepY);
    const int W = Frame.Width;
    const int H = Frame.Height;
    std::vector<int64_t> Distance(size_t(Dest.Width));
    for (size_t Col = 0; Col < Distance.size(); ++Col)
        Distance[Col] = ColumnY[Col] * Source.Stride + ColumnX[Col] * KBpp;
    const TInsideColumns InsideX(ColumnX, W), InsideY(ColumnY, H);
    // Rows are counted from the bottom: row k starts at Start moved k/H of the way to TopStart.
    TRowStarts StartX(Frame.Start.X, Frame.TopStart.X, H),
        StartY(Frame.Start.Y, Frame.TopStart.Y, H);
    const auto NextRow = [&](int K) {
        const int64_t X0 = Frame.F + StartX.Value();
        const int64_t Y0 = Frame.G + StartY.Value();
        StartX.Next();
        StartY.Next();
        const auto [FirstX, LastX] = InsideX.Run(X0);
        const auto [FirstY, LastY] = InsideY.Run(Y0);
        TTurnedRow Row;
        Row.Out = Dest.Row(Dest.Height - 1 - K);
        Row.Start = uintptr_t(Source.Bits) + uintptr_t(Y0 * Source.Stride + X0 * KBpp);
        Row.First = std::max(FirstX, FirstY);
        Row.Last = std::max(Row.First, std::min(LastX, LastY));
        return Row;
    };
    TTurnedRow Rows[TTurnGroup::MaxRows];
    for (int K = 0; K < Dest.Height; K += Group.Rows) {
        const int Count = std::min(Group.Rows, Dest.Height - K);
        for (int I = 0; I < Group.Rows; ++I)
            Rows[I] = I < Count ? NextRow(K + I) : Rows[Count - 1];
        WriteTurnedRows(Rows, Group, Dest.Width, Distance.data());
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

// Turning two rows at a time: each distance is loaded once for both rows, and two neighbouring
// columns are stored at once, which lets a pixel cost less than three memory accesses.
void CopySamplePairs(const TTurnedRow *Rows, const int64_t *Distances, int From, int To) {
    uint8_t *const OutA = Rows[0].Out;
    uint8_t *const OutB = Rows[1].Out;
    const uintptr_t StartA = Rows[0].Start;
    const uintptr_t StartB = Rows[1].Start;
    int C = From;
#pragma GCC unroll 4
    for (; C + 2 <= To; C += 2) {
        const uintptr_t Left = uintptr_t(Distances[C]);
        const uintptr_t Right = uintptr_t(Distances[C + 1]);
        uint32_t Pixels[4];
        std::memcpy(Pixels, reinterpret_cast<const uint8_t *>(StartA + Left), KBpp);
        std::memcpy(Pixels + 1, reinterpret_cast<const uint8_t *>(StartA + Right), KBpp);
        std::memcpy(Pixels + 2, reinterpret_cast<const uint8_t *>(StartB + Left), KBpp);
        std::memcpy(Pixels + 3, reinterpret_cast<const uint8_t *>(StartB + Right), KBpp);
        std::memcpy(OutA + C * KBpp, Pixels, 2 * KBpp);
        std::memcpy(OutB + C * KBpp, Pixels + 2, 2 * KBpp);
    }
    CopyTurnedSamples(Rows[0], Distances, C, To);
    CopyTurnedSamples(Rows[1], Distances, C, To);
}

void RotateBaseline(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                    const TRotation &Rotation) {
    TurnRows(Source, Dest, Rotation, {2, CopySamplePairs});
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

void NoiseBaseline(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > TGrainRandom::MaxLaneNoise) {
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
    if (Amount > TGrainRandom::MaxLaneRaster) {
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
