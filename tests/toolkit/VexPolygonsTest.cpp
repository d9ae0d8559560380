#include "toolkit/VexPolygons.h"

#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"
#include "toolkit/DIBFX.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace Vex {

namespace {
// A white surface whose canvas writes black 14-pixel text.
void PrepareSurface(TBitmap &B) {
    B.Fill(clWhite);
    B.Canvas().Font.Name = QStringLiteral("Arial");
    B.Canvas().Font.Height = -14;
    B.Canvas().Font.Color = clBlack;
    B.Canvas().Pen.Color = clBlack;
}

int CountColor(const TBitmap &B, TColor C) {
    int N = 0;
    for (int Y = 0; Y < B.Height(); ++Y)
        for (int X = 0; X < B.Width(); ++X)
            N += B.Pixel(X, Y) == C;
    return N;
}

// The bounding box of the non-white pixels inside Area (empty when there are none).
TRect InkBox(const TBitmap &B, const TRect &Area) {
    TRect Box{Area.Right, Area.Bottom, Area.Left, Area.Top};
    for (int Y = Area.Top; Y < Area.Bottom; ++Y)
        for (int X = Area.Left; X < Area.Right; ++X)
            if (B.Pixel(X, Y) != clWhite) {
                Box = {std::min(Box.Left, X), std::min(Box.Top, Y), std::max(Box.Right, X + 1),
                       std::max(Box.Bottom, Y + 1)};
            }
    return Box;
}

void ExpectInkCentredOn(const TBitmap &B, const TRect &Area, TPoint Anchor) {
    const TRect Box = InkBox(B, Area);
    ASSERT_FALSE(Box.IsEmpty()) << "no text near " << Anchor.X << "," << Anchor.Y;
    EXPECT_NEAR((Box.Left + Box.Right) / 2.0, Anchor.X, 3.0);
    EXPECT_NEAR((Box.Top + Box.Bottom) / 2.0, Anchor.Y, 3.0);
}

// The reference for an unrotated label: the text's cell centred on Anchor.
void CentredText(TBitmap &B, TPoint Anchor, const QString &Text) {
    TCanvas &C = B.Canvas();
    C.TextOut(Anchor.X - C.TextWidth(Text) / 2, Anchor.Y - C.TextHeight(Text) / 2, Text);
}
} // namespace

TEST(VexPolygons, DrawShapeFillsTheShapeAtTheOrigin) {
    TBitmap B(40, 40);
    PrepareSurface(B);
    B.Canvas().Pen.Color = clRed;
    B.Canvas().Brush.Color = clBlue;
    const TVexShape Hexagon{{{0, -6}, {6, -3}, {6, 3}, {0, 6}, {-6, 3}, {-6, -3}}};
    DrawShape(B.Canvas(), Point(25, 20), Hexagon);
    EXPECT_EQ(B.Pixel(25, 20), clBlue);
    EXPECT_EQ(B.Pixel(25, 14), clRed);
    EXPECT_EQ(B.Pixel(1, 1), clWhite); // nothing at the shape's own coordinates
    EXPECT_EQ(B.Pixel(25, 10), clWhite);
    EXPECT_EQ(Hexagon[0], Point(0, -6)); // the caller's shape is not moved
}

TEST(VexPolygons, DarkenRegionClampsToTheLastRowButNotTheLastColumn) {
    TBitmap B(10, 8);
    B.Fill(RGB(200, 100, 51));
    DarkenRegion(B, TRegion::CreateRect(0, 0, 10, 8), Rect(-3, -3, 15, 15));
    for (int Y = 0; Y < 8; ++Y) {
        for (int X = 0; X < 9; ++X)
            ASSERT_EQ(B.Pixel(X, Y), RGB(100, 50, 25)) << X << "," << Y;
        ASSERT_EQ(B.Pixel(9, Y), RGB(200, 100, 51)) << Y;
    }

    TBitmap Empty;
    DarkenRegion(Empty, TRegion::CreateRect(0, 0, 10, 8), Rect(0, 0, 10, 8));
    EXPECT_TRUE(Empty.Empty());
}

TEST(VexPolygons, DarkenRegionStaysInsideTheRegion) {
    TBitmap B(30, 30);
    B.Fill(clWhite);
    const TRegion Disc = TRegion::CreateEllipse(5, 5, 25, 25);
    DarkenRegion(B, Disc, Disc.Box());
    EXPECT_EQ(B.Pixel(15, 15), RGB(127, 127, 127));
    for (int Y = 0; Y < 30; ++Y)
        for (int X = 0; X < 30; ++X)
            ASSERT_EQ(B.Pixel(X, Y) != clWhite, Disc.Contains(X, Y)) << X << "," << Y;
}

TEST(VexPolygons, FillOutsideEllipseMarksOnlyTheCorners) {
    TBitmap B(40, 40);
    B.Fill(clWhite);
    FillOutsideEllipse(Rect(0, 0, 40, 40), B.Canvas());
    EXPECT_EQ(B.Pixel(0, 0), TColor(0x112233));
    EXPECT_EQ(B.Pixel(39, 0), TColor(0x112233));
    EXPECT_EQ(B.Pixel(0, 39), TColor(0x112233));
    EXPECT_EQ(B.Pixel(39, 39), TColor(0x112233));
    EXPECT_EQ(B.Pixel(20, 20), clWhite);
    EXPECT_EQ(B.Pixel(20, 1), clWhite);
    EXPECT_EQ(B.Canvas().Brush.Color, TColor(0x112233));

    // Away from the origin the mask is still the inscribed ellipse's.
    B.Fill(clWhite);
    FillOutsideEllipse(Rect(-20, -20, 20, 20), B.Canvas());
    EXPECT_EQ(B.Pixel(15, 15), TColor(0x112233));
    EXPECT_EQ(B.Pixel(5, 5), clWhite);
    EXPECT_EQ(B.Pixel(25, 25), clWhite); // outside the rectangle
}

TEST(VexPolygons, DrawTicksRunsFromTheEndAngleToTheStartAngle) {
    TBitmap B(100, 100);
    PrepareSurface(B);
    // Radius 80 % of 50 pixels: outer ends at 40 pixels, inner ends at 30.
    DrawTicks(B, 10, 1, 80, 3, 180, 0);
    // Each tick covers its outer end and the nine pixels inward; the line leaves out its inner
    // end at radius 30.
    for (int I = -1; I <= 10; ++I) {
        const TColor Ink = I >= 0 && I < 10 ? clBlack : clWhite;
        EXPECT_EQ(B.Pixel(90 - I, 50), Ink) << I; // 0 degrees
        EXPECT_EQ(B.Pixel(50, 10 + I), Ink) << I; // 90 degrees, upwards
        EXPECT_EQ(B.Pixel(10 + I, 50), Ink) << I; // 180 degrees
    }
    EXPECT_EQ(CountColor(B, clBlack), 30);
    // The last tick drawn is the one at the start angle.
    EXPECT_EQ(B.Canvas().PenPos(), Point(20, 50));
}

TEST(VexPolygons, DrawTicksOnANarrowBitmapMeasureTheRadiusAgainstItsWidth) {
    // 30 x 36, centre (15, 18); the radius is 80 % of 15 pixels, 12, and the ticks 4 long.
    TBitmap B(30, 36);
    PrepareSurface(B);
    DrawTicks(B, 4, 1, 80, 2, 90, 0);
    for (int Y = 0; Y < 36; ++Y)
        for (int X = 0; X < 30; ++X) {
            const bool AtEnd = Y == 18 && X >= 24 && X <= 27; // 0 degrees, drawn first
            const bool AtStart = X == 15 && Y >= 6 && Y <= 9; // 90 degrees, drawn last
            ASSERT_EQ(B.Pixel(X, Y), AtEnd || AtStart ? clBlack : clWhite) << X << "," << Y;
        }
    EXPECT_EQ(B.Canvas().PenPos(), Point(15, 10));
}

TEST(VexPolygons, DrawTicksSingleTickStandsAtTheStartAngle) {
    TBitmap B(100, 100);
    PrepareSurface(B);
    DrawTicks(B, 10, 1, 80, 1, 90, 0);
    EXPECT_EQ(CountColor(B, clBlack), 10);
    EXPECT_EQ(B.Pixel(50, 10), clBlack);

    B.Fill(clWhite);
    DrawTicks(B, 10, 1, 80, 0, 90, 0);
    EXPECT_EQ(CountColor(B, clBlack), 0);
}

TEST(VexPolygons, DrawScaleNumbersCentresNumbersOnTheArc) {
    TBitmap B(120, 120);
    PrepareSurface(B);
    B.Canvas().Brush.Color = clYellow;
    // Radius 0.8 of 60 pixels: the anchors lie 48 pixels from the centre (60, 60).
    DrawScaleNumbers(B, 3, QStringLiteral("0"), 0, 100, 225, -45, 0.8f, 0, false);
    EXPECT_EQ(B.Canvas().Brush.Style, bsClear);
    EXPECT_EQ(CountColor(B, clYellow), 0);
    ExpectInkCentredOn(B, Rect(0, 60, 60, 120), Point(26, 94));
    ExpectInkCentredOn(B, Rect(0, 0, 120, 40), Point(60, 12));
    ExpectInkCentredOn(B, Rect(60, 60, 120, 120), Point(94, 94));

    TBitmap Expected(120, 120);
    PrepareSurface(Expected);
    CentredText(Expected, Point(26, 94), FormatFloat(QStringLiteral("0"), 0));
    CentredText(Expected, Point(60, 12), FormatFloat(QStringLiteral("0"), 50));
    CentredText(Expected, Point(94, 94), FormatFloat(QStringLiteral("0"), 100));
    EXPECT_EQ(B.Image(), Expected.Image());
}

TEST(VexPolygons, DrawScaleNumbersDividesTheStepBeforeMultiplying) {
    // -10 + 3.5 / 10 * 7 lies just above -7.55, -10 + 3.5 * 7 / 10 just below it.
    ASSERT_EQ(FormatFloat(QStringLiteral("0.0"), -10 + 3.5 / 10 * 7), QStringLiteral("-7.6"));
    ASSERT_EQ(FormatFloat(QStringLiteral("0.0"), -10 + 3.5 * 7 / 10), QStringLiteral("-7.5"));
    const QStringList Labels{"-10.0", "-9.7", "-9.3", "-8.9", "-8.6", "-8.3",
                             "-7.9",  "-7.6", "-7.2", "-6.8", "-6.5"};
    TBitmap B(300, 300);
    PrepareSurface(B);
    DrawScaleNumbers(B, 11, QStringLiteral("0.0"), -10, -6.5f, 225, -45, 0.8f, 0, false);

    // Anchors every 27 degrees from 225, 120 pixels from the centre (150, 150).
    TBitmap Expected(300, 300);
    PrepareSurface(Expected);
    Expected.Canvas().Brush.Style = bsClear;
    for (int H = 0; H < 11; ++H) {
        const double A = (225 - 27.0 * H) * std::numbers::pi / 180;
        CentredText(Expected, Point(150 + Round(120 * std::cos(A)), 150 - Round(120 * std::sin(A))),
                    Labels[H]);
    }
    EXPECT_EQ(B.Image(), Expected.Image());
}

TEST(VexPolygons, DrawScaleNumbersRotatedTurnsTextAlongTheArc) {
    TBitmap B(120, 120);
    PrepareSurface(B);
    DrawScaleNumbers(B, 3, QStringLiteral("0"), 0, 100, 225, -45, 0.8f, 0, true);

    TBitmap Expected(120, 120);
    PrepareSurface(Expected);
    const unsigned CentreBaseline = TA_CENTER | TA_BASELINE;
    TextOutRotated(Expected.Canvas(), 26, 94, 315, FormatFloat(QStringLiteral("0"), 0),
                   CentreBaseline);
    TextOutRotated(Expected.Canvas(), 60, 12, 180, FormatFloat(QStringLiteral("0"), 50),
                   CentreBaseline);
    TextOutRotated(Expected.Canvas(), 94, 94, 45, FormatFloat(QStringLiteral("0"), 100),
                   CentreBaseline);
    EXPECT_GT(CountColor(B, clBlack), 0);
    EXPECT_EQ(B.Image(), Expected.Image());
}

TEST(VexPolygons, DrawScaleNumbersSingleNumberIsTheMinimumAtTheStartAngle) {
    TBitmap B(100, 100);
    PrepareSurface(B);
    DrawScaleNumbers(B, 1, QStringLiteral("0"), 5, 10, 90, 0, 0.8f, 0, false);
    TBitmap Expected(100, 100);
    PrepareSurface(Expected);
    CentredText(Expected, Point(50, 10), FormatFloat(QStringLiteral("0"), 5));
    EXPECT_EQ(B.Image(), Expected.Image());
}

TEST(VexPolygons, DrawScaleCaptionsTurnsUpsideDownCaptionsOver) {
    TBitmap B(100, 100);
    PrepareSurface(B);
    const QStringList Captions{QStringLiteral("Lo"), QStringLiteral("Mid"), QStringLiteral("Hi")};
    DrawScaleCaptions(B, Captions, true, 180, 0, 0.8f, 0);

    // At 90 degrees the text angle would be 180: it is drawn at 0, centred, instead.
    TBitmap Expected(100, 100);
    PrepareSurface(Expected);
    TextOutRotated(Expected.Canvas(), 10, 50, 270, Captions[0], TA_RIGHT | TA_TOP);
    TextOutRotated(Expected.Canvas(), 50, 10, 0, Captions[1], TA_CENTER | TA_TOP);
    TextOutRotated(Expected.Canvas(), 90, 50, 90, Captions[2], TA_RIGHT | TA_TOP);
    EXPECT_GT(CountColor(B, clBlack), 0);
    EXPECT_EQ(B.Image(), Expected.Image());

    // A text angle a full turn lower reads the same.
    TBitmap Turned(100, 100);
    PrepareSurface(Turned);
    DrawScaleCaptions(Turned, Captions, true, 180, 0, 0.8f, -360);
    EXPECT_EQ(Turned.Image(), Expected.Image());
}

TEST(VexPolygons, DrawScaleCaptionsSingleAndNone) {
    TBitmap B(100, 100);
    PrepareSurface(B);
    DrawScaleCaptions(B, {}, false, 90, 0, 0.8f, 0);
    EXPECT_EQ(CountColor(B, clBlack), 0);

    DrawScaleCaptions(B, {QStringLiteral("Max")}, false, 90, 0, 0.8f, 0);
    TBitmap Expected(100, 100);
    PrepareSurface(Expected);
    CentredText(Expected, Point(50, 10), QStringLiteral("Max"));
    EXPECT_EQ(B.Image(), Expected.Image());
}

} // namespace Vex
