// The fast row loops of every instruction set this processor runs, held byte for byte to the plain
// reference loops on random pictures of awkward sizes and strides, with sentinel bytes around and
// between the rows that neither may touch.

#include "toolkit/DIBFXRows.h"
#include "toolkit/DIBFXReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace Vex {

namespace {
constexpr uint8_t KSentinel = 0xA7;
// Bytes before the first row and after the last one.
constexpr int KMargin = 64;
constexpr int KSides[] = {1, 2, 3, 17, 124, 401};

// A plane in its own buffer: Width x Height random pixels, rows Stride bytes apart, every other
// byte a sentinel.
struct TTestPlane {
    std::vector<uint8_t> Buffer;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;

    TTestPlane(int W, int H, int Padding, unsigned Seed)
        : Width(W), Height(H), Stride(std::ptrdiff_t(W) * 4 + Padding) {
        Buffer.assign(size_t(2 * KMargin + Stride * H), KSentinel);
        std::mt19937 Gen(Seed);
        for (int Y = 0; Y < H; ++Y)
            for (int I = 0; I < W * 4; ++I)
                Plane().Row(Y)[I] = uint8_t(Gen());
    }

    TPixelPlane Plane() { return {Buffer.data() + KMargin, Stride, Width, Height}; }

    // Whether every byte outside the pixels still holds the sentinel.
    bool SentinelsKept() const {
        for (size_t I = 0; I < Buffer.size(); ++I) {
            const std::ptrdiff_t At = std::ptrdiff_t(I) - KMargin;
            const bool Pixel = At >= 0 && At < Stride * Height && At % Stride < Width * 4;
            if (!Pixel && Buffer[I] != KSentinel)
                return false;
        }
        return true;
    }
};

// Odd row paddings, so that rows start at every alignment.
int PaddingFor(int W, int H) {
    return (W + 2 * H) % 3 == 0 ? 0 : 4 * ((W + H) % 3) + 1;
}

std::string Describe(const TPixelKernels &Kernels, int W, int H) {
    return std::string(Kernels.Name) + " " + std::to_string(W) + "x" + std::to_string(H);
}

// Runs Check(Kernels, W, H) for every kernel set and size.
template <typename TCheck> void ForEveryKernelAndSize(TCheck Check) {
    for (const TPixelKernels &Kernels : AvailablePixelKernels())
        for (int W : KSides)
            for (int H : KSides)
                Check(Kernels, W, H);
}
} // namespace

TEST(DIBFXRows, HalveMatchesTheReference) {
    ForEveryKernelAndSize([](const TPixelKernels &Kernels, int W, int H) {
        TTestPlane Fast(W, H, PaddingFor(W, H), unsigned(W * 1000 + H));
        TTestPlane Plain = Fast;
        Kernels.Halve(Fast.Plane());
        Reference::Halve(Plain.Plane());
        ASSERT_EQ(Fast.Buffer, Plain.Buffer) << Describe(Kernels, W, H);
        ASSERT_TRUE(Fast.SentinelsKept()) << Describe(Kernels, W, H);
    });
}

TEST(DIBFXRows, LightMatchesTheReferenceOverTheCommonArea) {
    ForEveryKernelAndSize([](const TPixelKernels &Kernels, int W, int H) {
        // The map is in turn the target's size, narrower and shorter, and wider and taller.
        for (const auto &[LW, LH] :
             {std::pair{W, H}, {std::max(W - 2, 1), std::max(H / 2, 1)}, {W + 3, H + 1}}) {
            TTestPlane Light(LW, LH, PaddingFor(LH, LW), unsigned(W + 7 * H));
            TTestPlane Fast(W, H, PaddingFor(W, H), unsigned(W * 31 + H));
            TTestPlane Plain = Fast;
            Kernels.Light(Light.Plane(), Fast.Plane());
            Reference::Light(Light.Plane(), Plain.Plane());
            ASSERT_EQ(Fast.Buffer, Plain.Buffer)
                << Describe(Kernels, W, H) << " lit by " << LW << "x" << LH;
            ASSERT_TRUE(Fast.SentinelsKept());
        }
        // A map that is its own target.
        TTestPlane Fast(W, H, PaddingFor(W, H), unsigned(W + H));
        TTestPlane Plain = Fast;
        Kernels.Light(Fast.Plane(), Fast.Plane());
        Reference::Light(Plain.Plane(), Plain.Plane());
        ASSERT_EQ(Fast.Buffer, Plain.Buffer) << Describe(Kernels, W, H) << " lit by itself";
    });
}

TEST(DIBFXRows, LightCoversEveryPairOfBytes) {
    // Every target byte against every light byte, in one 256 x 256-pixel plane.
    TTestPlane Target(256, 256, 0, 0), Light(256, 256, 0, 0);
    for (int Y = 0; Y < 256; ++Y)
        for (int X = 0; X < 256; ++X)
            for (int C = 0; C < 4; ++C) {
                Target.Plane().Row(Y)[X * 4 + C] = uint8_t(X);
                Light.Plane().Row(Y)[X * 4 + C] = uint8_t(Y);
            }
    for (const TPixelKernels &Kernels : AvailablePixelKernels()) {
        TTestPlane Fast = Target;
        TTestPlane Plain = Target;
        Kernels.Light(Light.Plane(), Fast.Plane());
        Reference::Light(Light.Plane(), Plain.Plane());
        EXPECT_EQ(Fast.Buffer, Plain.Buffer) << Kernels.Name;
        EXPECT_EQ(Fast.Plane().Row(128)[200 * 4], 200);
        EXPECT_EQ(Fast.Plane().Row(0)[255 * 4], 0);
        EXPECT_EQ(Fast.Plane().Row(255)[1 * 4], 255);
    }
}

TEST(DIBFXRows, RotateMatchesTheReference) {
    // Quarter and odd turns, offsets, stretches, a step of exactly half a pixel per column
    // (halves round to even), huge scales that send every sample outside.
    const TRotation Turns[] = {
        {0, 0, 1, 1, 0},           {0, 90, 1, 1, 0},     {0, 30, 1, 1, 0},
        {3, -110, 1.3f, 0.8f, -2}, {0, 271, 0.5f, 2, 0}, {0, 180, 0.5f, 0.5f, 0},
        {0, 0, 0.5f, 0.5f, 0},     {1, 45, 1, 1, 1},     {0, 1e9f, 1e6f, -1e6f, 0}};
    ForEveryKernelAndSize([&](const TPixelKernels &Kernels, int W, int H) {
        TTestPlane Source(W, H, PaddingFor(H, W), unsigned(W * 3 + H));
        // The destination in turn the source's size and another one.
        for (const auto &[DW, DH] : {std::pair{W, H}, {H, std::max(W - 1, 1)}})
            for (const TRotation &Turn : Turns) {
                TTestPlane Fast(DW, DH, PaddingFor(DW, DH), 1);
                TTestPlane Plain = Fast;
                Kernels.Rotate(Source.Plane(), Fast.Plane(), Turn);
                Reference::Rotate(Source.Plane(), Plain.Plane(), Turn);
                ASSERT_EQ(Fast.Buffer, Plain.Buffer) << Describe(Kernels, W, H) << " into " << DW
                                                     << "x" << DH << " turned by " << Turn.Angle;
                ASSERT_TRUE(Fast.SentinelsKept());
            }
    });
}

TEST(DIBFXRows, RotateMatchesTheReferenceAtEveryAngle) {
    // Every direction the offsets can run in (rising, falling, level) for both axes, with the
    // runs' ends moving by less and by more than a column a row.
    TTestPlane Source(37, 29, 5, 3);
    for (const TPixelKernels &Kernels : AvailablePixelKernels())
        for (int Angle = -180; Angle < 180; Angle += 7)
            for (const float Scale : {1.0f, 2.5f, 0.3f}) {
                const TRotation Turn{Angle % 3, float(Angle) + 0.25f, Scale, 1 / Scale, Angle % 5};
                TTestPlane Fast(41, 23, 1, 4);
                TTestPlane Plain = Fast;
                Kernels.Rotate(Source.Plane(), Fast.Plane(), Turn);
                Reference::Rotate(Source.Plane(), Plain.Plane(), Turn);
                ASSERT_EQ(Fast.Buffer, Plain.Buffer)
                    << Kernels.Name << " turned by " << Turn.Angle << " scaled by " << Scale;
            }
}

TEST(DIBFXRows, RotateMatchesTheReferenceOnTheTallestPlanes) {
    // Row starts are stepped in integers up to a source height of 65536, beyond which the plain
    // loop takes over; at the limit the rounding is closest to going wrong.
    const TRotation Turns[] = {{0, 33.3f, 1, 1, 0}, {5, -71, 0.9f, 1.1f, -3}};
    for (const TPixelKernels &Kernels : AvailablePixelKernels())
        for (int H : {65536, 65537})
            for (const TRotation &Turn : Turns) {
                TTestPlane Source(3, H, 0, unsigned(H));
                TTestPlane Fast(3, H, 1, 2);
                TTestPlane Plain = Fast;
                Kernels.Rotate(Source.Plane(), Fast.Plane(), Turn);
                Reference::Rotate(Source.Plane(), Plain.Plane(), Turn);
                ASSERT_EQ(Fast.Buffer, Plain.Buffer) << Kernels.Name << " " << H;
            }
}

TEST(DIBFXRows, NoiseMatchesTheReferenceOnTheSameGrain) {
    // Amounts past 16 bits take the plain loop inside the fast one; the grain must agree too.
    ForEveryKernelAndSize([](const TPixelKernels &Kernels, int W, int H) {
        for (int Amount : {0, 1, 10, 201, 65535, 65536, -3}) {
            TTestPlane Fast(W, H, PaddingFor(W, H), unsigned(W + H + Amount));
            TTestPlane Plain = Fast;
            TGrainRandom FastGrain(unsigned(Amount * 7 + W)), PlainGrain(unsigned(Amount * 7 + W));
            Kernels.Noise(Fast.Plane(), Amount, FastGrain);
            Reference::Noise(Plain.Plane(), Amount, PlainGrain);
            ASSERT_EQ(Fast.Buffer, Plain.Buffer) << Describe(Kernels, W, H) << " amount " << Amount;
            ASSERT_TRUE(Fast.SentinelsKept());
            ASSERT_EQ(FastGrain.Random(65536), PlainGrain.Random(65536));
        }
    });
}

TEST(DIBFXRows, RasterNoiseMatchesTheReferenceOnTheSameGrain) {
    ForEveryKernelAndSize([](const TPixelKernels &Kernels, int W, int H) {
        for (int Amount : {0, 1, 6, 127, 128, 300, 32762, 32763, -2}) {
            TTestPlane Fast(W, H, PaddingFor(W, H), unsigned(W * H + Amount));
            TTestPlane Plain = Fast;
            TGrainRandom FastGrain(unsigned(Amount + H)), PlainGrain(unsigned(Amount + H));
            Kernels.RasterNoise(Fast.Plane(), Amount, FastGrain);
            Reference::RasterNoise(Plain.Plane(), Amount, PlainGrain);
            ASSERT_EQ(Fast.Buffer, Plain.Buffer) << Describe(Kernels, W, H) << " amount " << Amount;
            ASSERT_TRUE(Fast.SentinelsKept());
            ASSERT_EQ(FastGrain.Random(65536), PlainGrain.Random(65536));
        }
    });
}

TEST(DIBFXRows, RasterNoiseMatchesTheReferenceAtEveryBound) {
    // The walk's lanes and their bias change with the bound: every bound up to past the byte
    // lanes' limit, on a plane long enough for several chunks and a part of one.
    for (const TPixelKernels &Kernels : AvailablePixelKernels())
        for (int Amount = 0; Amount <= 140; ++Amount) {
            TTestPlane Fast(173, 7, 3, unsigned(Amount));
            TTestPlane Plain = Fast;
            TGrainRandom FastGrain{unsigned(Amount)}, PlainGrain{unsigned(Amount)};
            Kernels.RasterNoise(Fast.Plane(), Amount, FastGrain);
            Reference::RasterNoise(Plain.Plane(), Amount, PlainGrain);
            ASSERT_EQ(Fast.Buffer, Plain.Buffer) << Kernels.Name << " amount " << Amount;
        }
}

TEST(DIBFXRows, GrainDrawsComeInGroupsOfThree) {
    TGrainRandom Single(42), Bulk(42);
    // Take hands out whole groups where they lie, a block at most at a time; Random(65536) is the
    // draw itself.
    constexpr int Groups = 1000;
    std::vector<uint16_t> Draws;
    while (Draws.size() < size_t(4 * Groups)) {
        const std::span<const uint16_t> Taken = Bulk.Take(Groups - int(Draws.size() / 4));
        ASSERT_FALSE(Taken.empty());
        ASSERT_LE(Taken.size(), size_t(TGrainRandom::BlockDraws));
        Draws.insert(Draws.end(), Taken.begin(), Taken.end());
    }
    for (int G = 0; G < Groups; ++G)
        for (int D = 0; D < 3; ++D)
            ASSERT_EQ(Single.Random(65536), Draws[size_t(4 * G + D)]) << G << ":" << D;
    // A group begun by Random is skipped by Take.
    TGrainRandom Started(7), Whole(7);
    Started.Random(65536);
    const std::span<const uint16_t> After = Started.Take(1);
    const std::span<const uint16_t> Expected = Whole.Take(2);
    ASSERT_EQ(After.size(), 4u);
    EXPECT_TRUE(std::equal(After.begin(), After.end(), Expected.begin() + 4));
    EXPECT_TRUE(TGrainRandom(1).Take(0).empty());
    EXPECT_EQ(TGrainRandom(1).Random(0), 0);
    EXPECT_EQ(TGrainRandom(1).Random(-5), 0);
}

TEST(DIBFXRows, GrainTakesAndDrawsMixAcrossBlocks) {
    // Single draws and runs of groups taken in turn, over several blocks, see the same sequence
    // as whole groups taken alone: a group begun by single draws is left, never split.
    TGrainRandom Mixed(5), Whole(5);
    std::vector<uint16_t> Sequence;
    while (Sequence.size() < size_t(4 * TGrainRandom::BlockDraws)) {
        const std::span<const uint16_t> Taken = Whole.Take(1000);
        Sequence.insert(Sequence.end(), Taken.begin(), Taken.end());
    }
    size_t Group = 0;
    for (int Turn = 0; Group < 600; ++Turn) {
        const int Singles = Turn % 4;
        for (int D = 0; D < Singles; ++D)
            ASSERT_EQ(Mixed.Random(65536), Sequence[4 * Group + size_t(D)]) << Group;
        Group += Singles > 0 ? 1 : 0;
        const std::span<const uint16_t> Taken = Mixed.Take(Turn % 37);
        ASSERT_TRUE(std::equal(Taken.begin(), Taken.end(), Sequence.begin() + 4 * Group)) << Group;
        Group += Taken.size() / 4;
    }
}

TEST(DIBFXRows, GrainFollowsItsLaggedSum) {
    // Every draw is the sum of the draws 384 and 880 before it: the property that gives the
    // sequence its period, whichever instruction set makes the blocks.
    TGrainRandom Grain(99);
    std::vector<uint16_t> Draws;
    while (Draws.size() < size_t(3 * TGrainRandom::BlockDraws)) {
        const std::span<const uint16_t> Taken = Grain.Take(1000);
        Draws.insert(Draws.end(), Taken.begin(), Taken.end());
    }
    for (size_t I = TGrainRandom::BlockDraws; I < Draws.size(); ++I)
        ASSERT_EQ(Draws[I], uint16_t(Draws[I - 384] + Draws[I - 880])) << I;
}

TEST(DIBFXRows, GrainIsUniformAndSeededByTheProcessGenerator) {
    TGrainRandom Grain(2024);
    std::vector<int> Counts(10, 0);
    constexpr int Draws = 300000;
    for (int I = 0; I < Draws; ++I)
        ++Counts[size_t(Grain.Random(10))];
    for (int Count : Counts)
        EXPECT_NEAR(Count, Draws / 10, Draws / 200);
    // Neighbouring draws, and draws a row of grain apart, are independent: every pair of values
    // as often as any other.
    for (int Apart : {1, 300}) {
        std::vector<int16_t> Values(Draws);
        for (int16_t &Value : Values)
            Value = int16_t(Grain.Random(6));
        std::vector<int> Pairs(36, 0);
        for (size_t I = size_t(Apart); I < Values.size(); ++I)
            ++Pairs[size_t(6 * Values[I - size_t(Apart)] + Values[I])];
        for (int Count : Pairs)
            EXPECT_NEAR(Count, Draws / 36, Draws / 36 / 10) << Apart;
    }

    // Two draws of the process-wide generator seed it: the same seed, the same grain.
    SetRandSeed(5);
    TGrainRandom First = TGrainRandom::FromProcessRandom();
    const uint32_t After = RandSeed();
    SetRandSeed(5);
    Random(1);
    Random(1);
    EXPECT_EQ(RandSeed(), After);
    SetRandSeed(5);
    TGrainRandom Again = TGrainRandom::FromProcessRandom();
    TGrainRandom Other(123);
    bool Differs = false;
    for (int I = 0; I < 100; ++I) {
        const int Draw = First.Random(65536);
        ASSERT_EQ(Draw, Again.Random(65536));
        Differs |= Draw != Other.Random(65536);
    }
    EXPECT_TRUE(Differs);
}

} // namespace Vex
