#pragma once
// The engines behind DIBFX's per-frame routines: halving, lighting, turning and grain, each run
// over whole rows with integer arithmetic and no branch per pixel. The baseline set is plain C++
// in fixed blocks of pixels that the compiler turns into vector instructions (lighting, which
// needs saturating bytes the compiler does not find, in SSE2); DIBFXAvx2 writes the loops out for
// AVX2, chosen at run time. They work on planes (a pointer, a stride and a size) rather than on
// bitmaps, so that any row layout can be checked against the plain loops of DIBFXReference, which
// define their output byte for byte.

#include "platform/core/Types.h"
#include "platform/core/VexExport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

namespace Vex {

class TBitmap;

// Height rows of Width pixels of four bytes (blue, green, red, unused); each row starts Stride
// bytes after the one above it.
template <typename TByte> struct TPixelPlaneOf {
    TByte *Bits = nullptr;
    std::ptrdiff_t Stride = 0;
    int Width = 0;
    int Height = 0;

    TByte *Row(int Y) const { return Bits + Y * Stride; }

    operator TPixelPlaneOf<const TByte>() const requires(!std::is_const_v<TByte>) {
        return {Bits, Stride, Width, Height};
    }
};
using TPixelPlane = TPixelPlaneOf<uint8_t>;
using TConstPixelPlane = TPixelPlaneOf<const uint8_t>;

// The bitmap's pixels; an empty bitmap gives a plane of no rows and no columns.
VEX_EXPORT TPixelPlane PlaneOf(TBitmap &Bitmap);
VEX_EXPORT TConstPixelPlane PlaneOf(const TBitmap &Bitmap);

// The grain generator: an additive lagged Fibonacci sequence of 16-bit draws,
// x[i] = x[i - 384] + x[i - 880] mod 65536. That is 16 interleaved copies of the (24, 55)
// generator, whose period is at least 2^55 - 1 once one of its 55 seeds is odd, and a block of 880
// new draws costs 55 additions of 16 draws. Draws are taken in groups of four, one per byte of a
// pixel, so that a row of groups lines up with a row of pixels; the fourth, lining up with the
// unused byte, is skipped.
class VEX_EXPORT TGrainRandom {
public:
    static constexpr int BlockDraws = 880;
    static constexpr int GroupDraws = 4;
    // The draws of a group that colour channels use.
    static constexpr int UsedDraws = 3;
    // The largest noise and raster amounts whose scaled draws and walks fit 16-bit lanes; the
    // loops take larger ones (every channel at 0 or 255 anyway) the plain way.
    static constexpr int MaxLaneNoise = 65535;
    static constexpr int MaxLaneRaster = 32767 - 5;

    explicit TGrainRandom(uint32_t Seed);
    // Seeded by two draws of the process-wide generator, so a seeded run repeats its grain.
    static TGrainRandom FromProcessRandom();

    // The next draw scaled to 0 .. N - 1 (0 for N <= 0): (draw * N) >> 16. Above 65536, N's
    // range is still covered evenly, but by 65536 of its values only.
    int Random(int N) {
        if (FNext == BlockDraws)
            Refill();
        const uint16_t Draw = FDraws[FNext];
        FNext += FNext % GroupDraws == UsedDraws - 1 ? 2 : 1;
        return N <= 0 ? 0 : int((uint64_t(Draw) * uint32_t(N)) >> 16);
    }

    // The next whole groups, at most Groups of them (at least one for Groups >= 1; fewer where the
    // block ends), where they lie in the generator: four draws a group. A group begun by Random
    // is skipped.
    std::span<const uint16_t> Take(int Groups) {
        FNext += (GroupDraws - FNext % GroupDraws) % GroupDraws;
        if (FNext == BlockDraws)
            Refill();
        const int Count = std::min(std::max(Groups, 0), (BlockDraws - FNext) / GroupDraws);
        const uint16_t *const First = FDraws + FNext;
        FNext += GroupDraws * Count;
        return {First, size_t(GroupDraws * Count)};
    }

    // The block that stands for the 880 draws before the first one, for Seed.
    [[gnu::always_inline]] static void SeedBlock(uint16_t *Draws, uint32_t Seed) {
        for (int I = 0; I < BlockDraws / 2; ++I) {
            // A bijective scramble, so that neighbouring seeds start unrelated sequences.
            uint32_t Pair = Seed + uint32_t(I) * 0x9E3779B9u;
            Pair = (Pair ^ (Pair >> 16)) * 0x85EBCA6Bu;
            Pair = (Pair ^ (Pair >> 13)) * 0xC2B2AE35u;
            Pair ^= Pair >> 16;
            Draws[2 * I] = uint16_t(Pair);
            Draws[2 * I + 1] = uint16_t(Pair >> 16);
        }
        // An odd seed in each of the 16 interleaved generators gives it its full period.
        for (int Lane = 0; Lane < 16; ++Lane)
            Draws[Lane] |= 1;
    }

    // Replaces Draws, a block of the sequence, with the next block, in place: draw i of the new
    // block replaces draw i - 880; draw i - 384 is in the old block (at i + 496, not yet replaced)
    // for the first 384 draws, and in the new one after them.
    [[gnu::always_inline]] static void NextBlock(uint16_t *Draws) {
        constexpr int Short = 384;
        for (int I = 0; I < Short; ++I)
            Draws[I] = uint16_t(Draws[I] + Draws[I + BlockDraws - Short]);
        for (int I = Short; I < BlockDraws; ++I)
            Draws[I] = uint16_t(Draws[I] + Draws[I - Short]);
    }

private:
    // Replaces the block with the next 880 draws.
    void Refill();

    alignas(32) uint16_t FDraws[BlockDraws];
    int FNext = BlockDraws;
};

// RotateBitmap's arguments after the bitmaps.
struct TRotation {
    int OffsetX = 0;
    float Angle = 0;
    float ScaleX = 1;
    float ScaleY = 1;
    int OffsetY = 0;
};

// Where RotateBitmap's sampling starts, in source pixels about the centre (F, G) of a source of
// Width x Height pixels: destination row k counted from the bottom starts at Start moved k/Height
// of the way to TopStart; the bottom row runs toward BottomEnd, reached after Width columns, a
// column moving by StepX and StepY.
struct TRotationFrame {
    int Width = 0;
    int Height = 0;
    int F = 0;
    int G = 0;
    TPoint Start, TopStart, BottomEnd;
    float StepX = 0;
    float StepY = 0;
};

// The frame of a turn of a source of Width x Height pixels (both above 0).
VEX_EXPORT TRotationFrame FrameRotation(int Width, int Height, const TRotation &Rotation);

// One destination row of a turn: white outside the columns [First, Last), and inside them copies
// of the source pixels at Start + Distances[c], an address taken in wrapping arithmetic (Start
// itself may lie outside the source).
struct TTurnedRow {
    uint8_t *Out = nullptr;
    uintptr_t Start = 0;
    int First = 0;
    int Last = 0;
};

// The samples of columns From .. To - 1 of Row.
inline void CopyTurnedSamples(const TTurnedRow &Row, const int64_t *Distances, int From, int To) {
    uint8_t *const Out = Row.Out;
    const uintptr_t Start = Row.Start;
#pragma GCC unroll 8
    for (int C = From; C < To; ++C)
        std::memcpy(Out + C * 4, reinterpret_cast<const uint8_t *>(Start + uintptr_t(Distances[C])),
                    4);
}

// How a kernel set turns rows: Rows neighbouring rows at a time, their common columns copied by
// Copy, so that a distance loaded once serves every row and several samples are stored at once.
struct TTurnGroup {
    static constexpr int MaxRows = 4;
    int Rows;
    void (*Copy)(const TTurnedRow *Rows, const int64_t *Distances, int From, int To);
};

// Fills Dest by nearest-pixel sampling of Source turned as Rotation says (Source not empty),
// Group.Rows rows at a time.
VEX_EXPORT void TurnRows(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                         const TRotation &Rotation, const TTurnGroup &Group);

// Calls Run(Pixels, Draws, Count) over all of Plane's pixels in order, rows top to bottom, in runs
// of Count pixels with a group of Grain's draws each (Draws[4 * i + c] for channel c of pixel i).
template <typename TRun>
void ForGrainRuns(const TPixelPlane &Plane, TGrainRandom &Grain, TRun &Run) {
    for (int Y = 0; Y < Plane.Height; ++Y) {
        uint8_t *const Row = Plane.Row(Y);
        for (int X = 0; X < Plane.Width;) {
            const std::span<const uint16_t> Draws = Grain.Take(Plane.Width - X);
            const int Count = int(Draws.size()) / TGrainRandom::GroupDraws;
            Run(Row + std::ptrdiff_t(X) * 4, Draws.data(), Count);
            X += Count;
        }
    }
}

// One implementation of the hot loops, for one instruction set. Planes of one call never overlap,
// except that Light and Target may be the same plane.
struct TPixelKernels {
    const char *Name;
    // Averages each 2 x 2 block into the top-left quarter, in place.
    void (*Halve)(const TPixelPlane &Plane);
    // Target channel + 2 * light channel - 256, clamped, over the area both planes cover.
    void (*Light)(const TConstPixelPlane &Light, const TPixelPlane &Target);
    // Fills Dest by nearest-pixel sampling of Source turned as Rotation says (Source not empty).
    void (*Rotate)(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                   const TRotation &Rotation);
    // Every channel plus Random(Amount) - Amount div 2, clamped; one group of draws per pixel.
    void (*Noise)(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain);
    // Running offsets per channel, walking by Random(10) - 5 within +-Amount over all rows.
    void (*RasterNoise)(const TPixelPlane &Plane, int Amount, TGrainRandom &Grain);
};

// Every set this processor runs, the baseline first and the fastest last.
VEX_EXPORT std::span<const TPixelKernels> AvailablePixelKernels();
// The set DIBFX uses: the fastest available.
VEX_EXPORT const TPixelKernels &PixelKernels();

} // namespace Vex
