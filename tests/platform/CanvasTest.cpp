#include "platform/graphics/Canvas.h"
#include "platform/core/Maths.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

namespace Vex {

namespace {
int CountColor(const TBitmap &B, TColor C) {
    int N = 0;
    for (int Y = 0; Y < B.Height(); ++Y)
        for (int X = 0; X < B.Width(); ++X)
            N += B.Pixel(X, Y) == C;
    return N;
}
} // namespace

TEST(Canvas, LineToLeavesOutItsEndPoint) {
    TBitmap B(20, 20);
    B.Fill(clWhite);
    B.Canvas().Pen.Color = clRed;
    B.Canvas().MoveTo(2, 5);
    B.Canvas().LineTo(12, 5);
    EXPECT_EQ(B.Pixel(2, 5), clRed);
    EXPECT_EQ(B.Pixel(11, 5), clRed);
    EXPECT_EQ(B.Pixel(12, 5), clWhite);
    EXPECT_EQ(CountColor(B, clRed), 10);
    EXPECT_EQ(B.Canvas().PenPos(), Point(12, 5));
}

TEST(Canvas, LineToLeavesOutItsEndPointInEveryDirection) {
    const TPoint Ends[] = {{2, 15}, {15, 2}, {2, 2}, {15, 15}, {9, 2}, {2, 9}};
    for (const TPoint End : Ends) {
        TBitmap B(20, 20);
        B.Fill(clWhite);
        B.Canvas().Pen.Color = clRed;
        B.Canvas().MoveTo(9, 9);
        B.Canvas().LineTo(End.X, End.Y);
        EXPECT_EQ(B.Pixel(9, 9), clRed) << End.X << "," << End.Y;
        EXPECT_EQ(B.Pixel(End.X, End.Y), clWhite) << End.X << "," << End.Y;
        EXPECT_EQ(CountColor(B, clRed), std::max(std::abs(End.X - 9), std::abs(End.Y - 9)));
    }
}

TEST(Canvas, RectangleAndFillRectExcludeRightAndBottom) {
    TBitmap B(20, 20);
    B.Fill(clWhite);
    B.Canvas().Brush.Color = clBlue;
    B.Canvas().FillRect(Rect(2, 3, 7, 9));
    EXPECT_EQ(CountColor(B, clBlue), 5 * 6);
    B.Fill(clWhite);
    B.Canvas().Pen.Color = clRed;
    B.Canvas().Rectangle(2, 3, 7, 9);
    EXPECT_EQ(B.Pixel(6, 8), clRed);
    EXPECT_EQ(B.Pixel(7, 8), clWhite);
    EXPECT_EQ(B.Pixel(6, 9), clWhite);
    EXPECT_EQ(B.Pixel(3, 4), clBlue);
}

TEST(Canvas, EllipseStaysInsideItsRectangle) {
    TBitmap B(30, 30);
    B.Fill(clWhite);
    B.Canvas().Pen.Color = clBlack;
    B.Canvas().Brush.Color = clBlack;
    B.Canvas().Ellipse(5, 5, 25, 15);
    for (int Y = 0; Y < 30; ++Y)
        for (int X = 0; X < 30; ++X)
            if (X < 5 || X >= 25 || Y < 5 || Y >= 15) {
                ASSERT_EQ(B.Pixel(X, Y), clWhite) << X << "," << Y;
            }
    EXPECT_EQ(B.Pixel(15, 10), clBlack);
    EXPECT_EQ(B.Pixel(5, 10), clBlack);
    EXPECT_EQ(B.Pixel(24, 10), clBlack);
}

TEST(Canvas, SolidEllipseIsItsRegionWithARingOfThePenWidth) {
    TBitmap B(30, 20);
    B.Fill(clWhite);
    B.Canvas().Pen.Color = clBlack;
    B.Canvas().Pen.Width = 2;
    B.Canvas().Brush.Color = clBlue;
    B.Canvas().Ellipse(3, 2, 26, 17);
    const TRegion Disc = TRegion::CreateEllipse(3, 2, 26, 17);
    const TRegion Inside = TRegion::CreateEllipse(5, 4, 24, 15);
    for (int Y = 0; Y < 20; ++Y)
        for (int X = 0; X < 30; ++X) {
            const TColor Expected = Inside.Contains(X, Y) ? clBlue
                                    : Disc.Contains(X, Y) ? clBlack
                                                          : clWhite;
            ASSERT_EQ(B.Pixel(X, Y), Expected) << X << "," << Y;
        }
}

TEST(Bitmap, SizesAreBoundedAndKeepOldPixels) {
    TBitmap B(4, 4);
    B.SetPixel(1, 1, clRed);
    B.SetSize(8, 3);
    EXPECT_EQ(B.Width(), 8);
    EXPECT_EQ(B.Height(), 3);
    EXPECT_EQ(B.Pixel(1, 1), clRed);
    B.SetSize(-5, 10);
    EXPECT_EQ(B.Width(), 0);
    EXPECT_TRUE(B.Empty());
    EXPECT_FALSE(B.SetSize(TBitmap::MaxDimension, TBitmap::MaxDimension));
    EXPECT_TRUE(B.Empty());
    B.SetSize(100000, 1);
    EXPECT_EQ(B.Width(), TBitmap::MaxDimension);
    // Drawing on an empty bitmap does nothing rather than failing.
    TBitmap E;
    E.Canvas().FillRect(Rect(0, 0, 10, 10));
    E.Canvas().TextOut(0, 0, QStringLiteral("x"));
    EXPECT_TRUE(E.Empty());
}

TEST(Bitmap, TransparentDrawSkipsKeyColour) {
    TBitmap Src(2, 1), Dst(3, 1);
    Src.SetPixel(0, 0, 0x112233);
    Src.SetPixel(1, 0, clRed);
    Src.Transparent = true;
    Src.SetTransparentColor(0x112233);
    Dst.Fill(clWhite);
    Dst.Canvas().Draw(1, 0, Src);
    EXPECT_EQ(Dst.Pixel(0, 0), clWhite);
    EXPECT_EQ(Dst.Pixel(1, 0), clWhite);
    EXPECT_EQ(Dst.Pixel(2, 0), clRed);
}

TEST(Maths, RoundIsHalfToEvenAndSaturates) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-0.6), -1);
    EXPECT_EQ(Round(1e300), INT_MAX);
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(-8, 96, 72), -11);
}

TEST(Maths, RandomIsReproducibleAndInRange) {
    SetRandSeed(42);
    const int A = Random(1000);
    SetRandSeed(42);
    EXPECT_EQ(Random(1000), A);
    for (int I = 0; I < 1000; ++I) {
        const int R = Random(7);
        ASSERT_GE(R, 0);
        ASSERT_LT(R, 7);
    }
    EXPECT_EQ(Random(0), 0);
}

TEST(Bitmap, SizeSetOneSideAtATimeArrivesWhole) {
    TBitmap B;
    B.SetWidth(100);
    EXPECT_EQ(B.Width(), 100);
    EXPECT_TRUE(B.Empty());
    B.SetHeight(40);
    EXPECT_EQ(B.Width(), 100);
    EXPECT_EQ(B.Height(), 40);
    EXPECT_FALSE(B.Empty());
}

} // namespace Vex
