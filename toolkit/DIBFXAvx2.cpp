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

// The 32-bit lanes 0 .. Count - 1 of eight set (none for Count <= 0).
VEX_AVX2 inline __m256i FirstLanes(int Count) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(Count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

// The 64-bit lanes 0 .. Count - 1 of four set (none for Count <= 0).
VEX_AVX2 inline __m256i FirstSlots(int Count) {
    return _mm256_cmpgt_epi64(_mm256_set1_epi64x(Count), _mm256_setr_epi64x(0, 1, 2, 3));
}

// Eight pixels at P, or the first Count of them through a masked load, which reads nothing past
// them (for a row shorter than eight pixels).
VEX_AVX2 inline __m256i LoadPixels(const void *P, int Count) {
    if (Count >= KWide)
        return Load(P);
    return _mm256_maskload_epi32(static_cast<const int *>(P), FirstLanes(Count));
}

VEX_AVX2 inline void StorePixels(void *P, int Count, __m256i Value) {
    if (Count >= KWide)
        Store(P, Value);
    else
        _mm256_maskstore_epi32(static_cast<int *>(P), FirstLanes(Count), Value);
}

// Four lanes of 16 bits for each of eight pixels (two registers, pixels 0 .. 3 and 4 .. 7), or
// for the first Count of them likewise.
struct TPixelLanes {
    __m256i Low, High;
};

VEX_AVX2 inline TPixelLanes LoadLanes(const int16_t *P, int Count) {
    if (Count >= KWide)
        return {Load(P), Load(P + 16)};
    const auto *Slots = reinterpret_cast<const long long *>(P);
    return {_mm256_maskload_epi64(Slots, FirstSlots(Count)),
            _mm256_maskload_epi64(Slots + 4, FirstSlots(Count - 4))};
}

// Runs Row over the Count pixels of a row, eight at a time: Row.Block(X, N) computes the block of
// pixels X .. X + 7 from its input, Row.Put(X, N, Block) stores it, where N is 8 but for a row
// shorter than that. The last block ends at the row's end, overlapping the one before; its input
// is read before anything is stored, so that the overlap is stored twice with the same bytes,
// and a routine working in place never reads what it has written.
template <typename TRow> VEX_AVX2 inline void ForRowBlocks(int Count, const TRow &Row) {
    if (Count < KWide) {
        if (Count > 0)
            Row.Put(0, Count, Row.Block(0, Count));
        return;
    }
    const __m256i Last = Row.Block(Count - KWide, KWide);
    for (int X = 0; X < Count - KWide; X += KWide)
        Row.Put(X, KWide, Row.Block(X, KWide));
    Row.Put(Count - KWide, KWide, Last);
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

// The truncated means of the 2 x 2 blocks of 8 pixels of two rows: outputs 0 1 | 2 3.
VEX_AVX2 inline __m256i BlockMeans(__m256i Upper, __m256i Lower) {
    return _mm256_srli_epi16(_mm256_add_epi16(PairSums(Upper), PairSums(Lower)), 2);
}

// 8 output pixels from 16 pixel pairs of two rows, 8 pixels a register.
VEX_AVX2 inline __m256i HalveBlock(__m256i Upper, __m256i UpperNext, __m256i Lower,
                                   __m256i LowerNext) {
    return PackBytes(BlockMeans(Upper, Lower), BlockMeans(UpperNext, LowerNext));
}

// A row of halving: output pixel q from input pixels 2q and 2q + 1 of two rows.
struct THalveRow {
    const uint8_t *Upper;
    const uint8_t *Lower;
    uint8_t *Out;

    VEX_AVX2 __m256i Block(int Q, int N) const {
        const uint8_t *U = Upper + 2 * Q * KBpp;
        const uint8_t *L = Lower + 2 * Q * KBpp;
        const int Next = 2 * N - KWide;
        return HalveBlock(LoadPixels(U, 2 * N), LoadPixels(U + KWide * KBpp, Next),
                          LoadPixels(L, 2 * N), LoadPixels(L + KWide * KBpp, Next));
    }

    VEX_AVX2 void Put(int Q, int N, __m256i Block) const { StorePixels(Out + Q * KBpp, N, Block); }
};

VEX_AVX2 void HalveAvx2(const TPixelPlane &Plane) {
    // Output row r lies at or above input row 2r, and each block's output ends before the input
    // of the next block begins, so in place each write lands on consumed pixels.
    for (int R = 0; R < Plane.Height / 2; ++R)
        ForRowBlocks(Plane.Width / 2,
                     THalveRow{Plane.Row(2 * R), Plane.Row(2 * R + 1), Plane.Row(R)});
}

// Lighting: t + 2l - 256 for 32 bytes as a saturating rise up = 2 * (l - 128) where l > 128
// (at most 254) and a saturating fall down = 2 * (128 - l) where l < 128 (256 for l = 0
// saturates to 255, which empties any byte just as well); one of the two is 0. Light may be
// Target itself.
VEX_AVX2 inline __m256i LightBlock(__m256i Light, __m256i Target) {
    const __m256i Middle = _mm256_set1_epi8(char(128));
    const __m256i Above = _mm256_subs_epu8(Light, Middle);
    const __m256i Below = _mm256_subs_epu8(Middle, Light);
    const __m256i Risen = _mm256_adds_epu8(Target, _mm256_adds_epu8(Above, Above));
    return _mm256_subs_epu8(Risen, _mm256_adds_epu8(Below, Below));
}

struct TLightRow {
    const uint8_t *Light;
    uint8_t *Target;

    VEX_AVX2 __m256i Block(int X, int N) const {
        return LightBlock(LoadPixels(Light + X * KBpp, N), LoadPixels(Target + X * KBpp, N));
    }

    VEX_AVX2 void Put(int X, int N, __m256i Block) const {
        StorePixels(Target + X * KBpp, N, Block);
    }
};

VEX_AVX2 void LightAvx2(const TConstPixelPlane &Light, const TPixelPlane &Target) {
    const int Height = std::min(Light.Height, Target.Height);
    const int Width = std::min(Light.Width, Target.Width);
    for (int Y = 0; Y < Height; ++Y)
        ForRowBlocks(Width, TLightRow{Light.Row(Y), Target.Row(Y)});
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

// The lanes of four pixels with Value on the colour channels and 0 on the unused byte.
VEX_AVX2 inline __m256i ColourLanes(int Value) {
    return _mm256_blend_epi16(_mm256_set1_epi16(int16_t(Value)), _mm256_setzero_si256(), 0x88);
}

// 8 pixels plus 16-bit offsets for their bytes (Low: pixels 0 .. 3, High: 4 .. 7), clamped. The
// offsets may reach +-32767, so they are added with saturation; the pack clamps to bytes.
VEX_AVX2 inline __m256i AddOffsets(__m256i Pixels, __m256i Low, __m256i High) {
    const __m256i Widened = _mm256_cvtepu8_epi16(_mm256_castsi256_si128(Pixels));
    const __m256i WidenedHigh = _mm256_cvtepu8_epi16(_mm256_extracti128_si256(Pixels, 1));
    return PackBytes(_mm256_adds_epi16(Widened, Low), _mm256_adds_epi16(WidenedHigh, High));
}

// A run of pixels plus 16-bit offsets, four lanes a pixel, worked out by Offsets from Lanes.
template <typename TOffsets> struct TOffsetRow {
    uint8_t *Pixels;
    const int16_t *Lanes;
    TOffsets Offsets;

    VEX_AVX2 __m256i Block(int X, int N) const {
        const TPixelLanes Eight = LoadLanes(Lanes + X * KGroupLanes, N);
        return AddOffsets(LoadPixels(Pixels + X * KBpp, N), Offsets(Eight.Low),
                          Offsets(Eight.High));
    }

    VEX_AVX2 void Put(int X, int N, __m256i Block) const {
        StorePixels(Pixels + X * KBpp, N, Block);
    }
};

// Random(Amount) - Amount div 2 for every draw: the high half of draw * Amount. Both fit 16 bits
// as long as Amount does.
struct TNoiseOffsets {
    __m256i Amount;
    __m256i Half;

    VEX_AVX2 __m256i operator()(__m256i Draws) const {
        return _mm256_sub_epi16(_mm256_mulhi_epu16(Draws, Amount), Half);
    }
};

struct TNoiseRun {
    int Amount;

    VEX_AVX2 void operator()(uint8_t *Pixels, const uint16_t *Draws, int Count) const {
        const TNoiseOffsets Offsets{ColourLanes(Amount), ColourLanes(Amount / 2)};
        ForRowBlocks(Count, TOffsetRow<TNoiseOffsets>{
                                Pixels, reinterpret_cast<const int16_t *>(Draws), Offsets});
    }
};

VEX_AVX2 void NoiseAvx2(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount > TGrainRandom::MaxLaneNoise) {
        Reference::Noise(Plane, Amount, Grain);
        return;
    }
    TNoiseRun Run{Amount};
    ForGrainRuns(Plane, Grain, Run);
}

// Raster noise. The offsets walk by Random(10) - 5 within +-Amount in one chain through every
// pixel of the bitmap, which no register can take side by side. So the walk goes in chunks of 16
// segments of 16 pixels, walked side by side, a segment to each slot of a register (a pixel's
// lanes) and as many registers as it takes at once: first each segment's walk as a function of
// its start (a start s ends at clamp(s + sum of the steps, end from -Amount, end from +Amount)),
// then the segments' starts one after another from the offsets carried in, then the walks
// themselves. Offsets are held as o + Top - Amount, so that the upper bound is where a saturating
// addition stops and the lower one a maximum; a saturated sum of a start and a segment's steps
// (at most 80 apart) still clamps to the right end.
constexpr int KSegments = 16;
constexpr int KSegmentPixels = 16;
constexpr int KChunkPixels = KSegments * KSegmentPixels;
// A segment's sum of steps (each -5 .. 4) must fit the narrowest lanes, whose wrapping sum stands
// for it exactly only then.
static_assert(KSegmentPixels * 5 <= 128);

// Random(10) - 5 for the colour channels of four pixels' draws, 0 for the unused byte.
VEX_AVX2 inline __m256i RasterSteps(__m256i Draws) {
    return _mm256_sub_epi16(_mm256_mulhi_epu16(Draws, ColourLanes(10)), ColourLanes(5));
}

// A walk in 16-bit lanes, for bounds up to 32762: four pixels to a register.
struct TWideLanes {
    using TLane = int16_t;
    static constexpr int Slots = 4;
    static constexpr int Top = 32767;

    static VEX_AVX2 __m256i Set(int Value) { return _mm256_set1_epi16(int16_t(Value)); }
    static VEX_AVX2 __m256i Add(__m256i A, __m256i B) { return _mm256_add_epi16(A, B); }
    static VEX_AVX2 __m256i AddSat(__m256i A, __m256i B) { return _mm256_adds_epi16(A, B); }
    static VEX_AVX2 __m256i Sub(__m256i A, __m256i B) { return _mm256_sub_epi16(A, B); }
    static VEX_AVX2 __m256i Max(__m256i A, __m256i B) { return _mm256_max_epi16(A, B); }
    static VEX_AVX2 __m256i Min(__m256i A, __m256i B) { return _mm256_min_epi16(A, B); }

    // One pixel's lanes in every slot, and back.
    static VEX_AVX2 __m256i Broadcast(const TLane *Lanes) {
        int64_t Slot;
        std::memcpy(&Slot, Lanes, sizeof Slot);
        return _mm256_set1_epi64x(Slot);
    }
    static VEX_AVX2 void StoreSlot(TLane *Lanes, __m256i Value) {
        _mm_storel_epi64(reinterpret_cast<__m128i *>(Lanes), _mm256_castsi256_si128(Value));
    }

    // Registers of four pixels each become registers of their first, second, third and fourth
    // pixels: the 4 x 4 transpose of their 64-bit slots, its own inverse.
    static VEX_AVX2 void Transpose(__m256i (&R)[Slots]) {
        const __m256i AB0 = _mm256_unpacklo_epi64(R[0], R[1]);
        const __m256i AB1 = _mm256_unpackhi_epi64(R[0], R[1]);
        const __m256i CD0 = _mm256_unpacklo_epi64(R[2], R[3]);
        const __m256i CD1 = _mm256_unpackhi_epi64(R[2], R[3]);
        R[0] = _mm256_permute2x128_si256(AB0, CD0, 0x20);
        R[1] = _mm256_permute2x128_si256(AB1, CD1, 0x20);
        R[2] = _mm256_permute2x128_si256(AB0, CD0, 0x31);
        R[3] = _mm256_permute2x128_si256(AB1, CD1, 0x31);
    }

    // The steps of the pixels of a register, from their draws (four per pixel).
    static VEX_AVX2 __m256i Steps(const __m256i (&Draws)[1]) { return RasterSteps(Draws[0]); }

    // The offsets of Count pixels added to them.
    static VEX_AVX2 void AddTo(uint8_t *Pixels, const TLane *Offsets, int Count) {
        ForRowBlocks(Count, TOffsetRow<TAsThey>{Pixels, Offsets, {}});
    }

    struct TAsThey {
        VEX_AVX2 __m256i operator()(__m256i Offsets) const { return Offsets; }
    };
};

// A walk in 8-bit lanes, for bounds up to 127: eight pixels to a register, every step half the
// work of the wide walk.
struct TNarrowLanes {
    using TLane = int8_t;
    static constexpr int Slots = 8;
    static constexpr int Top = 127;

    static VEX_AVX2 __m256i Set(int Value) { return _mm256_set1_epi8(int8_t(Value)); }
    static VEX_AVX2 __m256i Add(__m256i A, __m256i B) { return _mm256_add_epi8(A, B); }
    static VEX_AVX2 __m256i AddSat(__m256i A, __m256i B) { return _mm256_adds_epi8(A, B); }
    static VEX_AVX2 __m256i Sub(__m256i A, __m256i B) { return _mm256_sub_epi8(A, B); }
    static VEX_AVX2 __m256i Max(__m256i A, __m256i B) { return _mm256_max_epi8(A, B); }
    static VEX_AVX2 __m256i Min(__m256i A, __m256i B) { return _mm256_min_epi8(A, B); }

    static VEX_AVX2 __m256i Broadcast(const TLane *Lanes) {
        int32_t Slot;
        std::memcpy(&Slot, Lanes, sizeof Slot);
        return _mm256_set1_epi32(Slot);
    }
    static VEX_AVX2 void StoreSlot(TLane *Lanes, __m256i Value) {
        const int32_t Slot = _mm256_cvtsi256_si32(Value);
        std::memcpy(Lanes, &Slot, sizeof Slot);
    }

    // The 8 x 8 transpose of the 32-bit slots of eight registers, its own inverse.
    static VEX_AVX2 void Transpose(__m256i (&R)[Slots]) {
        __m256i T[Slots], U[Slots];
#pragma GCC unroll 4
        for (int I = 0; I < Slots; I += 2) {
            T[I] = _mm256_unpacklo_epi32(R[I], R[I + 1]);
            T[I + 1] = _mm256_unpackhi_epi32(R[I], R[I + 1]);
        }
#pragma GCC unroll 2
        for (int I = 0; I < Slots; I += 4) {
            U[I] = _mm256_unpacklo_epi64(T[I], T[I + 2]);
            U[I + 1] = _mm256_unpackhi_epi64(T[I], T[I + 2]);
            U[I + 2] = _mm256_unpacklo_epi64(T[I + 1], T[I + 3]);
            U[I + 3] = _mm256_unpackhi_epi64(T[I + 1], T[I + 3]);
        }
#pragma GCC unroll 4
        for (int I = 0; I < 4; ++I) {
            R[I] = _mm256_permute2x128_si256(U[I], U[I + 4], 0x20);
            R[I + 4] = _mm256_permute2x128_si256(U[I], U[I + 4], 0x31);
        }
    }

    // Steps of 16 bits (at most 5 in size), packed to bytes in pixel order.
    static VEX_AVX2 __m256i Steps(const __m256i (&Draws)[2]) {
        const __m256i Packed = _mm256_packs_epi16(RasterSteps(Draws[0]), RasterSteps(Draws[1]));
        return _mm256_permute4x64_epi64(Packed, 0xD8);
    }

    // Each byte p + o clamped to 0 .. 255 is (p - 128) + o with signed saturation, plus 128.
    static VEX_AVX2 void AddTo(uint8_t *Pixels, const TLane *Offsets, int Count) {
        ForRowBlocks(Count, TByteOffsetRow{Pixels, Offsets});
    }

    struct TByteOffsetRow {
        uint8_t *Pixels;
        const TLane *Offsets;

        VEX_AVX2 __m256i Block(int X, int N) const {
            const __m256i Middle = _mm256_set1_epi8(char(128));
            const __m256i Shifted = _mm256_xor_si256(LoadPixels(Pixels + X * KBpp, N), Middle);
            const __m256i Sum = _mm256_adds_epi8(Shifted, LoadPixels(Offsets + X * KBpp, N));
            return _mm256_xor_si256(Sum, Middle);
        }

        VEX_AVX2 void Put(int X, int N, __m256i Block) const {
            StorePixels(Pixels + X * KBpp, N, Block);
        }
    };
};

template <typename TLanes> class TRasterWalk {
public:
    using TLane = typename TLanes::TLane;

    explicit TRasterWalk(int Amount)
        : FBias(TLane(TLanes::Top - Amount)), FFloor(TLane(TLanes::Top - 2 * Amount)) {
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

    // Walks the chunk; one not full (the last) is padded with steps of 0, which leave the walk
    // where it is.
    VEX_AVX2 void Flush() {
        if (FFilled == 0)
            return;
        std::fill(FSteps + FFilled * KGroupLanes, FSteps + KChunkPixels * KGroupLanes, TLane(0));
        Walk();
        const TLane *Offsets = FOffsets;
        for (int Piece = 0; Piece < FPieceCount; ++Piece) {
            const auto [Pixels, Count] = FPieces[Piece];
            TLanes::AddTo(Pixels, Offsets, Count);
            Offsets += Count * KGroupLanes;
        }
        FFilled = 0;
        FPieceCount = 0;
    }

private:
    static constexpr int Slots = TLanes::Slots;
    static constexpr int Sets = KSegments / Slots;
    static constexpr int SegmentLanes = KSegmentPixels * KGroupLanes;
    using TSetSteps = __m256i[KSegmentPixels];

    // The steps of Count pixels at the end of the chunk. The last pixels' draws come through
    // masked loads, which read nothing past them; their whole register goes to the chunk, whose
    // room past the last pixel takes what follows them.
    VEX_AVX2 void AddSteps(const uint16_t *Draws, int Count) {
        constexpr int Registers = Slots / 4;
        TLane *To = FSteps + FFilled * KGroupLanes;
        int X = 0;
        for (; X < Count - Slots + 1; X += Slots) {
            __m256i Four[Registers];
            for (int R = 0; R < Registers; ++R)
                Four[R] = Load(Draws + (X + 4 * R) * KGroupLanes);
            Store(To + X * KGroupLanes, TLanes::Steps(Four));
        }
        if (X < Count) {
            __m256i Four[Registers];
            for (int R = 0; R < Registers; ++R)
                Four[R] = _mm256_maskload_epi64(
                    reinterpret_cast<const long long *>(Draws + (X + 4 * R) * KGroupLanes),
                    FirstSlots(Count - X - 4 * R));
            Store(To + X * KGroupLanes, TLanes::Steps(Four));
        }
        FFilled += Count;
    }

    // The chunk's steps become its offsets; the carried offsets move to the chunk's end.
    VEX_AVX2 void Walk() {
        TSetSteps Steps[Sets];
        alignas(32) TLane Sums[KSegments * KGroupLanes], Lows[KSegments * KGroupLanes],
            Highs[KSegments * KGroupLanes], Starts[KSegments * KGroupLanes];
        for (int Set = 0; Set < Sets; ++Set) {
            const int First = Set * Slots * KGroupLanes;
            WalkFromEnds(FSteps + Set * Slots * SegmentLanes, Steps[Set], Sums + First,
                         Lows + First, Highs + First);
        }
        // The segments' starts, one after another from the offsets carried in.
        __m256i Carry = TLanes::Broadcast(FCarry);
        for (int S = 0; S < KSegments * KGroupLanes; S += KGroupLanes) {
            TLanes::StoreSlot(Starts + S, Carry);
            Carry = TLanes::AddSat(Carry, TLanes::Broadcast(Sums + S));
            Carry = TLanes::Min(TLanes::Max(Carry, TLanes::Broadcast(Lows + S)),
                                TLanes::Broadcast(Highs + S));
        }
        TLanes::StoreSlot(FCarry, Carry);
        for (int Set = 0; Set < Sets; ++Set)
            WalkFromStarts(Steps[Set], Load(Starts + Set * Slots * KGroupLanes),
                           FOffsets + Set * Slots * SegmentLanes);
    }

    // The steps of a set of segments (From), transposed so that each register holds a pixel of
    // every segment; and each segment's sum and its ends from -Amount and from +Amount.
    VEX_AVX2 void WalkFromEnds(const TLane *From, TSetSteps &Steps, TLane *Sums, TLane *Lows,
                               TLane *Highs) const {
        const __m256i Floor = TLanes::Set(FFloor);
        __m256i Sum = _mm256_setzero_si256();
        __m256i FromLow = Floor;
        __m256i FromHigh = TLanes::Set(TLanes::Top);
        for (int P = 0; P < KSegmentPixels; P += Slots) {
            __m256i Pixels[Slots];
#pragma GCC unroll 8
            for (int S = 0; S < Slots; ++S)
                Pixels[S] = Load(From + S * SegmentLanes + P * KGroupLanes);
            TLanes::Transpose(Pixels);
#pragma GCC unroll 8
            for (int S = 0; S < Slots; ++S) {
                Sum = TLanes::Add(Sum, Pixels[S]);
                FromLow = TLanes::Max(TLanes::AddSat(FromLow, Pixels[S]), Floor);
                FromHigh = TLanes::Max(TLanes::AddSat(FromHigh, Pixels[S]), Floor);
                Steps[P + S] = Pixels[S];
            }
        }
        Store(Sums, Sum);
        Store(Lows, FromLow);
        Store(Highs, FromHigh);
    }

    // A set of segments walked from their Starts, back in pixel order as offsets at To.
    VEX_AVX2 void WalkFromStarts(const TSetSteps &Steps, __m256i Walked, TLane *To) const {
        const __m256i Floor = TLanes::Set(FFloor);
        const __m256i Bias = TLanes::Set(FBias);
        for (int P = 0; P < KSegmentPixels; P += Slots) {
            __m256i Pixels[Slots];
#pragma GCC unroll 8
            for (int S = 0; S < Slots; ++S) {
                Walked = TLanes::Max(TLanes::AddSat(Walked, Steps[P + S]), Floor);
                Pixels[S] = TLanes::Sub(Walked, Bias);
            }
            TLanes::Transpose(Pixels);
#pragma GCC unroll 8
            for (int S = 0; S < Slots; ++S)
                Store(To + S * SegmentLanes + P * KGroupLanes, Pixels[S]);
        }
    }

    TLane FBias, FFloor;
    TLane FCarry[KGroupLanes];
    // Room for a register of steps past the last pixel.
    alignas(32) TLane FSteps[(KChunkPixels + Slots) * KGroupLanes];
    alignas(32) TLane FOffsets[KChunkPixels * KGroupLanes];
    struct TPiece {
        uint8_t *Pixels;
        int Count;
    } FPieces[KChunkPixels];
    int FPieceCount = 0;
    int FFilled = 0;
};

template <typename TLanes>
VEX_AVX2 void WalkRasterNoise(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    TRasterWalk<TLanes> Walk(Amount);
    ForGrainRuns(Plane, Grain, Walk);
    Walk.Flush();
}

VEX_AVX2 void RasterNoiseAvx2(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain) {
    Amount = std::max(Amount, 0);
    if (Amount <= TNarrowLanes::Top)
        WalkRasterNoise<TNarrowLanes>(Plane, Amount, Grain);
    else if (Amount <= TGrainRandom::MaxLaneRaster)
        WalkRasterNoise<TWideLanes>(Plane, Amount, Grain);
    else
        Reference::RasterNoise(Plane, Amount, Grain);
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
