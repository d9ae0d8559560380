#include "controls/VexLCD.h"
#include "TestDatabase.h"
#include "controls/VexMatrix.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Component.h"
#include "platform/format/FloatFormat.h"
#include "platform/streaming/ComponentStream.h"

#include <QCoreApplication>
#include <QImage>
#include <cfloat>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace Vex {

using namespace Qt::StringLiterals;

namespace {
struct LCD : ::testing::Test {
    QWidget Form;
    TVexLCD L{&Form};
    // The halved picture the control shows.
    QImage Shown() const { return L.Buffer().Image().copy(0, 0, L.Width(), L.Height()); }
};

bool IsBlack(QRgb P) {
    return P == qRgb(0, 0, 0);
}

// The picture has something of the segment colour in the rectangle (control pixels).
bool AnyBlack(const QImage &Image, const QRect &R) {
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (IsBlack(Image.pixel(X, Y)))
                return true;
    return false;
}
} // namespace

TEST_F(LCD, DefaultsAndGeometryAtTheDefaultSize) {
    EXPECT_EQ(L.Value(), 0.0f);
    EXPECT_EQ(L.Color(), 2130048u);
    EXPECT_EQ(L.ShadowColor(), 4210752u);
    EXPECT_EQ(L.SegmentColor(), 0u);
    EXPECT_EQ(L.Format(), u"0.00"_s);
    EXPECT_EQ(L.CharWidth(), 0.5f);
    EXPECT_EQ(L.SegmentWidth(), 0.1f);
    EXPECT_EQ(L.LightIntensity(), 80.0f);
    EXPECT_EQ(L.HMargin(), 8);
    EXPECT_EQ(L.GradientRate(), 2.0f);
    EXPECT_EQ(L.Width(), 360);
    EXPECT_EQ(L.Height(), 100);
    EXPECT_EQ(L.Buffer().Width(), 720);
    EXPECT_EQ(L.Buffer().Height(), 200);

    EXPECT_EQ(L.DisplayText(), u"0.00"_s);
    EXPECT_EQ(L.Geometry(), (TVexLCD::TGeometry{160, 80, 16, 3, 6, 20}));
    EXPECT_EQ(L.CellLefts(), (std::vector<int>{400, 440, 536, 632}));

    // h 80, t 8: the ring, the middle bar and the point.
    EXPECT_EQ(L.Segment(TVexLCD::sgUpperLeft),
              (TVexShape{{{0, 3}, {0, 77}, {16, 69}, {16, 19}, {0, 3}, {0, 3}}}));
    EXPECT_EQ(L.Segment(TVexLCD::sgLowerRight),
              (TVexShape{{{80, 83}, {80, 157}, {64, 141}, {64, 91}, {80, 83}, {80, 83}}}));
    EXPECT_EQ(L.Segment(TVexLCD::sgMiddle),
              (TVexShape{{{3, 80}, {19, 72}, {61, 72}, {77, 80}, {61, 88}, {19, 88}}}));
    EXPECT_EQ(L.Segment(TVexLCD::sgPoint),
              (TVexShape{{{61, 160}, {77, 160}, {77, 144}, {61, 144}, {61, 160}, {61, 160}}}));
}

TEST_F(LCD, LowerVerticalsEndAtTwiceHalfTheOddCellHeight) {
    L.SetBounds(0, 0, 360, 53); // Hc = rnd(106 * 0.8) = 85, h = 42
    EXPECT_EQ(L.Geometry().CellHeight, 85);
    const int g = L.Geometry().Gap;
    EXPECT_EQ(L.Segment(TVexLCD::sgLowerLeft)[1], (TPoint{0, 84 - g}));
    EXPECT_EQ(L.Segment(TVexLCD::sgBottom)[0], (TPoint{g, 85}));
}

TEST_F(LCD, DigitsAreBlackWithAGreyShadowDownRight) {
    const QImage P = Shown();
    // The decimal point spans double-size x 501 .. 517, y 164 .. 180; its shadow 6 further.
    EXPECT_TRUE(IsBlack(P.pixel(254, 86)));
    EXPECT_EQ(P.pixel(259, 88), qRgb(64, 64, 64));
    // The middle of a 0 is background, as is everything above the cells.
    EXPECT_FALSE(AnyBlack(P, QRect(330, 45, 12, 10)));
    EXPECT_FALSE(AnyBlack(P, QRect(0, 0, 360, 9)));
    // The left verticals of the three 0s; nothing left of the first cell.
    for (const int X : {201, 269, 317})
        EXPECT_TRUE(IsBlack(P.pixel(X, 30))) << X;
    EXPECT_FALSE(AnyBlack(P, QRect(0, 0, 199, 100)));
}

TEST_F(LCD, BackgroundIsTintedLitBySineAndGrainy) {
    // Per channel, over the 2 x 2 block: tint + wave level + grain 0 .. 39, clamped.
    const QImage P = Shown();
    const auto Within = [&](int X, int Red, int Blue) {
        for (int Y = 0; Y < 9; ++Y) {
            const QRgb C = P.pixel(X, Y);
            EXPECT_GE(qRed(C), Red) << X;
            EXPECT_LE(qRed(C), Red + 39) << X;
            EXPECT_EQ(qGreen(C), qRed(C)) << X;
            EXPECT_GE(qBlue(C), Blue) << X;
            EXPECT_LE(qBlue(C), Blue + 39) << X;
        }
    };
    Within(0, 128, 32);    // sin 0
    Within(141, 208, 112); // sin(282 / 360 * 2) and sin(283 / 360 * 2) are 1 to 80 levels
    Within(359, 68, 0);    // -60 levels: blue 32 - 60 clamps to 0
    // Grain: the row is not flat.
    QSet<QRgb> Seen;
    for (int X = 0; X < 40; ++X)
        Seen.insert(P.pixel(X, 2));
    EXPECT_GT(Seen.size(), 5);
}

TEST_F(LCD, NegativeValuesBlanksAndUnknownCharactersAdvanceTheirCells) {
    L.SetValue(-12.5f);
    EXPECT_EQ(L.DisplayText(), u"-12.50"_s);
    // The point advances half a cell (40), everything else 1.2 cells (96).
    EXPECT_EQ(L.CellLefts(), (std::vector<int>{208, 304, 400, 440, 536, 632}));
    // The minus is the middle bar alone.
    EXPECT_TRUE(IsBlack(Shown().pixel(124, 50)));
    EXPECT_FALSE(AnyBlack(Shown(), QRect(105, 12, 38, 30)));

    L.SetFormat(u"0 0"_s);
    L.SetValue(12);
    EXPECT_EQ(L.CellLefts(), (std::vector<int>{440, 536, 632}));
    EXPECT_FALSE(AnyBlack(Shown(), QRect(268, 0, 47, 100)));

    L.SetFormat(u"0.0E+00"_s);
    EXPECT_EQ(L.DisplayText(), u"1.2E+01"_s);
    EXPECT_EQ(L.CellLefts().size(), 7u);
    EXPECT_EQ(L.CellLefts().front(), 632 - 5 * 96 - 40);
}

TEST_F(LCD, CommaAsDecimalSeparatorDrawsThePoint) {
    SetDecimalSeparator(u',');
    L.SetValue(0);
    SetDecimalSeparator(u'.');
    EXPECT_EQ(L.DisplayText(), u"0,00"_s);
    EXPECT_EQ(L.CellLefts(), (std::vector<int>{400, 440, 536, 632}));
    EXPECT_TRUE(IsBlack(Shown().pixel(254, 86)));
}

TEST_F(LCD, RefusesBadValuesAndRebuildsOnEveryChange) {
    L.SetValue(3);
    for (const float Bad : {NAN, INFINITY, -INFINITY}) {
        L.SetValue(Bad);
        L.SetCharWidth(Bad);
        L.SetSegmentWidth(Bad);
        L.SetLightIntensity(Bad);
        L.SetGradientRate(Bad);
    }
    L.SetGradientRate(0);
    L.SetGradientRate(-1);
    EXPECT_EQ(L.Value(), 3.0f);
    EXPECT_EQ(L.CharWidth(), 0.5f);
    EXPECT_EQ(L.SegmentWidth(), 0.1f);
    EXPECT_EQ(L.LightIntensity(), 80.0f);
    EXPECT_EQ(L.GradientRate(), 2.0f);

    // Each rebuild draws new grain; an unchanged margin does not rebuild.
    QImage Before = Shown();
    L.SetHMargin(8);
    EXPECT_EQ(Shown(), Before);
    L.SetValue(3);
    EXPECT_NE(Shown(), Before);
    Before = Shown();
    L.SetHMargin(20);
    EXPECT_NE(Shown(), Before);
    EXPECT_EQ(L.CellLefts().back(), 620);
}

TEST_F(LCD, EmptySizesSkipTheRebuild) {
    L.SetBounds(0, 0, 0, 100);
    L.SetValue(5);
    EXPECT_EQ(L.CellLefts().back(), 632); // from the last rebuild at 360 x 100
    L.SetBounds(0, 0, 200, 0);
    L.SetBounds(0, 0, 200, 50);
    EXPECT_EQ(L.Geometry().CellHeight, 80);
    EXPECT_EQ(L.CellLefts().back(), 400 - 40 - 8);
}

TEST_F(LCD, AbsurdInputRendersWithoutOverflow) {
    // A picture of 20000 digits is refused; the longest one taken runs off the left edge and
    // only the cells that show are walked.
    const QString Before = L.Format();
    L.SetFormat(QString(20000, u'0'));
    EXPECT_EQ(L.Format(), Before);
    L.SetFormat(QString(KMaxPictureLength, u'0'));
    ASSERT_EQ(L.DisplayText().size(), KMaxPictureLength);
    EXPECT_EQ(L.CellLefts().size(), 8u);
    EXPECT_LT(L.CellLefts().front(), 0);

    L.SetFormat(u"0.00"_s);
    L.SetLightIntensity(1e30f);
    EXPECT_EQ(Shown().pixel(141, 2), qRgb(255, 255, 255));
    for (const int Margin : {INT_MIN, INT_MAX}) {
        L.SetHMargin(Margin);
        EXPECT_TRUE(L.CellLefts().empty());
    }
    L.SetHMargin(8);
    for (const float Ratio : {FLT_MAX, -FLT_MAX, 0.0f}) {
        L.SetCharWidth(Ratio);
        L.SetSegmentWidth(-Ratio);
        Shown();
    }
    EXPECT_EQ(L.Geometry().CellWidth, 0);
}

TEST_F(LCD, StreamsItsPropertiesAndRendersOnceLoaded) {
    L.SetValue(-7.25f);
    L.SetColor(clGray);
    L.SetShadowColor(clSilver);
    L.SetSegmentColor(clNavy);
    L.SetFormat(u"0.0"_s);
    L.SetCharWidth(0.6f);
    L.SetSegmentWidth(0.12f);
    L.SetLightIntensity(100);
    L.SetHMargin(26);
    L.SetGradientRate(1.5f);
    const QString Saved = WriteComponentText(L);
    EXPECT_TRUE(Saved.contains(u"Align = alNone"_s));

    TVexLCD Copy(&Form);
    ReadComponentText(Copy, Saved, u"lcd"_s);
    EXPECT_EQ(WriteComponentText(Copy), Saved);
    EXPECT_EQ(Copy.DisplayText(), u"-7.3"_s);
    EXPECT_EQ(Copy.Geometry().CellWidth, 96);
    EXPECT_EQ(Copy.CellLefts().back(), 720 - 96 - 26);
    // The top bar of the last digit, a 3, in the segment colour.
    EXPECT_EQ(Copy.Buffer().Image().pixel(Copy.CellLefts().back() / 2 + 24, 16), qRgb(0, 0, 128));

    // Built inside a loading scope: nothing is drawn until Loaded.
    TVexLCD *Built;
    {
        TLoadingScope Scope;
        Built = new TVexLCD(&Form);
        Built->SetValue(1234);
        EXPECT_TRUE(Built->CellLefts().empty());
    }
    EXPECT_EQ(Built->CellLefts().size(), 7u);
}

struct LCDData : TEmployeeTableTest {
    QWidget Form;
    TVexLCD L{&Form};
    void SetUp() override {
        TEmployeeTableTest::SetUp();
        Db.Exec("INSERT INTO employee VALUES (4, 'Null', NULL)");
        Db.Exec("INSERT INTO employee VALUES (5, 'Text', 'unknown')");
        Db.Exec("INSERT INTO employee VALUES (6, 'Huge', 1e300)");
        L.SetDataSource(&Source);
        L.SetDataField(u"Salary"_s);
        Table.Open();
    }
};

TEST_F(LCDData, FollowsANumericFieldAndBlanksWithoutANumber) {
    EXPECT_EQ(L.Value(), 40000.0f);
    EXPECT_EQ(L.DisplayText(), u"40000.00"_s);
    Table.Next();
    EXPECT_EQ(L.DisplayText(), u"55500.00"_s);
    Table.SetFieldValue(u"Salary"_s, 61250.5);
    EXPECT_EQ(L.DisplayText(), u"61250.50"_s);

    Table.SetRecNo(3); // NULL
    EXPECT_EQ(L.DisplayText(), QString());
    EXPECT_FALSE(AnyBlack(L.Buffer().Image(), QRect(0, 0, 360, 100)));
    Table.SetRecNo(4); // text
    EXPECT_EQ(L.DisplayText(), QString());
    Table.SetRecNo(5); // beyond the float range: clamped
    EXPECT_EQ(L.Value(), FLT_MAX);
    EXPECT_EQ(L.CellLefts().front(), L.CellLefts()[1] - 96);
    Table.First();
    EXPECT_EQ(L.DisplayText(), u"40000.00"_s);
    EXPECT_TRUE(Errors.isEmpty());
}

// Neither display moves by itself: whatever they show, they never keep the frame timer awake.
TEST(Displays, NeverKeepTheFrameTimerAwake) {
    QWidget Form;
    TVexLCD L(&Form);
    TVexMatrix M(&Form);
    M.SetBounds(0, 120, 310, 34);
    Form.show();
    QCoreApplication::processEvents();
    TVexVBlankTimer *Timer = TVexVBlankTimer::Instance();
    Timer->start();
    Timer->Tick();
    EXPECT_FALSE(Timer->isActive());
    L.SetValue(12.5f);
    M.SetText(u"CHANGED"_s);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Timer->isActive());
}

} // namespace Vex
