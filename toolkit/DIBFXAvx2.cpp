#include "toolkit/DIBFXAvx2.h"

#include "toolkit/DIBFXReference.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#define VEX_AVX2_LOOPS 1
#include <immintrin.h>
#else
#define VEX_AVX2_LOOPS 0
#endif

namespace Vex {

#if VEX_AVX2_LOOPS
namespace {

// Compiled for AVX2: every function below that touches a 256-bit register. The set is offered
// only where the processor has AVX2.
#define VEX_AVX2 __attribute__((target("avx2")))

constexpr int KBpp = 4;
// Pixels in a 256-bit register.
constexpr int KWide = 8;

VEX_AVX2 inline __m256i Load(const void *P) {
    return _mm256_loadu_si256(static_cast<const __m256i *>(P));
}

VEX_AVX2 inline void Store(void *P, __m256i Value) {
    _mm256_storeu_si256(static_cast<__m256i *>(P), Value);
}

VEX_AVX2 inline __m128i Load128(const void *P) {
    return _mm_loadu_si128(static_cast<const __m128i *>(P));
}

// The 16-bit lanes of Low (pixels 0 .. 3) and High (4 .. 7) clamped to bytes, in pixel order.
VEX_AVX2 inline __m256i PackBytes(__m256i Low, __m256i High) {
    // The pack works per 128-bit half and gives pixels 0 1 4 5 | 2 3 6 7.
    return _mm256_permute4x64_epi64(_mm256_packus_epi16(Low, High), 0xD8);
}

// Halving. Per 128-bit half, the four pixels p0 .. p3 become the channel sums [p0 + p1, p2 + p3]
// in 16-bit lanes: a byte shuffle puts the two pixels' channels side by side, a multiply-add by
// ones adds the neighbours.
VEX_AVX2 inline __m256i PairSums(__m256i Pixels) {
    const __m256i Pairs = _mm256_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15, //
                                           0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
    return _mm256_maddubs_epi16(_mm256_shuffle_epi8(Pixels, Pairs), _mm256_set1_epi8(1));
}

// The truncated means of the 2 x 2 blocks of 8 pixels of Upper and Lower: outputs 0 1 | 2 3.
VEX_AVX2 inline __m256i BlockMeans(const uint8_t *Upper, const uint8_t *Lower) {
    const __m256i Sums = _mm256_add_epi16(PairSums(Load(Upper)), PairSums(Load(Lower)));
    return _mm256_srli_epi16(Sums, 2);
}

// 8 output pixels from 16 pixel pairs. Out may be Upper: everything is read before the store.
VEX_AVX2 inline void HalveBlock(const uint8_t *Upper, const uint8_t *Lower, uint8_t *Out) {
    const __m256i Low = BlockMeans(Upper, Lower);
    const __m256i High = BlockMeans(Upper + KWide * KBpp, Lower + KWide * KBpp);
    Store(Out, PackBytes(Low, High));
}

VEX_AVX2 void HalveAvx2(const TPixelPlane &Plane) {
    const int Outputs = Plane.Width / 2;
    // Output row r lies at or above input row 2r, and each block's output ends before the input
    // of the next block begins, so in place each write lands on consumed pixels.
    for (int R = 0; R < Plane.Height / 2; ++R) {
        const uint8_t *Upper = Plane.Row(2 * R);
        const uint8_t *Lower = Plane.Row(2 * R + 1);
        uint8_t *Out = Plane.Row(R);
        int Q = 0;
        for (; Q < Outputs - KWide + 1; Q += KWide)
            HalveBlock(Upper + 2 * Q * KBpp, Lower + 2 * Q * KBpp, Out + Q * KBpp);
        if (Q < Outputs) {
            // The last outputs from copies of their input.
            const size_t Bytes = size_t(Outputs - Q) * KBpp;
            uint8_t U[2 * KWide * KBpp] = {}, L[2 * KWide * KBpp] = {}, O[KWide * KBpp];
            std::memcpy(U, Upper + 2 * Q * KBpp, 2 * Bytes);
            std::memcpy(L, Lower + 2 * Q * KBpp, 2 * Bytes);
            HalveBlock(U, L, O);
            std::memcpy(Out + Q * KBpp, O, Bytes);
        }
    }
}

// Lighting: t + 2l - 256 for 32 bytes as a saturating rise up = 2 * (l - 128) where l > 128
// (at most 254) and a saturating fall down = 2 * (128 - l) where l < 128 (256 for l = 0
// saturates to 255, which empties any byte just as well); one of the two is 0. Light may be
// Target itself.
VEX_AVX2 inline void LightBlock(const uint8_t *Light, uint8_t *Target) {
    const __m256i Middle = _mm256_set1_epi8(char(128));
    const __m256i L = Load(Light);
    const __m256i Above = _mm256_subs_epu8(L, Middle);
    const __m256i Below = _mm256_subs_epu8(Middle, L);
    const __m256i Risen = _mm256_adds_epu8(Load(Target), _mm256_adds_epu8(Above, Above));
    Store(Target, _mm256_subs_epu8(Risen, _mm256_adds_epu8(Below, Below)));
}

VEX_AVX2 void LightAvx2(const TConstPixelPlane &Light, const TPixelPlane &Target) {
    const int Height = std::min(Light.Height, Target.Height);
    const int Width = std::min(Light.Width, Target.Width);
    for (int Y = 0; Y < Height; ++Y) {
        const uint8_t *L = Light.Row(Y);
        uint8_t *T = Target.Row(Y);
        int X = 0;
        for (; X < Width - KWide + 1; X += KWide)
            LightBlock(L + X * KBpp, T + X * KBpp);
        if (X < Width) {
            // The last pixels through copies of their bytes.
            const size_t Bytes = size_t(Width - X) * KBpp;
            uint8_t LightTail[KWide * KBpp], TargetTail[KWide * KBpp];
            std::memcpy(LightTail, L + X * KBpp, Bytes);
            std::memcpy(TargetTail, T + X * KBpp, Bytes);
            LightBlock(LightTail, TargetTail);
            std::memcpy(T + X * KBpp, TargetTail, Bytes);
        }
    }
}

// Turning four rows at a time: each distance is loaded once for four rows, and four samples of a
// row are put together in a register and stored at once.
VEX_AVX2 inline int LoadSample(uintptr_t Start, int64_t Distance) {
    int Sample;
    std::memcpy(&Sample, reinterpret_cast<const uint8_t *>(Start + uintptr_t(Distance)), KBpp);
    return Sample;
}

VEX_AVX2 inline __m128i FourSamples(uintptr_t Start, const int64_t (&Distances)[4]) {
    __m128i Samples = _mm_cvtsi32_si128(LoadSample(Start, Distances[0]));
    Samples = _mm_insert_epi32(Samples, LoadSample(Start, Distances[1]), 1);
    Samples = _mm_insert_epi32(Samples, LoadSample(Start, Distances[2]), 2);
    return _mm_insert_epi32(Samples, LoadSample(Start, Distances[3]), 3);
}

VEX_AVX2 void CopySampleQuads(const TTurnedRow *Rows, const int64_t *Distances, int From, int To) {
    uint8_t *const Out[] = {Rows[0].Out, Rows[1].Out, Rows[2].Out, Rows[3].Out};
    const uintptr_t Start[] = {Rows[0].Start, Rows[1].Start, Rows[2].Start, Rows[3].Start};
    int C = From;
    for (; C + 4 <= To; C += 4) {
        // Held apart from Distances, which a store to a pixel might otherwise change.
        const int64_t Four[] = {Distances[C], Distances[C + 1], Distances[C + 2], Distances[C + 3]};
#pragma GCC unroll 4
        for (int R = 0; R < 4; ++R)
            _mm_storeu_si128(reinterpret_cast<__m128i *>(Out[R] + C * KBpp),
                             FourSamples(Start[R], Four));
    }
    for (int R = 0; R < 4; ++R)
        CopyTurnedSamples(Rows[R], Distances, C, To);
}

VEX_AVX2 void RotateAvx2(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                         const TRotation &Rotation) {
    TurnRows(Source, Dest, Rotation, {4, CopySampleQuads});
}

// Grain: every channel of a pixel and its draw share a 16-bit lane; the unused byte's lane has a
// factor of 0 wherever draws are scaled, so it never changes.
constexpr int KGroupLanes = TGrainRandom::GroupDraws;
constexpr int KLanes = 16;

// A 16-lane pattern of Value on the colour channels and 0 on the unused byte.
struct TColourLanes {
    int16_t Lanes[KLanes];

    explicit TColourLanes(int Value) {
        for (int I = 0; I < KLanes; ++I)
            Lanes[I] = int16_t(I % KGroupLanes < TGrainRandom::UsedDraws ? Value : 0);
    }
};

// Lanes 0 .. Count - 1 of eight 32-bit lanes set (Count < 8).
VEX_AVX2 inline __m256i FirstLanes(int Count) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(Count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

// 8 pixels plus 16-bit offsets for their bytes (Low: pixels 0 .. 3, High: 4 .. 7), clamped. The
// offsets may reach +-32767, so they are added with saturation; the pack clamps to bytes.
VEX_AVX2 inline __m256i AddOffsets(__m256i Pixels, __m256i Low, __m256i High) {
    const __m256i Widened = _mm256_cvtepu8_epi16(_mm256_castsi256_si128(Pixels));
    const __m256i WidenedHigh = _mm256_cvtepu8_epi16(_mm256_extracti128_si256(Pixels, 1));
    return PackBytes(_mm256_adds_epi16(Widened, Low), _mm256_adds_epi16(WidenedHigh, High));
}

// Pixels = Block(Pixels, Low, High) over Count pixels, 8 at a time, where Low and High are the
// 16-bit lanes of Lanes for pixels 0 .. 3 and 4 .. 7 (four lanes a pixel). The last pixels go
// through masked loads and stores, which touch nothing past them.
template <typename TBlock>
VEX_AVX2 inline void ForGrainBlocks(uint8_t *Pixels, const int16_t *Lanes, int Count,
                                    const TBlock &Block) {
    int X = 0;
    for (; X < Count - KWide + 1; X += KWide) {
        uint8_t *P = Pixels + X * KBpp;
        const int16_t *L = Lanes + X * KGroupLanes;
        Store(P, Block(Load(P), Load(L), Load(L + KLanes)));
    }
    if (X < Count) {
        int *P = reinterpret_cast<int *>(Pixels + X * KBpp);
        const auto *L = reinterpret_cast<const long long *>(Lanes + X * KGroupLanes);
        const __m256i Mask = FirstLanes(Count - X);
        const __m256i LowMask = _mm256_cvtepi32_epi64(_mm256_castsi256_si128(Mask));
        const __m256i HighMask = _mm256_cvtepi32_epi64(_mm256_extracti128_si256(Mask, 1));
        const __m256i Result =
            Block(_mm256_maskload_epi32(P, Mask), _mm256_maskload_epi64(L, LowMask),
                  _mm256_maskload_epi64(L + KLanes / 4, HighMask));
        _mm256_maskstore_epi32(P, Mask, Result);
    }
}

// Random(Amount) - Amount div 2 for every draw: the high half of draw * Amount. Both fit 16 bits
// as long as Amount does.
struct TNoiseBlock {
    __m256i Amount;
    __m256i Half;

    VEX_AVX2 __m256i Offsets(__m256i Draws) const {
        return _mm256_sub_epi16(_mm256_mulhi_epu16(Draws, Amount), Half);
    }

    VEX_AVX2 __m256i operator()(__m256i Pixels, __m256i Low, __m256i High) const {
        return AddOffsets(Pixels, Offsets(Low), Offsets(High));
    }
};

struct TNoiseRun {
    TColourLanes Amount;
    TColourLanes Half;

    VEX_AVX2 void operator()(uint8_t *Pixels, const uint16_t *Draws, int Count) const {
        const TNoiseBlock Block{Load(Amount.Lanes), Load(Half.Lanes)};
        ForGrainBlocks(Pixels, reinterpret_cast<const int16_t *>(Draws), Count, Block);
    }
};

// Larger amounts go to the plain loops: their scaled draws and walks outgrow 16 bits.
constexpr int KMaxBlockNoise = 65535;
constexpr int KMaxBlockRaster = 32767 - 5;

VEX_AVX2 void NoiseAvx2(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > KMaxBlockNoise) {
        Reference::Noise(Plane, Amount, Grain);
        return;
    }
    TNoiseRun Run{TColourLanes(Amount), TColourLanes(Amount / 2)};
    ForGrainRuns(Plane, Grain, Run);
}

// Raster noise. The offsets walk by Random(10) - 5 within +-Amount in one chain through every
// pixel of the bitmap, which no register can take side by side. So the walk goes in chunks of 16
// segments of 16 pixels, walked side by side four to a register (one per 64-bit quarter) and four
// registers at once: first each segment's walk as a function of its start (a start s ends at
// clamp(s + sum of the steps, end from -Amount, end from +Amount)), then the segments' starts one
// after another from the offsets carried in, then the walks themselves. Offsets are held as
// o + 32767 - Amount, so that the upper bound is where a saturating addition stops and the lower
// one a maximum; a saturated sum of a start and a segment's steps still clamps to the right end.
constexpr int KQuarters = 4;
constexpr int KSegmentSets = 4;
constexpr int KSegments = KSegmentSets * KQuarters;
constexpr int KSegmentPixels = 16;
constexpr int KChunkPixels = KSegments * KSegmentPixels;

// Four registers of four pixels each become four registers of their first, second, third and
// fourth pixels: the 4 x 4 transpose of their 64-bit quarters, its own inverse.
VEX_AVX2 inline void Transpose(__m256i &A, __m256i &B, __m256i &C, __m256i &D) {
    const __m256i AB0 = _mm256_unpacklo_epi64(A, B);
    const __m256i AB1 = _mm256_unpackhi_epi64(A, B);
    const __m256i CD0 = _mm256_unpacklo_epi64(C, D);
    const __m256i CD1 = _mm256_unpackhi_epi64(C, D);
    A = _mm256_permute2x128_si256(AB0, CD0, 0x20);
    B = _mm256_permute2x128_si256(AB1, CD1, 0x20);
    C = _mm256_permute2x128_si256(AB0, CD0, 0x31);
    D = _mm256_permute2x128_si256(AB1, CD1, 0x31);
}

class TRasterWalk {
public:
    explicit TRasterWalk(int Amount)
        : FTop(32767), FBias(int16_t(32767 - Amount)), FFloor(int16_t(32767 - 2 * Amount)) {
        std::fill(std::begin(FCarry), std::end(FCarry), FBias);
    }

    // Takes the next Count pixels and their draws; walks each chunk once it is full.
    VEX_AVX2 void operator()(uint8_t *Pixels, const uint16_t *Draws, int Count) {
        while (Count > 0) {
            const int Taken = std::min(Count, KChunkPixels - FFilled);
            AddSteps(Draws, Taken);
            FPieces[FPieceCount++] = {Pixels, Taken};
            Pixels += Taken * KBpp;
            Draws += Taken * KGroupLanes;
            Count -= Taken;
            if (FFilled == KChunkPixels)
                Flush();
        }
    }

    // Walks the last chunk, padded with steps of 0, which leave the walk where it is.
    VEX_AVX2 void Flush() {
        if (FFilled == 0)
            return;
        std::fill(FSteps + FFilled * KGroupLanes, std::end(FSteps), int16_t(0));
        Walk();
        Apply();
        FFilled = 0;
        FPieceCount = 0;
    }

private:
    // Random(10) - 5 for the colour channels of Count pixels, 0 for the unused byte. The last
    // pixels' draws through a masked load, which reads nothing past them; their whole register
    // goes to the chunk, whose room past the last pixel takes what follows them.
    VEX_AVX2 void AddSteps(const uint16_t *Draws, int Count) {
        const __m256i Ten = Load(TColourLanes(10).Lanes);
        const __m256i Five = Load(TColourLanes(5).Lanes);
        int16_t *To = FSteps + FFilled * KGroupLanes;
        int X = 0;
        for (; X < Count - 3; X += 4)
            Store(To + X * KGroupLanes,
                  _mm256_sub_epi16(_mm256_mulhi_epu16(Load(Draws + X * KGroupLanes), Ten), Five));
        if (X < Count) {
            const __m256i Mask =
                _mm256_cmpgt_epi64(_mm256_set1_epi64x(Count - X), _mm256_setr_epi64x(0, 1, 2, 3));
            const __m256i Last = _mm256_maskload_epi64(
                reinterpret_cast<const long long *>(Draws + X * KGroupLanes), Mask);
            Store(To + X * KGroupLanes, _mm256_sub_epi16(_mm256_mulhi_epu16(Last, Ten), Five));
        }
        FFilled += Count;
    }

    // The chunk's steps become its offsets; the carried offsets move to the chunk's end.
    VEX_AVX2 void Walk() {
        // Steps[Set][P]: pixel P of the four segments of Set, a quarter each.
        __m256i Steps[KSegmentSets][KSegmentPixels];
        alignas(32) int16_t Sums[KSegments * KGroupLanes], Lows[KSegments * KGroupLanes],
            Highs[KSegments * KGroupLanes];
        for (int Set = 0; Set < KSegmentSets; ++Set)
            WalkFromEnds(Set, Steps[Set], Sums + Set * KLanes, Lows + Set * KLanes,
                         Highs + Set * KLanes);
        // The segments' starts, one after another from the offsets carried in.
        alignas(32) int16_t Starts[KSegments * KGroupLanes];
        __m128i Carry = Quarter(FCarry);
        for (int S = 0; S < KSegments * KGroupLanes; S += KGroupLanes) {
            _mm_storel_epi64(reinterpret_cast<__m128i *>(Starts + S), Carry);
            Carry = _mm_adds_epi16(Carry, Quarter(Sums + S));
            Carry = _mm_min_epi16(_mm_max_epi16(Carry, Quarter(Lows + S)), Quarter(Highs + S));
        }
        _mm_storel_epi64(reinterpret_cast<__m128i *>(FCarry), Carry);
        for (int Set = 0; Set < KSegmentSets; ++Set)
            WalkFromStarts(Set, Steps[Set], Load(Starts + Set * KLanes));
    }

    static VEX_AVX2 __m128i Quarter(const int16_t *Lanes) {
        return _mm_loadl_epi64(reinterpret_cast<const __m128i *>(Lanes));
    }

    // The steps of the four segments of Set, a quarter each, into Steps; and each segment's sum
    // and its ends from -Amount and from +Amount.
    VEX_AVX2 void WalkFromEnds(int Set, __m256i (&Steps)[KSegmentPixels], int16_t *Sums,
                               int16_t *Lows, int16_t *Highs) const {
        const __m256i Floor = _mm256_set1_epi16(FFloor);
        __m256i Sum = _mm256_setzero_si256();
        __m256i FromLow = Floor;
        __m256i FromHigh = _mm256_set1_epi16(FTop);
        const int16_t *From = FSteps + Set * KQuarters * KSegmentPixels * KGroupLanes;
        constexpr int Segment = KSegmentPixels * KGroupLanes;
#pragma GCC unroll 4
        for (int P = 0; P < KSegmentPixels; P += 4) {
            __m256i A = Load(From + P * KGroupLanes);
            __m256i B = Load(From + Segment + P * KGroupLanes);
            __m256i C = Load(From + 2 * Segment + P * KGroupLanes);
            __m256i D = Load(From + 3 * Segment + P * KGroupLanes);
            Transpose(A, B, C, D);
            Advance(A, Floor, Sum, FromLow, FromHigh);
            Advance(B, Floor, Sum, FromLow, FromHigh);
            Advance(C, Floor, Sum, FromLow, FromHigh);
            Advance(D, Floor, Sum, FromLow, FromHigh);
            Steps[P] = A;
            Steps[P + 1] = B;
            Steps[P + 2] = C;
            Steps[P + 3] = D;
        }
        Store(Sums, Sum);
        Store(Lows, FromLow);
        Store(Highs, FromHigh);
    }

    static VEX_AVX2 void Advance(__m256i Step, __m256i Floor, __m256i &Sum, __m256i &FromLow,
                                 __m256i &FromHigh) {
        Sum = _mm256_add_epi16(Sum, Step);
        FromLow = _mm256_max_epi16(_mm256_adds_epi16(FromLow, Step), Floor);
        FromHigh = _mm256_max_epi16(_mm256_adds_epi16(FromHigh, Step), Floor);
    }

    // The four segments of Set walked from their Starts, back in pixel order as offsets.
    VEX_AVX2 void WalkFromStarts(int Set, const __m256i (&Steps)[KSegmentPixels], __m256i Walked) {
        const __m256i Floor = _mm256_set1_epi16(FFloor);
        const __m256i Bias = _mm256_set1_epi16(FBias);
        int16_t *To = FOffsets + Set * KQuarters * KSegmentPixels * KGroupLanes;
        constexpr int Segment = KSegmentPixels * KGroupLanes;
#pragma GCC unroll 4
        for (int P = 0; P < KSegmentPixels; P += 4) {
            __m256i A = Step(Steps[P], Floor, Bias, Walked);
            __m256i B = Step(Steps[P + 1], Floor, Bias, Walked);
            __m256i C = Step(Steps[P + 2], Floor, Bias, Walked);
            __m256i D = Step(Steps[P + 3], Floor, Bias, Walked);
            Transpose(A, B, C, D);
            Store(To + P * KGroupLanes, A);
            Store(To + Segment + P * KGroupLanes, B);
            Store(To + 2 * Segment + P * KGroupLanes, C);
            Store(To + 3 * Segment + P * KGroupLanes, D);
        }
    }

    // Walked moves by Step; the offset it stands for.
    static VEX_AVX2 __m256i Step(__m256i Step, __m256i Floor, __m256i Bias, __m256i &Walked) {
        Walked = _mm256_max_epi16(_mm256_adds_epi16(Walked, Step), Floor);
        return _mm256_sub_epi16(Walked, Bias);
    }

    // The offsets added to the pixels they belong to.
    VEX_AVX2 void Apply() {
        const int16_t *Offsets = FOffsets;
        for (int Piece = 0; Piece < FPieceCount; ++Piece) {
            const auto [Pixels, Count] = FPieces[Piece];
            ForGrainBlocks(Pixels, Offsets, Count, TOffsetBlock());
            Offsets += Count * KGroupLanes;
        }
    }

    struct TOffsetBlock {
        VEX_AVX2 __m256i operator()(__m256i Pixels, __m256i Low, __m256i High) const {
            return AddOffsets(Pixels, Low, High);
        }
    };

    int16_t FTop, FBias, FFloor;
    int16_t FCarry[KGroupLanes];
    // Room for a register of steps past the last pixel.
    alignas(32) int16_t FSteps[(KChunkPixels + 4) * KGroupLanes];
    alignas(32) int16_t FOffsets[KChunkPixels * KGroupLanes];
    struct TPiece {
        uint8_t *Pixels;
        int Count;
    } FPieces[KChunkPixels];
    int FPieceCount = 0;
    int FFilled = 0;
};

VEX_AVX2 void RasterNoiseAvx2(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > KMaxBlockRaster) {
        Reference::RasterNoise(Plane, Amount, Grain);
        return;
    }
    TRasterWalk Walk(Amount);
    ForGrainRuns(Plane, Grain, Walk);
    Walk.Flush();
}

constexpr TPixelKernels KAvx2{"avx2", HalveAvx2, LightAvx2, RotateAvx2, NoiseAvx2, RasterNoiseAvx2};

VEX_AVX2 void SeedGrainBlockAvx2(uint16_t *Draws, uint32_t Seed) {
    TGrainRandom::SeedBlock(Draws, Seed);
}

VEX_AVX2 void NextGrainBlockAvx2(uint16_t *Draws) {
    TGrainRandom::NextBlock(Draws);
}

constexpr TGrainBlockSteps KAvx2GrainBlockSteps{SeedGrainBlockAvx2, NextGrainBlockAvx2};

bool HasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
} // namespace

const TPixelKernels *Avx2PixelKernels() {
    return HasAvx2() ? &KAvx2 : nullptr;
}

const TGrainBlockSteps *Avx2GrainBlockSteps() {
    return HasAvx2() ? &KAvx2GrainBlockSteps : nullptr;
}

#else

const TPixelKernels *Avx2PixelKernels() {
    return nullptr;
}

const TGrainBlockSteps *Avx2GrainBlockSteps() {
    return nullptr;
}

#endif

} // namespace Vex
