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

// Runs Block(Pixels, Draws) over Count pixels, 8 at a time; the last ones through copies, padded
// with draws of one half (Random(10) - 5 = 0, which leaves a raster walk where it is).
template <typename TBlock>
VEX_AVX2 inline void ForGrainBlocks(uint8_t *Pixels, const uint16_t *Draws, int Count,
                                    const TBlock &Block) {
    int X = 0;
    for (; X < Count - KWide + 1; X += KWide)
        Block(Pixels + X * KBpp, Draws + X * KGroupLanes);
    if (X < Count) {
        const size_t Pixel = size_t(Count - X) * KBpp;
        uint8_t P[KWide * KBpp];
        uint16_t D[KWide * KGroupLanes];
        std::fill(std::begin(D), std::end(D), uint16_t(0x8000));
        std::memcpy(P, Pixels + X * KBpp, Pixel);
        std::memcpy(D, Draws + X * KGroupLanes, Pixel * sizeof(uint16_t));
        Block(P, D);
        std::memcpy(Pixels + X * KBpp, P, Pixel);
    }
}

// Random(Amount) - Amount div 2 for 16 draws (four pixels): the high half of draw * Amount.
// Both fit 16 bits as long as Amount does.
struct TNoiseBlock {
    __m256i Amount;
    __m256i Half;

    VEX_AVX2 __m256i Offsets(const uint16_t *Draws) const {
        return _mm256_sub_epi16(_mm256_mulhi_epu16(Load(Draws), Amount), Half);
    }

    // The offsets reach +-32767, so they are added with saturation; the pack clamps to bytes.
    VEX_AVX2 void operator()(uint8_t *Pixels, const uint16_t *Draws) const {
        const __m256i Low =
            _mm256_adds_epi16(_mm256_cvtepu8_epi16(Load128(Pixels)), Offsets(Draws));
        const __m256i High =
            _mm256_adds_epi16(_mm256_cvtepu8_epi16(Load128(Pixels + 16)), Offsets(Draws + KLanes));
        Store(Pixels, PackBytes(Low, High));
    }
};

struct TNoiseRun {
    TColourLanes Amount;
    TColourLanes Half;

    VEX_AVX2 void operator()(uint8_t *Pixels, const uint16_t *Draws, int Count) const {
        const TNoiseBlock Block{Load(Amount.Lanes), Load(Half.Lanes)};
        ForGrainBlocks(Pixels, Draws, Count, Block);
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

// Raster noise: the walk of offsets within +-Amount, held as o + (32767 - Amount) so that the
// upper bound is where a saturating 16-bit addition stops; the lower bound is a maximum.
struct TRasterBlock {
    __m256i Ten;
    __m256i Five;
    __m128i Floor;
    __m256i Bias;
    __m128i *Walk;

    // One pixel's step, in the low four lanes.
    VEX_AVX2 __m128i Step(__m128i Steps) const {
        *Walk = _mm_max_epi16(_mm_adds_epi16(*Walk, Steps), Floor);
        return *Walk;
    }

    // The offsets of four pixels.
    VEX_AVX2 __m256i Offsets(const uint16_t *Draws) const {
        const __m256i Steps = _mm256_sub_epi16(_mm256_mulhi_epu16(Load(Draws), Ten), Five);
        const __m128i Low = _mm256_castsi256_si128(Steps);
        const __m128i High = _mm256_extracti128_si256(Steps, 1);
        const __m128i O0 = Step(Low);
        const __m128i O1 = Step(_mm_unpackhi_epi64(Low, Low));
        const __m128i O2 = Step(High);
        const __m128i O3 = Step(_mm_unpackhi_epi64(High, High));
        const __m256i Walked =
            _mm256_set_m128i(_mm_unpacklo_epi64(O2, O3), _mm_unpacklo_epi64(O0, O1));
        return _mm256_sub_epi16(Walked, Bias);
    }

    VEX_AVX2 void operator()(uint8_t *Pixels, const uint16_t *Draws) const {
        const __m256i Low =
            _mm256_adds_epi16(_mm256_cvtepu8_epi16(Load128(Pixels)), Offsets(Draws));
        const __m256i High =
            _mm256_adds_epi16(_mm256_cvtepu8_epi16(Load128(Pixels + 16)), Offsets(Draws + KLanes));
        Store(Pixels, PackBytes(Low, High));
    }
};

struct TRasterRun {
    int Amount;
    int16_t Walk[8];

    VEX_AVX2 void operator()(uint8_t *Pixels, const uint16_t *Draws, int Count) {
        __m128i Lanes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(Walk));
        const TRasterBlock Block{Load(TColourLanes(10).Lanes), Load(TColourLanes(5).Lanes),
                                 _mm_set1_epi16(int16_t(32767 - 2 * Amount)),
                                 _mm256_set1_epi16(int16_t(32767 - Amount)), &Lanes};
        ForGrainBlocks(Pixels, Draws, Count, Block);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(Walk), Lanes);
    }
};

VEX_AVX2 void RasterNoiseAvx2(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > KMaxBlockRaster) {
        Reference::RasterNoise(Plane, Amount, Grain);
        return;
    }
    TRasterRun Run{Amount, {}};
    std::fill(std::begin(Run.Walk), std::end(Run.Walk), int16_t(32767 - Amount));
    ForGrainRuns(Plane, Grain, Run);
}

constexpr TPixelKernels KAvx2{"avx2", HalveAvx2, LightAvx2, TurnRows, NoiseAvx2, RasterNoiseAvx2};

bool HasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
} // namespace

const TPixelKernels *Avx2PixelKernels() {
    return HasAvx2() ? &KAvx2 : nullptr;
}

#else

const TPixelKernels *Avx2PixelKernels() {
    return nullptr;
}

#endif

} // namespace Vex
