#include "toolkit/DIBFX.h"

#include "platform/core/Maths.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace Vex {

namespace {
constexpr uint32_t KSentinel = 0xFF5A3C1Eu;
constexpr uint32_t KWhite = 0xFFFFFFFFu;

// The raw pixels, unused byte included, row by row.
std::vector<uint32_t> Pixels(const TBitmap &B) {
    std::vector<uint32_t> Result(size_t(B.Width()) * B.Height());
    for (int Y = 0; Y < B.Height(); ++Y)
        std::memcpy(&Result[size_t(Y) * B.Width()], B.ScanLine(Y), size_t(B.Width()) * 4);
    return Result;
}

void SetPixels(TBitmap &B, const std::vector<uint32_t> &Values) {
    for (int Y = 0; Y < B.Height(); ++Y)
        std::memcpy(B.ScanLine(Y), &Values[size_t(Y) * B.Width()], size_t(B.Width()) * 4);
}

void FillRandom(TBitmap &B, unsigned Seed) {
    std::mt19937 Gen(Seed);
    std::vector<uint32_t> Values(size_t(B.Width()) * B.Height());
    for (uint32_t &V : Values)
        V = 0xFF000000u | (Gen() & 0xFFFFFFu);
    SetPixels(B, Values);
}

int Channel(uint32_t Pixel, int C) {
    return int(Pixel >> (8 * C)) & 0xFF;
}

// Applies Op to every channel (blue, green, red) of every pixel, in the order the routines must.
template <typename Fn> std::vector<uint32_t> MapChannels(std::vector<uint32_t> Values, Fn Op) {
    for (size_t I = 0; I < Values.size(); ++I)
        for (int C = 0; C < 3; ++C) {
            const int V = Op(I, C, Channel(Values[I], C));
            Values[I] = (Values[I] & ~(0xFFu << (8 * C))) | (uint32_t(V) << (8 * C));
        }
    return Values;
}

int Clamp(int V) {
    return std::clamp(V, 0, 255);
}
} // namespace

TEST(DIBFX, BlendColorsRoundsHalfToEvenAndClamps) {
    EXPECT_EQ(BlendColors(clRed, clBlue, 0.25f), RGB(191, 0, 64));
    EXPECT_EQ(BlendColors(clRed, clBlue, 0.0f), clRed);
    EXPECT_EQ(BlendColors(clRed, clBlue, 1.0f), clBlue);
    EXPECT_EQ(BlendColors(RGB(1, 3, 5), clBlack, 0.5f), RGB(0, 2, 2));
    EXPECT_EQ(BlendColors(RGB(200, 100, 0), RGB(100, 100, 100), -1.0f), RGB(255, 100, 0));
    EXPECT_EQ(BlendColors(RGB(0, 100, 200), RGB(100, 100, 100), 2.0f), RGB(200, 100, 0));
    EXPECT_EQ(BlendColors(clBtnFace, clBlack, 0.0f), ColorToRGB(clBtnFace));
    EXPECT_EQ(BlendColors(clBlack, clBtnFace, 1.0f), ColorToRGB(clBtnFace));
}

TEST(DIBFX, HalveBitmapMatchesBoxFilter) {
    for (const auto &Size : {std::pair{5, 3}, {13, 9}, {2, 2}, {1, 1}, {1, 6}, {0, 0}}) {
        // Plain copies: a lambda may not capture a structured binding before C++20's rules,
        // which clang 14 does not have.
        const int W = Size.first;
        const int H = Size.second;
        TBitmap B(W, H);
        FillRandom(B, unsigned(W * 31 + H));
        const std::vector<uint32_t> Before = Pixels(B);
        std::vector<uint32_t> Expected = Before;
        for (int R = 0; R < H / 2; ++R)
            for (int Q = 0; Q < W / 2; ++Q) {
                const auto At = [&](int X, int Y) { return Before[size_t(Y) * W + X]; };
                uint32_t Out = 0;
                for (int C = 0; C < 4; ++C) {
                    const int Sum =
                        Channel(At(2 * Q, 2 * R), C) + Channel(At(2 * Q + 1, 2 * R), C) +
                        Channel(At(2 * Q, 2 * R + 1), C) + Channel(At(2 * Q + 1, 2 * R + 1), C);
                    Out |= uint32_t(Sum >> 2) << (8 * C);
                }
                Expected[size_t(R) * W + Q] = Out;
            }
        HalveBitmap(B, false);
        ASSERT_EQ(B.Width(), W);
        ASSERT_EQ(B.Height(), H);
        EXPECT_EQ(Pixels(B), Expected) << W << "x" << H;

        SetPixels(B, Before);
        HalveBitmap(B, true);
        // A surface with no columns or no rows has no pixels but keeps both sides.
        ASSERT_EQ(B.Width(), W / 2);
        ASSERT_EQ(B.Height(), H / 2);
        ASSERT_EQ(B.Empty(), W / 2 == 0 || H / 2 == 0);
        for (int R = 0; R < H / 2; ++R)
            for (int Q = 0; Q < W / 2; ++Q)
                EXPECT_EQ(Pixels(B)[size_t(R) * (W / 2) + Q], Expected[size_t(R) * W + Q]);
    }
}

TEST(DIBFX, HalfTintRectTintsOnlyTheClippedRectangle) {
    const TColor Base = RGB(200, 101, 50);
    const auto Tinted = [&](TColor Tint) {
        return RGB(200 / 2 + GetRValue(Tint) / 2, 101 / 2 + GetGValue(Tint) / 2,
                   50 / 2 + GetBValue(Tint) / 2);
    };
    struct Case {
        TRect R;
        TRect Inside;
    };
    for (const Case &C : {Case{Rect(0, 10, 200, 14), Rect(0, 10, 100, 14)},
                          Case{Rect(-5, -5, 3, 2), Rect(0, 0, 3, 2)},
                          Case{Rect(90, 45, 500, 500), Rect(90, 45, 100, 50)},
                          Case{Rect(-20, -20, 0, 0), Rect(0, 0, 0, 0)},
                          Case{Rect(120, 0, 130, 50), Rect(0, 0, 0, 0)},
                          Case{Rect(30, 20, 10, 25), Rect(0, 0, 0, 0)}}) {
        TBitmap B(100, 50);
        B.Fill(Base);
        HalfTintRect(B, C.R, clWhite);
        for (int Y = 0; Y < 50; ++Y)
            for (int X = 0; X < 100; ++X) {
                const bool In = X >= C.Inside.Left && X < C.Inside.Right && Y >= C.Inside.Top &&
                                Y < C.Inside.Bottom;
                ASSERT_EQ(B.Pixel(X, Y), In ? Tinted(clWhite) : Base) << X << "," << Y;
            }
    }
    TBitmap B(4, 4);
    B.Fill(Base);
    HalfTintRect(B, Rect(0, 0, 4, 4), clBtnFace);
    EXPECT_EQ(B.Pixel(2, 2), Tinted(ColorToRGB(clBtnFace)));
}

TEST(DIBFX, AddNoiseFollowsTheGeneratorChannelByChannel) {
    TBitmap B(17, 11);
    FillRandom(B, 7);
    const std::vector<uint32_t> Before = Pixels(B);
    for (int Amount : {0, 1, -7}) {
        SetRandSeed(99);
        AddNoise(B, Amount);
        EXPECT_EQ(Pixels(B), Before) << Amount;
        // Three draws per pixel whatever the amount, so later users of the generator agree.
        SetRandSeed(99);
        for (int I = 0; I < 17 * 11 * 3; ++I)
            Random(1);
        const uint32_t After = RandSeed();
        SetRandSeed(99);
        AddNoise(B, Amount);
        EXPECT_EQ(RandSeed(), After);
    }
    SetRandSeed(1234);
    const std::vector<uint32_t> Expected =
        MapChannels(Before, [](size_t, int, int V) { return Clamp(V + Random(10) - 5); });
    SetRandSeed(1234);
    AddNoise(B, 10);
    EXPECT_EQ(Pixels(B), Expected);

    TBitmap Gray(40, 40);
    Gray.Fill(RGB(128, 128, 128));
    SetRandSeed(77);
    AddNoise(Gray, 10);
    int Low = 0, High = 0;
    for (uint32_t P : Pixels(Gray))
        for (int C = 0; C < 3; ++C) {
            ASSERT_GE(Channel(P, C) - 128, -5);
            ASSERT_LE(Channel(P, C) - 128, 4);
            Low = std::min(Low, Channel(P, C) - 128);
            High = std::max(High, Channel(P, C) - 128);
        }
    EXPECT_EQ(Low, -5);
    EXPECT_EQ(High, 4);
}

TEST(DIBFX, AddRasterNoiseCarriesOffsetsAcrossRowsWithinBounds) {
    TBitmap B(9, 7);
    FillRandom(B, 3);
    const std::vector<uint32_t> Before = Pixels(B);
    SetRandSeed(555);
    int Offset[3] = {0, 0, 0};
    const std::vector<uint32_t> Expected = MapChannels(Before, [&](size_t, int C, int V) {
        Offset[C] = std::clamp(Offset[C] + Random(10) - 5, -6, 6);
        return Clamp(V + Offset[C]);
    });
    SetRandSeed(555);
    AddRasterNoise(B, 6);
    EXPECT_EQ(Pixels(B), Expected);

    for (int Amount : {0, -4}) {
        SetPixels(B, Before);
        AddRasterNoise(B, Amount);
        EXPECT_EQ(Pixels(B), Before) << Amount;
    }
    TBitmap Gray(64, 64);
    Gray.Fill(RGB(128, 128, 128));
    AddRasterNoise(Gray, 3);
    for (uint32_t P : Pixels(Gray))
        for (int C = 0; C < 3; ++C)
            ASSERT_LE(std::abs(Channel(P, C) - 128), 3);
}

TEST(DIBFX, ApplyLightMapLightsTheCommonArea) {
    // 13 pixels are three 16-byte blocks and a rest.
    TBitmap Target(13, 5), Light(13, 5);
    FillRandom(Target, 11);
    const std::vector<uint32_t> Before = Pixels(Target);
    for (int L : {128, 255, 0, 200, 60}) {
        SetPixels(Target, Before);
        Light.Fill(RGB(L, L, L));
        ApplyLightMap(Light, Target);
        EXPECT_EQ(Pixels(Target),
                  MapChannels(Before, [L](size_t, int, int V) { return Clamp(V + 2 * L - 256); }))
            << L;
    }
    // A random map against the plain formula, channel by channel.
    SetPixels(Target, Before);
    FillRandom(Light, 12);
    const std::vector<uint32_t> Map = Pixels(Light);
    ApplyLightMap(Light, Target);
    EXPECT_EQ(Pixels(Target), MapChannels(Before, [&](size_t I, int C, int V) {
                  return Clamp(V + 2 * Channel(Map[I], C) - 256);
              }));

    // A smaller map lights its own area only; a larger one is cut to the target.
    Target.Fill(RGB(100, 100, 100));
    TBitmap Small(3, 2);
    Small.Fill(clWhite);
    ApplyLightMap(Small, Target);
    for (int Y = 0; Y < 5; ++Y)
        for (int X = 0; X < 13; ++X)
            EXPECT_EQ(Target.Pixel(X, Y), X < 3 && Y < 2 ? clWhite : RGB(100, 100, 100));
    TBitmap Large(20, 30), Tiny(2, 3);
    Large.Fill(clWhite);
    Tiny.Fill(clBlack);
    ApplyLightMap(Large, Tiny);
    EXPECT_EQ(Pixels(Tiny), std::vector<uint32_t>(6, 0xFFFEFEFEu));
}

TEST(DIBFX, RotatePointTurnsByHalfATurnMore) {
    struct Case {
        float X, Y, Angle, EX, EY;
    };
    for (const Case &C : {Case{10, 5, 0, -10, -5}, Case{10, 5, 90, 5, -10},
                          Case{3, 0.5f, 0, -3, -1}, Case{-4, -0.25f, 180, -4, 1}}) {
        float X = C.X, Y = C.Y;
        RotatePoint(X, Y, C.Angle);
        EXPECT_FLOAT_EQ(X, C.EX) << C.X << "," << C.Y << "," << C.Angle;
        EXPECT_FLOAT_EQ(Y, C.EY) << C.X << "," << C.Y << "," << C.Angle;
    }
}

namespace {
// The mapping walked literally: corners, per-column steps, row starts from the bottom row.
std::vector<uint32_t> ReferenceRotate(const TBitmap &S, int DW, int DH, int OffsetX, float Angle,
                                      float ScaleX, float ScaleY, int OffsetY) {
    const int W = S.Width(), H = S.Height(), F = W / 2, G = H / 2;
    const int T = Round(F * ScaleX), V = Round(G * ScaleY);
    const auto Corner = [&](int X, int Y) {
        float PX = float(X), PY = float(Y);
        RotatePoint(PX, PY, Angle + 180);
        return std::pair{Round(PX), Round(PY)};
    };
    const auto [Xa, Ya] = Corner(OffsetX - T, OffsetY + V);
    const auto [Xb, Yb] = Corner(OffsetX - T, OffsetY - V);
    const auto [Xc, Yc] = Corner(OffsetX + T, OffsetY + V);
    const float N = float(Xc - Xa) / W, M = float(Yc - Ya) / W;
    const std::vector<uint32_t> Src = Pixels(S);
    std::vector<uint32_t> Out(size_t(DW) * DH);
    for (int K = 0; K < DH; ++K) {
        int X = Round(Xa - double(K * (Xa - Xb)) / H);
        int Y = Round(Ya - double(K * (Ya - Yb)) / H);
        for (int J = 0; J < DW; ++J) {
            const bool Inside = F + X >= 0 && F + X < W && G + Y >= 0 && G + Y < H;
            Out[size_t(DH - 1 - K) * DW + J] = Inside ? Src[size_t(G + Y) * W + F + X] : KWhite;
            if (J >= 1) {
                X += Round(J * double(N)) - Round((J - 1) * double(N));
                Y += Round(J * double(M)) - Round((J - 1) * double(M));
            }
        }
    }
    return Out;
}
} // namespace

TEST(DIBFX, RotateBitmapQuarterTurnsOnAnAsymmetricPicture) {
    const int W = 6, H = 4;
    TBitmap Source(W, H);
    FillRandom(Source, 21);
    const std::vector<uint32_t> S = Pixels(Source);
    const auto At = [&](int X, int Y) {
        return X >= 0 && X < W && Y >= 0 && Y < H ? S[size_t(Y) * W + X] : KWhite;
    };
    TBitmap Dest(W, H);
    // The first column step is 0, so columns 0 and 1 show the same source pixel.
    RotateBitmap(Source, Dest, 0, 0, 1, 1, 0);
    for (int R = 0; R < H; ++R)
        for (int C = 0; C < W; ++C)
            EXPECT_EQ(Pixels(Dest)[size_t(R) * W + C], At(std::max(C - 1, 0), R + 1))
                << C << "," << R;
    RotateBitmap(Source, Dest, 0, 180, 1, 1, 0);
    for (int R = 0; R < H; ++R)
        for (int C = 0; C < W; ++C)
            EXPECT_EQ(Pixels(Dest)[size_t(R) * W + C], At(W + 1 - std::max(C, 1), H - 1 - R));
    // A quarter turn counter-clockwise on screen: the top edge moves to the left.
    TBitmap Square(4, 4), Turned(4, 4);
    FillRandom(Square, 22);
    const std::vector<uint32_t> Q = Pixels(Square);
    RotateBitmap(Square, Turned, 0, 90, 1, 1, 0);
    for (int R = 0; R < 4; ++R)
        for (int C = 0; C < 4; ++C)
            EXPECT_EQ(Pixels(Turned)[size_t(R) * 4 + C], Q[size_t(std::max(C - 1, 0)) * 4 + 3 - R]);
}

TEST(DIBFX, RotateBitmapMatchesReferenceOnRandomInput) {
    struct Case {
        int W, H, DW, DH, OX, OY;
        float Angle, SX, SY;
    };
    for (const Case &C :
         {Case{13, 9, 13, 9, 0, 0, 37.5f, 1, 1}, Case{13, 9, 13, 9, 3, -2, -110, 1.3f, 0.8f},
          Case{16, 16, 16, 16, 0, 0, 271, 0.5f, 2}, Case{8, 8, 5, 11, 1, 1, 45, 1, 1},
          Case{8, 8, 12, 3, 0, 0, 200, 1, 1}, Case{1, 1, 1, 1, 0, 0, 0, 1, 1},
          Case{3, 2, 3, 2, 0, 0, 1e9f, 1e6f, -1e6f}}) {
        TBitmap Source(C.W, C.H), Dest(C.DW, C.DH);
        FillRandom(Source, unsigned(C.W + C.DW));
        Dest.Fill(KSentinel);
        RotateBitmap(Source, Dest, C.OX, C.Angle, C.SX, C.SY, C.OY);
        const std::vector<uint32_t> Got = Pixels(Dest);
        EXPECT_EQ(Got, ReferenceRotate(Source, C.DW, C.DH, C.OX, C.Angle, C.SX, C.SY, C.OY))
            << C.W << "x" << C.H << " into " << C.DW << "x" << C.DH << " at " << C.Angle;
        EXPECT_EQ(std::count(Got.begin(), Got.end(), KSentinel), 0);
    }
    // Turning a bitmap into itself works from a copy of the original pixels.
    TBitmap Self(10, 10), Other(10, 10);
    FillRandom(Self, 5);
    RotateBitmap(Self, Other, 0, 30, 1, 1, 0);
    RotateBitmap(Self, Self, 0, 30, 1, 1, 0);
    EXPECT_EQ(Pixels(Self), Pixels(Other));
    // An empty bitmap on either side leaves the other untouched.
    TBitmap Empty;
    RotateBitmap(Empty, Other, 0, 30, 1, 1, 0);
    RotateBitmap(Self, Empty, 0, 30, 1, 1, 0);
    EXPECT_EQ(Pixels(Self), Pixels(Other));
    EXPECT_TRUE(Empty.Empty());
}

TEST(DIBFX, ReplicateFirstRowFillsEveryHeight) {
    for (int H : {0, 1, 2, 3, 5, 7, 9, 33}) {
        TBitmap B(6, H);
        B.Fill(KSentinel);
        if (H > 0)
            FillRandom(B, 1);
        std::vector<uint32_t> First = Pixels(B);
        First.resize(std::min<size_t>(First.size(), 6));
        ReplicateFirstRow(B);
        const std::vector<uint32_t> After = Pixels(B);
        for (int Y = 0; Y < H; ++Y)
            EXPECT_TRUE(std::equal(First.begin(), First.end(), After.begin() + Y * 6))
                << H << ":" << Y;
    }
}

TEST(DIBFX, SmoothStretchAveragesFourByFourBlocks) {
    TBitmap Source(4, 4), Dest;
    FillRandom(Source, 8);
    const std::vector<uint32_t> S = Pixels(Source);
    SmoothStretch(Source, Dest, 1, 1);
    ASSERT_EQ(Dest.Width(), 1);
    ASSERT_EQ(Dest.Height(), 1);
    for (int C = 0; C < 3; ++C) {
        int Sum = 0;
        for (int QY = 0; QY < 4; QY += 2)
            for (int QX = 0; QX < 4; QX += 2)
                Sum += (Channel(S[QY * 4 + QX], C) + Channel(S[QY * 4 + QX + 1], C) +
                        Channel(S[QY * 4 + QX + 4], C) + Channel(S[QY * 4 + QX + 5], C)) >>
                       2;
        EXPECT_EQ(Channel(Pixels(Dest)[0], C), Sum >> 2);
    }
    // Enlarging repeats each pixel over its block, so the averages give the picture back.
    SmoothStretch(Source, Dest, 4, 4);
    EXPECT_EQ(Pixels(Dest), S);
    SmoothStretch(Source, Dest, 3, 7);
    EXPECT_EQ(Dest.Width(), 3);
    EXPECT_EQ(Dest.Height(), 7);
    SmoothStretch(TBitmap(), Dest, 2, 2);
    EXPECT_EQ(Pixels(Dest), std::vector<uint32_t>(4, 0xFF000000u));
    for (const auto &[W, H] : {std::pair{0, 5}, {-3, 2}, {4096, 4096}}) {
        SmoothStretch(Source, Dest, W, H);
        EXPECT_TRUE(Dest.Empty()) << W << "x" << H;
    }
}

namespace {
// "Wide text" (no descenders) in black 12-pixel type on a white 120 x 120 surface, drawn
// rotated at (60, 60).
std::unique_ptr<TBitmap> DrawRotatedText(int Angle, unsigned Align) {
    auto B = std::make_unique<TBitmap>(120, 120);
    B->Fill(clWhite);
    TCanvas &Canvas = B->Canvas();
    Canvas.Font.Name = QStringLiteral("DejaVu Sans");
    Canvas.Font.Height = -12;
    Canvas.Font.Color = clBlack;
    Canvas.Brush.Style = bsClear;
    Canvas.SetTextAlign(TA_LEFT | TA_TOP);
    const TFont Before = Canvas.Font;
    TextOutRotated(Canvas, 60, 60, Angle, QStringLiteral("Wide text"), Align);
    EXPECT_EQ(Canvas.Font, Before);
    EXPECT_EQ(Canvas.TextAlign(), unsigned(TA_LEFT | TA_TOP));
    return B;
}

// The bounding box of the non-white pixels.
TRect InkBox(const TBitmap &B) {
    TRect Box{B.Width(), B.Height(), 0, 0};
    for (int Y = 0; Y < B.Height(); ++Y)
        for (int X = 0; X < B.Width(); ++X)
            if (B.Pixel(X, Y) != clWhite)
                Box = {std::min(Box.Left, X), std::min(Box.Top, Y), std::max(Box.Right, X + 1),
                       std::max(Box.Bottom, Y + 1)};
    return Box;
}
} // namespace

TEST(DIBFX, TextOutRotatedTurnsCounterClockwiseAboutTheAlignedPoint) {
    const unsigned LeftBaseline = TA_LEFT | TA_BASELINE;
    // Reading upwards from (60, 60): the line runs up from Y, the glyphs stand left of X.
    const TRect Up = InkBox(*DrawRotatedText(90, LeftBaseline));
    EXPECT_GT(Up.Height(), 2 * Up.Width());
    EXPECT_NEAR(Up.Bottom, 60, 3);
    EXPECT_NEAR(Up.Right, 60, 3);
    // Reading downwards: the line runs down from Y, the glyphs stand right of X.
    const TRect Down = InkBox(*DrawRotatedText(270, LeftBaseline));
    EXPECT_GT(Down.Height(), 2 * Down.Width());
    EXPECT_NEAR(Down.Top, 60, 3);
    EXPECT_NEAR(Down.Left, 60, 3);
    // Unturned, centred on X and standing on the baseline at Y.
    const TRect Flat = InkBox(*DrawRotatedText(0, TA_CENTER | TA_BASELINE));
    EXPECT_GT(Flat.Width(), 2 * Flat.Height());
    EXPECT_NEAR((Flat.Left + Flat.Right) / 2.0, 60, 2);
    EXPECT_NEAR(Flat.Bottom, 60, 1);
    EXPECT_LT(Flat.Top, 60 - 6);
}

TEST(DIBFX, TextOutRotatedDropsWholeTurnsKeepingTheSign) {
    const unsigned Align = TA_CENTER | TA_BASELINE;
    const std::vector<uint32_t> Upright = Pixels(*DrawRotatedText(90, Align));
    EXPECT_EQ(Pixels(*DrawRotatedText(450, Align)), Upright);
    EXPECT_EQ(Pixels(*DrawRotatedText(-270, Align)), Upright);
    EXPECT_NE(Pixels(*DrawRotatedText(270, Align)), Upright);
}

TEST(DIBFX, EmptyAndSinglePixelBitmapsAreSafe) {
    for (int Size : {0, 1}) {
        TBitmap B(Size, Size), Other(Size, Size);
        B.Fill(RGB(10, 20, 30));
        AddNoise(B, 50);
        AddRasterNoise(B, 50);
        HalfTintRect(B, Rect(-1, -1, 5, 5), clWhite);
        ReplicateFirstRow(B);
        ApplyLightMap(Other, B);
        RotateBitmap(B, Other, 0, 45, 1, 1, 0);
        SmoothStretch(B, Other, Size, Size);
        EXPECT_EQ(Other.Width(), Size);
        HalveBitmap(B, false);
        EXPECT_EQ(B.Width(), Size);
        HalveBitmap(B, true);
        EXPECT_TRUE(B.Empty());
    }
}

} // namespace Vex
