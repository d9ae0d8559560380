#include "controls/KnobTestUtil.h"
#include "controls/VexButton.h"
#include "controls/VexCylinderGauge.h"
#include "controls/VexDBLabel.h"
#include "controls/VexGauge.h"
#include "controls/VexLCD.h"
#include "controls/VexMatrix.h"
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

// The top-left part of a surface that the control shows, as a grab gives it.
QImage Shown(const TBitmap &Surface, QSize Size) {
    return Surface.Image().copy(QRect(QPoint(0, 0), Size)).convertToFormat(QImage::Format_RGB32);
}

// Pixels whose colour differs from Color, as their bounding rectangle (inclusive corners).
QRect Extent(const QImage &Image, QRgb Color) {
    QRect Box;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) != Color)
                Box |= QRect(X, Y, 1, 1);
    return Box;
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

TEST(HighDensity, AKnobDrawsItsDoubleSizePicturesAsTheScreenPicture) {
    REQUIRE_RATIO_2();
    QWidget Form;
    TVexKnob K(&Form);
    int AlphaRenders = 0, BackgroundRenders = 0;
    QObject::connect(&K, &TVexKnob::OnAfterRenderAlpha, [&] { ++AlphaRenders; });
    QObject::connect(&K, &TVexKnob::OnAfterRenderBackground, [&] { ++BackgroundRenders; });
    MakePlainKnob(K, clRed);
    const QImage First = Grab(K);
    EXPECT_EQ(BackgroundRenders, 1);
    // Face, shading map and composite at the double size of a 100-pixel knob, none halved; the
    // background layer at device size.
    EXPECT_EQ(K.MaskBitmap().Width(), 124);
    EXPECT_EQ(K.AlphaBitmap().Width(), 124);
    EXPECT_EQ(K.KnobBitmap().Width(), 124);
    EXPECT_EQ(K.Buffer().Width(), 200);
    EXPECT_EQ(K.Buffer().Height(), 200);
    ASSERT_EQ(First.size(), QSize(200, 200));
    EXPECT_EQ(First, Shown(K.Buffer(), QSize(200, 200)));
    // The knob's square at twice the control's offset of 19, its last device column and row
    // keyed like the one pixel at ordinary resolution.
    EXPECT_EQ(Extent(First, qRgb(255, 255, 255)), QRect(QPoint(38, 38), QPoint(160, 160)));
    EXPECT_EQ(First.pixel(100, 100), qRgb(255, 0, 0));

    // Paints at rest and turning frames compose the knob but rebuild no picture.
    const qint64 MaskKey = K.MaskBitmap().Image().cacheKey();
    const qint64 AlphaKey = K.AlphaBitmap().Image().cacheKey();
    K.SetIndicatorType(itRectangle);
    EXPECT_EQ(BackgroundRenders, 2);
    const QImage AtRest = Grab(K);
    EXPECT_EQ(Grab(K), AtRest);
    K.SetFloat(60);
    Ticks(10);
    EXPECT_NE(Grab(K), AtRest);
    EXPECT_EQ(AlphaRenders, 2);
    EXPECT_EQ(BackgroundRenders, 2);
    EXPECT_NE(K.MaskBitmap().Image().cacheKey(), MaskKey); // rebuilt by the indicator
    const qint64 Rebuilt = K.MaskBitmap().Image().cacheKey();
    Grab(K);
    EXPECT_EQ(K.MaskBitmap().Image().cacheKey(), Rebuilt);
    EXPECT_NE(K.AlphaBitmap().Image().cacheKey(), AlphaKey);
}

TEST(HighDensity, AnLCDKeepsItsDoubleSizeSurfaceUnhalved) {
    REQUIRE_RATIO_2();
    QWidget Form;
    TVexLCD L(&Form);
    L.SetBounds(0, 0, 360, 100);
    const QImage First = Grab(L);
    // The geometry and cells of an ordinary screen's double-size surface, which is now the
    // screen's picture itself.
    EXPECT_EQ(L.Buffer().Width(), 720);
    EXPECT_EQ(L.Buffer().Height(), 200);
    EXPECT_EQ(L.Geometry(), (TVexLCD::TGeometry{160, 80, 16, 3, 6, 20}));
    EXPECT_EQ(L.CellLefts(), (std::vector<int>{400, 440, 536, 632}));
    ASSERT_EQ(First.size(), QSize(720, 200));
    EXPECT_EQ(First, Shown(L.Buffer(), QSize(720, 200)));
    // Unhalved: the decimal point (double-size 501 .. 517 by 164 .. 180) is solid black to its
    // edges.
    EXPECT_EQ(Extent(First.copy(501, 164, 16, 16), qRgb(0, 0, 0)), QRect());
    EXPECT_NE(First.pixel(500, 170), qRgb(0, 0, 0));

    const qint64 Key = L.Buffer().Image().cacheKey();
    EXPECT_EQ(Grab(L), First);
    EXPECT_EQ(L.Buffer().Image().cacheKey(), Key);
    L.SetValue(1);
    EXPECT_NE(L.Buffer().Image().cacheKey(), Key);
}

TEST(HighDensity, AMatrixScalesItsDotsByTheRatio) {
    REQUIRE_RATIO_2();
    QWidget Form;
    TVexMatrix M(&Form);
    M.SetText(QStringLiteral("V"));
    M.SetLightBrightness(0);
    const QImage First = Grab(M);
    EXPECT_EQ(M.Buffer().Width(), 620);
    EXPECT_EQ(M.Buffer().Height(), 68);
    // 6-pixel dots 2 apart, cells every 44 pixels from 6: the ordinary line, doubled, with as
    // many cells.
    EXPECT_EQ(M.GlyphWidth(), 38);
    EXPECT_EQ(M.GlyphHeight(), 54);
    EXPECT_EQ(M.GlyphBitmap(M.GlyphIndex('V'))->Width(), 38);
    ASSERT_EQ(M.Cells().size(), 14u);
    EXPECT_EQ(M.Cells()[0], (TVexMatrix::TCell{6, M.GlyphIndex('V')}));
    EXPECT_EQ(M.Cells()[13].X, 6 + 13 * 44);
    ASSERT_EQ(First.size(), QSize(620, 68));
    EXPECT_EQ(First, Shown(M.Buffer(), QSize(620, 68)));
    // V's top-left dot is lit: black over device pixels 6 .. 11 of row 6 .. 11, background next.
    EXPECT_EQ(Extent(First.copy(6, 6, 6, 6), qRgb(0, 0, 0)), QRect());
    EXPECT_NE(First.pixel(12, 8), qRgb(0, 0, 0));

    // A paint at rest composes the line from the same glyphs.
    const qint64 Glyph = M.GlyphBitmap(M.GlyphIndex('V'))->Image().cacheKey();
    EXPECT_EQ(Grab(M), First);
    EXPECT_EQ(M.GlyphBitmap(M.GlyphIndex('V'))->Image().cacheKey(), Glyph);
}

TEST(HighDensity, ADrumIsTheOrdinaryDrumShownWithoutTheReduction) {
    REQUIRE_RATIO_2();
    QWidget Form;
    TVexCylinderGauge D(&Form);
    const QImage First = Grab(D);
    // The drum of a 40 x 150 drum counter, its font and scale as on an ordinary screen.
    EXPECT_EQ(D.Drum().Width(), 80);
    EXPECT_EQ(D.Drum().Height(), 424);
    EXPECT_EQ(D.DrumFont().Size(), 32);
    EXPECT_EQ(D.DrumOrigin(), 210);
    ASSERT_EQ(D.Labels().size(), 6u);
    EXPECT_EQ(D.Labels()[1].Y, 250);
    EXPECT_EQ(D.Buffer().Width(), 80);
    EXPECT_EQ(D.Buffer().Height(), 300);
    ASSERT_EQ(First.size(), QSize(80, 300));
    // The bent drum's top rows, one to one.
    EXPECT_EQ(First, Shown(D.Drum(), QSize(80, 300)));

    // A paint at rest draws nothing again; a roll does.
    const qint64 DrumKey = D.Drum().Image().cacheKey();
    const qint64 BufferKey = D.Buffer().Image().cacheKey();
    EXPECT_EQ(Grab(D), First);
    EXPECT_EQ(D.Drum().Image().cacheKey(), DrumKey);
    EXPECT_EQ(D.Buffer().Image().cacheKey(), BufferKey);
    D.SetPosition(100);
    Ticks(3);
    EXPECT_NE(Grab(D), First);
    EXPECT_NE(D.Drum().Image().cacheKey(), DrumKey);
}

} // namespace Vex
