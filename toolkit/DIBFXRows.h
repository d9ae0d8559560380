#pragma once
// The engines behind DIBFX's per-frame routines: halving, lighting, turning and grain, each run
// over whole rows in fixed blocks of pixels with integer arithmetic and no branch inside a block,
// so that the compiler turns every block into vector instructions (turning, which copies single
// pixels from scattered places, into unrolled copies). They work on planes (a pointer, a stride
// and a size) rather than on bitmaps, so that any row layout can be checked against the plain
// loops of DIBFXReference, which define their output byte for byte.

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

// The grain generator: 32 xorshift sequences advanced side by side, so that a block of draws costs
// a few vector instructions. Draws are 16 bits and come in groups of three, one per colour channel
// of a pixel: a group is two 32-bit words (four 16-bit draws in memory order, the fourth unused),
// so that a row of groups lines up with a row of pixels.
class VEX_EXPORT TGrainRandom {
public:
    static constexpr int Lanes = 32;
    static constexpr int BlockWords = 8 * Lanes;
    static constexpr int WordsPerGroup = 2;
    static constexpr int DrawsPerGroup = 3;

    explicit TGrainRandom(uint32_t Seed);
    // Seeded by two draws of the process-wide generator, so a seeded run repeats its grain.
    static TGrainRandom FromProcessRandom();

    // The next draw scaled to 0 .. N - 1 (0 for N <= 0): (draw * N) >> 16. Above 65536, N's
    // range is still covered evenly, but by 65536 of its values only.
    int Random(int N) {
        if (FNextWord == BlockWords)
            Refill();
        uint16_t Draw;
        std::memcpy(&Draw, reinterpret_cast<const uint8_t *>(FWords + FNextWord) + 2 * FNextDraw,
                    sizeof Draw);
        if (++FNextDraw == DrawsPerGroup) {
            FNextDraw = 0;
            FNextWord += WordsPerGroup;
        }
        return N <= 0 ? 0 : int((uint64_t(Draw) * uint32_t(N)) >> 16);
    }

    // Copies the four draws of each of the next Groups groups to Draws. A group begun by Random
    // is left.
    [[gnu::always_inline]] void Fill(uint16_t *Draws, int Groups) {
        if (FNextDraw != 0) {
            FNextDraw = 0;
            FNextWord += WordsPerGroup;
        }
        // Mostly the block holds them all: one copy, of a size known where Groups is.
        if (Groups <= BlockWords / WordsPerGroup &&
            FNextWord + WordsPerGroup * Groups <= BlockWords) {
            std::memcpy(Draws, FWords + FNextWord, sizeof(uint32_t) * WordsPerGroup * Groups);
            FNextWord += WordsPerGroup * Groups;
            return;
        }
        while (Groups > 0) {
            if (FNextWord == BlockWords)
                Refill();
            const int Take = std::min(Groups, (BlockWords - FNextWord) / WordsPerGroup);
            std::memcpy(Draws, FWords + FNextWord, sizeof(uint32_t) * WordsPerGroup * Take);
            Draws += 4 * Take;
            FNextWord += WordsPerGroup * Take;
            Groups -= Take;
        }
    }

private:
    static uint32_t Step(uint32_t X) {
        X ^= X << 13;
        X ^= X >> 17;
        X ^= X << 5;
        return X;
    }

    // Every word follows the one Lanes words before it, the first ones the last of the previous
    // block: a dependence distance the vectoriser can span.
    [[gnu::always_inline]] void Refill() {
        for (int I = 0; I < Lanes; ++I)
            FWords[I] = Step(FWords[BlockWords - Lanes + I]);
        for (int I = Lanes; I < BlockWords; ++I)
            FWords[I] = Step(FWords[I - Lanes]);
        FNextWord = 0;
    }

    alignas(32) uint32_t FWords[BlockWords] = {};
    int FNextWord = BlockWords;
    int FNextDraw = 0;
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
// of the way to TopStart; the bottom row runs toward BottomEnd, reached after Width columns.
struct TRotationFrame {
    int Width = 0;
    int Height = 0;
    int F = 0;
    int G = 0;
    TPoint Start, TopStart, BottomEnd;
};

// The frame of a turn of a source of Width x Height pixels (both above 0).
VEX_EXPORT TRotationFrame FrameRotation(int Width, int Height, const TRotation &Rotation);

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
