#include "platform/graphics/Region.h"

#include <gtest/gtest.h>
#include <vector>

namespace Vex {

namespace {
// Columns [first, last + 1) of row Y that the region holds, or an empty pair; fails when the
// row is not one run.
std::pair<int, int> RowRun(const TRegion &Region, int Y, int Left, int Right) {
    std::pair<int, int> Found{0, 0};
    bool Seen = false, Ended = false;
    for (int X = Left - 2; X < Right + 2; ++X) {
        if (!Region.Contains(X, Y)) {
            Ended = Seen;
            continue;
        }
        EXPECT_FALSE(Ended) << "row " << Y << " has a gap";
        if (!Seen)
            Found.first = X;
        Found.second = X + 1;
        Seen = true;
    }
    return Found;
}

// Pixel (X, Y) of a W x H box, centre taken, on or inside the inscribed ellipse.
bool CentreInside(int X, int Y, int W, int H) {
    const int64_t U = 2 * X + 1 - W, V = 2 * Y + 1 - H;
    return U * U * H * H + V * V * W * W <= int64_t(W) * W * H * H;
}
} // namespace

TEST(Region, EllipseHoldsThePixelsWhoseCentresAreInsideSymmetrically) {
    const std::vector<std::pair<int, int>> Sizes = {{1, 1}, {2, 2},  {3, 3},  {4, 4},    {5, 5},
                                                    {6, 6}, {7, 7},  {8, 8},  {7, 4},    {8, 5},
                                                    {9, 2}, {13, 6}, {4, 11}, {200, 201}};
    for (const auto &[W, H] : Sizes) {
        // Away from the origin, so that offsets are part of what is checked.
        const int Left = 3, Top = -2;
        const TRegion E = TRegion::CreateEllipse(Left, Top, Left + W, Top + H);
        for (int Y = -1; Y <= H; ++Y)
            for (int X = -1; X <= W; ++X) {
                const bool InBox = X >= 0 && X < W && Y >= 0 && Y < H;
                const bool In = E.Contains(Left + X, Top + Y);
                ASSERT_EQ(In, InBox && CentreInside(X, Y, W, H))
                    << W << "x" << H << " at " << X << "," << Y;
                ASSERT_EQ(In, E.Contains(Left + W - 1 - X, Top + Y)) << W << "x" << H;
                ASSERT_EQ(In, E.Contains(Left + X, Top + H - 1 - Y)) << W << "x" << H;
            }
    }
}

TEST(Region, SmallEllipsesHaveTheirExactRows) {
    const auto Widths = [](const TRegion &E, int W, int H) {
        std::vector<int> Result;
        for (int Y = 0; Y < H; ++Y) {
            const auto [First, End] = RowRun(E, Y, 0, W);
            Result.push_back(End - First);
        }
        return Result;
    };
    EXPECT_EQ(Widths(TRegion::CreateEllipse(0, 0, 7, 7), 7, 7),
              (std::vector<int>{3, 5, 7, 7, 7, 5, 3}));
    EXPECT_EQ(Widths(TRegion::CreateEllipse(0, 0, 6, 6), 6, 6),
              (std::vector<int>{4, 6, 6, 6, 6, 4}));
    EXPECT_EQ(Widths(TRegion::CreateEllipse(0, 0, 8, 5), 8, 5), (std::vector<int>{4, 8, 8, 8, 4}));
    EXPECT_EQ(Widths(TRegion::CreateEllipse(0, 0, 2, 2), 2, 2), (std::vector<int>{2, 2}));

    // The top of a 200-pixel round outline: no one-row tab, and steps that shrink towards the
    // sides (7, 5, 4 pixels a side); the bottom the same upside down.
    const TRegion Round = TRegion::CreateEllipse(0, 0, 200, 200);
    const std::vector<std::pair<int, int>> Top = {{90, 110}, {83, 117}, {78, 122}, {74, 126}};
    for (int Y = 0; Y < 4; ++Y) {
        EXPECT_EQ(RowRun(Round, Y, 0, 200), Top[size_t(Y)]) << Y;
        EXPECT_EQ(RowRun(Round, 199 - Y, 0, 200), Top[size_t(Y)]) << Y;
    }
    EXPECT_EQ(RowRun(Round, 99, 0, 200), std::make_pair(0, 200));
}

TEST(Region, EllipseBoxAndHitTestExcludeRightAndBottom) {
    TRegion Disc = TRegion::CreateEllipse(5, 5, 25, 25);
    EXPECT_EQ(Disc.Box(), Rect(5, 5, 25, 25));
    EXPECT_TRUE(Disc.Contains(24, 15));
    EXPECT_FALSE(Disc.Contains(25, 15));
    EXPECT_TRUE(Disc.Contains(15, 24));
    EXPECT_FALSE(Disc.Contains(15, 25));
    EXPECT_TRUE(Disc.Contains(5, 15));
    EXPECT_TRUE(Disc.Contains(15, 5));
    EXPECT_FALSE(Disc.Contains(5, 5));
    Disc.Offset(-5, -5);
    EXPECT_EQ(Disc.Box(), Rect(0, 0, 20, 20));
    EXPECT_TRUE(Disc.Contains(0, 10));
    EXPECT_FALSE(Disc.Contains(20, 10));

    // So flat that its ends hold no pixel centre: the box is what the region covers.
    EXPECT_EQ(TRegion::CreateEllipse(0, 0, 100, 2).Box(), Rect(7, 0, 93, 2));
    EXPECT_TRUE(TRegion::CreateEllipse(4, 4, 4, 9).IsEmpty());
    EXPECT_TRUE(TRegion::CreateEllipse(9, 4, 4, 9).IsEmpty());
}

TEST(Region, RoundRectCornersAreQuartersOfTheExactEllipse) {
    // Corners of a 10 x 10 circle: its top rows are cut by 3, 1, 1, 0 and 0 pixels a side.
    const TRegion R = TRegion::CreateRoundRect(0, 0, 30, 20, 10, 10);
    const std::vector<int> Cuts = {3, 1, 1, 0, 0};
    for (int Y = 0; Y < 20; ++Y) {
        const int Cut = Y < 5 ? Cuts[size_t(Y)] : Y >= 15 ? Cuts[size_t(19 - Y)] : 0;
        EXPECT_EQ(RowRun(R, Y, 0, 30), std::make_pair(Cut, 30 - Cut)) << Y;
    }
    EXPECT_EQ(R.Box(), Rect(0, 0, 30, 20));

    // Corners as large as the rectangle, or larger, give its ellipse; none give the rectangle.
    const QRegion Ellipse = TRegion::CreateEllipse(2, 3, 33, 20).ToQRegion();
    EXPECT_EQ(TRegion::CreateRoundRect(2, 3, 33, 20, 31, 17).ToQRegion(), Ellipse);
    EXPECT_EQ(TRegion::CreateRoundRect(2, 3, 33, 20, 500, 400).ToQRegion(), Ellipse);
    EXPECT_EQ(TRegion::CreateRoundRect(2, 3, 33, 20, 0, 6).ToQRegion(),
              TRegion::CreateRect(2, 3, 33, 20).ToQRegion());
    EXPECT_TRUE(TRegion::CreateRoundRect(2, 3, 2, 20, 5, 5).IsEmpty());
}

TEST(Region, EllipseCombinesWithOtherRegions) {
    // The corners outside an ellipse and the ellipse make up the rectangle, without overlap.
    const TRegion Box = TRegion::CreateRect(0, 0, 21, 16);
    const TRegion Disc = TRegion::CreateEllipse(0, 0, 21, 16);
    TRegion Corners, Whole, Overlap;
    Corners.Combine(Box, Disc, RGN_XOR);
    Whole.Combine(Corners, Disc, RGN_OR);
    Overlap.Combine(Corners, Disc, RGN_AND);
    EXPECT_EQ(Whole.ToQRegion(), Box.ToQRegion());
    EXPECT_TRUE(Overlap.IsEmpty());
    EXPECT_TRUE(Corners.Contains(0, 0));
    EXPECT_FALSE(Corners.Contains(10, 8));
}

} // namespace Vex
