#include "controls/VexButton.h"
#include "controls/VexDBLabel.h"
#include "controls/VexGauge.h"
#include "framework/FrameworkTestUtil.h"

#include <QApplication>
#include <QScreen>
#include <cmath>
#include <gtest/gtest.h>

namespace Vex {

namespace {
// These cases need a screen of pixel ratio 2: CTest runs them once more with QT_SCALE_FACTOR=2.
#define REQUIRE_RATIO_2()                                                                          \
    if (QGuiApplication::primaryScreen()->devicePixelRatio() != 2)                                 \
    GTEST_SKIP() << "needs a screen of pixel ratio 2 (QT_SCALE_FACTOR=2)"

// 2 x 2 blocks of the picture that are not one colour: a picture rendered at control
// resolution and scaled up has none.
int DetailedBlocks(const QImage &Image) {
    int Count = 0;
    for (int Y = 0; Y + 1 < Image.height(); Y += 2)
        for (int X = 0; X + 1 < Image.width(); X += 2) {
            const QRgb P = Image.pixel(X, Y);
            Count += Image.pixel(X + 1, Y) != P || Image.pixel(X, Y + 1) != P ||
                     Image.pixel(X + 1, Y + 1) != P;
        }
    return Count;
}

QImage Grab(QWidget &W) {
    return W.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

TEST(HighDensity, AGaugeRendersAtDevicePixelsWithoutHalvingAndOnlyOnce) {
    REQUIRE_RATIO_2();
    QWidget Form;
    TVexGauge G(&Form);
    G.SetBounds(0, 0, 161, 161);
    Grab(G);              // the first paint makes it ready, with a round face
    G.SetCircular(false); // the whole square is the gauge's own
    const QImage Shown = Grab(G);
    EXPECT_EQ(G.PixelRatio(), 2.0);
    // Face and surface at device size: the double-size rendering is the device picture.
    EXPECT_EQ(G.Face().Width(), 322);
    EXPECT_EQ(G.Buffer().Width(), 322);
    EXPECT_EQ(G.Buffer().Height(), 322);
    ASSERT_EQ(Shown.size(), QSize(322, 322));
    // Copied one to one: the top rows, clear of needle and value text, are the surface's.
    EXPECT_EQ(Shown.copy(0, 0, 322, 60), G.Buffer().Image().copy(0, 0, 322, 60));
    // Ticks and labels have detail finer than a control pixel.
    EXPECT_GT(DetailedBlocks(Shown.copy(0, 0, 322, 150)), 1000);
    // The needle in device pixels: atSharp's tip at ArrowLenght times the face's half-height.
    const TPoint Tip = G.ArrowPoints()[2];
    EXPECT_NEAR(std::hypot(Tip.X - 161, Tip.Y - 161), 161 * 0.774, 1.5);

    // A second paint at rest rebuilds nothing: face and surface are untouched.
    const qint64 FaceKey = G.Face().Image().cacheKey();
    const qint64 BufferKey = G.Buffer().Image().cacheKey();
    EXPECT_EQ(Grab(G), Shown);
    EXPECT_EQ(G.Face().Image().cacheKey(), FaceKey);
    EXPECT_EQ(G.Buffer().Image().cacheKey(), BufferKey);
    // A moving needle rebuilds nothing either; a property change does.
    G.SetFloat(50);
    Ticks(5);
    Grab(G);
    EXPECT_EQ(G.Buffer().Image().cacheKey(), BufferKey);
    G.SetTickColor(clRed);
    EXPECT_NE(G.Buffer().Image().cacheKey(), BufferKey);
}

TEST(HighDensity, ARoundGaugeKeepsItsOutlineInControlPixels) {
    REQUIRE_RATIO_2();
    QWidget Form;
    TVexGauge G(&Form);
    G.SetBounds(0, 0, 161, 161);
    Grab(G);
    EXPECT_TRUE(G.Circular());
    EXPECT_FALSE(G.HitTest(3, 3));
    EXPECT_TRUE(G.HitTest(80, 80));
    EXPECT_EQ(G.WindowRegion().Box(), Rect(0, 0, 161, 161));
}

TEST(HighDensity, ButtonAndLabelDrawTheirBuffersAtDeviceSize) {
    REQUIRE_RATIO_2();
    for (const bool HighRes : {true, false}) {
        QWidget Form;
        TVexButton B(&Form);
        B.SetBounds(0, 0, 120, 24);
        B.SetHighRes(HighRes);
        B.SetCaption(QStringLiteral("MARCH"));
        const QImage Shown = Grab(B);
        EXPECT_EQ(B.Buffer().Width(), 240);
        EXPECT_EQ(B.Buffer().Height(), 48);
        EXPECT_EQ(Shown, B.Buffer().Image().convertToFormat(QImage::Format_RGB32));
        EXPECT_GT(DetailedBlocks(Shown), 20);

        TVexDBLabel L(&Form);
        L.SetHighRes(HighRes);
        L.SetBounds(0, 0, 200, 20);
        L.SetText({QStringLiteral("Typed")});
        const int OneLine = L.Height();
        for (int I = 0; I < 6; ++I)
            Grab(L);
        EXPECT_EQ(L.Buffer().Width(), 400);
        EXPECT_EQ(L.Buffer().Height(), 2 * OneLine);
        // One line high, the drawing font's line in device pixels.
        EXPECT_EQ(L.LineHeight(), 2 * OneLine);
        EXPECT_GT(DetailedBlocks(Grab(L)), 10);
    }
}

} // namespace Vex
