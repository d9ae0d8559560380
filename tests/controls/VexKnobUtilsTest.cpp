#include "controls/VexKnobUtils.h"
#include "platform/graphics/Bitmap.h"

#include <QMetaEnum>
#include <gtest/gtest.h>
#include <numbers>

namespace Vex {

namespace {
constexpr float KUpperLeft = float(3 * std::numbers::pi / 4);

// A 200 x 200 map (centre (100, 100), radius 100 pixels) filled with a level no relief gives,
// so that pixels left untouched show.
struct SurfaceMap : ::testing::Test {
    TBitmap Map{200, 200};
    void SetUp() override { Map.Fill(RGB(7, 7, 7)); }
    void Render(TKnobSurfaceType Type, int Contrast = 128, float Light = KUpperLeft) {
        RenderSurfaceAlpha(Map, Contrast, Type, Light);
    }
    int Level(int X, int Y) const { return GetRValue(Map.Pixel(X, Y)); }
};

TKnobSurfaceType SurfaceType(int Index) {
    return TKnobSurfaceType(QMetaEnum::fromType<TKnobSurfaceType>().value(Index));
}
} // namespace

TEST_F(SurfaceMap, EveryTypeIsNeutralAtTheCentreAndOutsideTheDisc) {
    const int Count = QMetaEnum::fromType<TKnobSurfaceType>().keyCount();
    ASSERT_EQ(Count, 16);
    for (int I = 0; I < Count; ++I) {
        Map.Fill(RGB(7, 7, 7));
        Render(SurfaceType(I), 300);
        EXPECT_EQ(Map.Pixel(100, 100), RGB(128, 128, 128)) << I;
        EXPECT_EQ(Map.Pixel(0, 0), RGB(128, 128, 128)) << I;
        EXPECT_EQ(Map.Pixel(199, 199), RGB(128, 128, 128)) << I;
        EXPECT_EQ(Map.Pixel(172, 172), RGB(128, 128, 128)) << I; // r = 1.02
    }
}

TEST_F(SurfaceMap, FlatTypesLeaveNothingOfAnEarlierMap) {
    Render(kstMetal);
    for (TKnobSurfaceType Type : {kstNone, kstStandard, kstGrip}) {
        Render(kstSphere);
        Render(Type);
        for (int Y = 0; Y < 200; Y += 3)
            for (int X = 0; X < 200; X += 3)
                ASSERT_EQ(Map.Pixel(X, Y), RGB(128, 128, 128)) << Type << " " << X << "," << Y;
    }
}

TEST_F(SurfaceMap, DiscRimIsLitFromTheUpperLeft) {
    Render(kstDisc);
    // The inner 70 % of the radius is neutral.
    for (int D : {1, 30, 49, 69}) {
        EXPECT_EQ(Level(100 + D, 100), 128) << D;
        EXPECT_EQ(Level(100, 100 - D), 128) << D;
    }
    // r = 0.99 at 45 degrees: full light at the upper left, none at the lower right, level
    // light (128) across the other diagonal.
    EXPECT_EQ(Level(30, 30), 255);
    EXPECT_EQ(Level(170, 170), 0);
    EXPECT_EQ(Level(170, 30), 128);
    EXPECT_EQ(Level(30, 170), 128);
    // Straight left and up are half lit: 128 + round(128 sin 45).
    EXPECT_EQ(Level(10, 100), 219);
    EXPECT_EQ(Level(100, 10), 219);
}

TEST_F(SurfaceMap, MetalRingsAreCentredOn64AndTheTestRingOn128) {
    // (169, 31) lies at r = 0.976 on the ring, where the light is level.
    Render(kstMetal);
    EXPECT_EQ(Level(169, 31), 64);
    EXPECT_EQ(Level(30, 30), 192);
    Render(kstMetal2);
    EXPECT_EQ(Level(169, 31), 64);
    Render(kstTest);
    EXPECT_EQ(Map.Pixel(169, 31), RGB(128, 128, 128));
    // Inside the ring the test pattern gives each channel its own value somewhere.
    int Coloured = 0;
    for (int X = 20; X < 180; ++X) {
        const TColor C = Map.Pixel(X, 60);
        Coloured += GetRValue(C) != GetGValue(C) && GetGValue(C) != GetBValue(C);
    }
    EXPECT_GT(Coloured, 40);
}

TEST_F(SurfaceMap, ConicWithoutContrastShowsOnlyItsRings) {
    Render(kstConic, 0);
    EXPECT_EQ(Level(105, 100), 128); // r = 0.05: the hub
    EXPECT_EQ(Level(141, 100), 127); // r = 0.41: the dark ring
    EXPECT_EQ(Level(145, 100), 128); // r = 0.45
    EXPECT_EQ(Level(160, 100), 128); // r = 0.6
    // The ripple zone: 128 sin(100 r), clamped at 0.
    EXPECT_EQ(Level(120, 100), 117); // r = 0.2
    EXPECT_EQ(Level(130, 100), 0);   // r = 0.3
    for (int X = 110; X < 140; ++X)
        EXPECT_LE(Level(X, 100), 128) << X;
}

TEST_F(SurfaceMap, AmplifierPoleSaturatesInsteadOfOverflowing) {
    // r = 0.5 exactly on the axes, where tan(pi r) has its pole; with this contrast the product
    // is far beyond any integer. The light decides the sign: bright right and down, dark left
    // and up.
    for (int Contrast : {128, 100000, -7}) {
        Render(kstAmplifier, Contrast);
        const int Bright = Contrast > 0 ? 255 : 0;
        EXPECT_EQ(Level(150, 100), Bright) << Contrast;
        EXPECT_EQ(Level(100, 150), Bright) << Contrast;
        EXPECT_EQ(Level(50, 100), 255 - Bright) << Contrast;
        EXPECT_EQ(Level(100, 50), 255 - Bright) << Contrast;
        // Inside half the radius the face is left as it is.
        EXPECT_EQ(Level(149, 100), 128) << Contrast;
    }
}

TEST(SurfaceMapSizes, TinyAndOddMapsAreSafe) {
    for (auto [W, H] : {std::pair{0, 0}, {1, 1}, {1, 5}, {2, 2}, {3, 2}, {5, 5}}) {
        TBitmap Map(W, H);
        Map.Fill(RGB(7, 7, 7));
        for (int I = 0; I < 16; ++I)
            RenderSurfaceAlpha(Map, 128, SurfaceType(I), KUpperLeft);
        if (W == 1 || H == 1) {
            EXPECT_EQ(Map.Pixel(0, 0), RGB(128, 128, 128)) << W << "x" << H;
        }
    }
}

} // namespace Vex
