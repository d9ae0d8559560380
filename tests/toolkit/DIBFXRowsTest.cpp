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
        for (int Amount : {0, 1, 6, 300, 32762, 32763, -2}) {
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

TEST(DIBFXRows, GrainDrawsComeInGroupsOfThree) {
    TGrainRandom Single(42), Bulk(42);
    // Random(65536) is the draw itself.
    std::vector<uint16_t> Draws(4 * 500);
    Bulk.Fill(Draws.data(), 500);
    for (int G = 0; G < 500; ++G)
        for (int D = 0; D < 3; ++D)
            ASSERT_EQ(Single.Random(65536), Draws[size_t(4 * G + D)]) << G << ":" << D;
    // A group begun by Random is left whole by Fill.
    TGrainRandom Started(7), Whole(7);
    Started.Random(65536);
    uint16_t After[4], Expected[8];
    Started.Fill(After, 1);
    Whole.Fill(Expected, 2);
    EXPECT_TRUE(std::equal(After, After + 4, Expected + 4));
    EXPECT_EQ(TGrainRandom(1).Random(0), 0);
    EXPECT_EQ(TGrainRandom(1).Random(-5), 0);
}

TEST(DIBFXRows, GrainIsUniformAndSeededByTheProcessGenerator) {
    TGrainRandom Grain(2024);
    std::vector<int> Counts(10, 0);
    constexpr int Draws = 300000;
    for (int I = 0; I < Draws; ++I)
        ++Counts[size_t(Grain.Random(10))];
    for (int Count : Counts)
        EXPECT_NEAR(Count, Draws / 10, Draws / 200);

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
