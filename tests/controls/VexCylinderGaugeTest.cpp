#include "controls/VexCylinderGauge.h"
#include "TestDatabase.h"
#include "framework/VexVBlankTimer.h"
#include "platform/core/Errors.h"
#include "platform/data/VexDataSource.h"
#include "platform/data/VexTable.h"
#include "platform/streaming/ComponentStream.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QVariant>
#include <cfloat>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace Vex {

using namespace Qt::StringLiterals;

namespace {
constexpr TColor KWhite = 0xFFFFFF;
// White tinted half and half with red: the transparent indicator band.
constexpr TColor KHalfRed = RGB(254, 127, 127);

// Counts its paints, runs the flat-drum stage on its own, and lets tests drive frames.
class TProbeDrum : public TVexCylinderGauge {
public:
    using TVexCylinderGauge::TVexCylinderGauge;
    int Paints = 0;
    void DrawFlat() { DrawFlatDrum(); }
    void DrawScaleOnly() { DrawScale(); }

protected:
    void Paint(TCanvas &Canvas) override {
        ++Paints;
        TVexCylinderGauge::Paint(Canvas);
    }
};

struct Drum : ::testing::Test {
    QWidget Form;
    TProbeDrum D{&Form};

    // Frames come from the tests alone: the application's frame timer, which a new Position
    // wakes, would add its own whenever events are processed. Its beat is put out of reach
    // for the test.
    void SetUp() override {
        TVexVBlankTimer *Timer = TVexVBlankTimer::Instance();
        Timer->stop();
        Timer->setInterval(24 * 3600 * 1000);
    }
    void TearDown() override {
        TVexVBlankTimer *Timer = TVexVBlankTimer::Instance();
        Timer->stop();
        Timer->setInterval(TVexVBlankTimer::IntervalMs);
    }

    // Runs Count frame ticks; returns on how many of them a paint was asked for.
    int TicksPainted(int Count) {
        int Painted = 0;
        for (int K = 0; K < Count; ++K) {
            const int Before = D.Paints;
            D.FrameTick();
            QCoreApplication::processEvents();
            Painted += D.Paints > Before;
        }
        return Painted;
    }
    void Show() {
        Form.show();
        QCoreApplication::processEvents();
    }
    // The largest drum value over Count ticks.
    float Peak(int Count) {
        float Top = -FLT_MAX;
        for (int K = 0; K < Count; ++K) {
            D.FrameTick();
            Top = std::max(Top, D.DrumValue());
        }
        return Top;
    }
};

std::vector<int> LabelRows(const TVexCylinderGauge &G) {
    std::vector<int> Rows;
    for (const auto &L : G.Labels())
        Rows.push_back(L.Y);
    return Rows;
}
} // namespace

TEST_F(Drum, DefaultsAndSurfaces) {
    EXPECT_EQ(D.Width(), 40);
    EXPECT_EQ(D.Height(), 150);
    EXPECT_EQ(D.Drum().Width(), 80);
    EXPECT_EQ(D.Drum().Height(), 424);
    EXPECT_EQ(D.Buffer().Width(), 40);
    EXPECT_EQ(D.Buffer().Height(), 150);
    EXPECT_EQ(D.Font().Name, u"Arial"_s);
    EXPECT_EQ(D.Font().Size(), 16);
    EXPECT_EQ(D.DrumFont().Size(), 32);
    EXPECT_EQ(D.LabelOffset(), QFontMetrics(D.DrumFont().ToQFont()).height() / 2);
    EXPECT_FLOAT_EQ(D.Gain(), 1.0f / 6);
    EXPECT_FLOAT_EQ(D.Damping(), 1.85f);
    EXPECT_EQ(D.Max(), 500);
    EXPECT_EQ(D.ValueFormat(), u"0"_s);
    EXPECT_EQ(D.CylinderColor(), 8421504u);
    EXPECT_TRUE(D.Subscribed());
    EXPECT_EQ(TVexCylinderGauge::DrumSize(48, 129), QSize(96, 365));
    EXPECT_EQ(TVexCylinderGauge::DrumSize(89, 177), QSize(178, 501));
}

TEST_F(Drum, ScaleAtRestInDrumRows) {
    EXPECT_EQ(D.DrumOrigin(), 210);
    EXPECT_EQ(LabelRows(D), (std::vector<int>{210, 250, 290, 330, 370, 410}));
    EXPECT_EQ(D.Labels().front().Text, u"0"_s);
    EXPECT_EQ(D.Labels().back().Text, u"50"_s);
    // Every 10 rows to the bottom row that can hold one; labelled ones twice as long.
    ASSERT_EQ(D.Ticks().size(), 22u);
    for (size_t K = 0; K < D.Ticks().size(); ++K) {
        EXPECT_EQ(D.Ticks()[K].Y, 210 + 10 * int(K));
        EXPECT_EQ(D.Ticks()[K].Length, K % 4 == 0 ? 8 : 4) << K;
    }
}

TEST_F(Drum, ScaleEndsAtMaxAndStartsAtMin) {
    D.SetPosition(480);
    D.SetSluggishness(0);
    D.FrameTick();
    D.SetIndicatorWidth(3); // any setter renders
    // 480 shown at row 210: Min lies 1920 rows above, 490 and 500 below, nothing after Max.
    EXPECT_EQ(D.DrumOrigin(), 210 - 1920);
    EXPECT_EQ(LabelRows(D), (std::vector<int>{10, 50, 90, 130, 170, 210, 250, 290}));
    EXPECT_EQ(D.Labels().back().Text, u"500"_s);
    EXPECT_EQ(D.Ticks().back().Y, 290);

    D.SetMin(-100);
    D.SetPosition(-95);
    D.FrameTick();
    D.SetIndicatorWidth(2);
    EXPECT_EQ(D.DrumOrigin(), 190);
    EXPECT_EQ(D.Labels().front().Text, u"-100"_s);
    EXPECT_EQ(D.Labels().front().Y, 190);
}

TEST_F(Drum, ProjectionFillsTheTopRowsWithTheWholeDrum) {
    const std::vector<int> Rows = TVexCylinderGauge::ProjectionRows(424);
    ASSERT_EQ(Rows.size(), 299u); // drum rows 0 .. 298
    EXPECT_EQ(Rows.front(), 2);
    EXPECT_EQ(Rows[149], 212); // the middle of the drum, halfway down the window
    EXPECT_EQ(Rows.back(), 422);
    // Squeezed at the edges, stretched in the middle, never taking a row from above.
    EXPECT_EQ(Rows[1] - Rows[0], 3);
    EXPECT_EQ(Rows[147], 210);
    EXPECT_EQ(Rows[146], 210);
    for (size_t J = 0; J < Rows.size(); ++J)
        EXPECT_GT(Rows[J], int(J));
    EXPECT_TRUE(TVexCylinderGauge::ProjectionRows(0).empty());
    EXPECT_EQ(TVexCylinderGauge::ProjectionRows(2), std::vector<int>{1});
}

// The scale as the canvas draws it afresh: labels in the drum font centred on their rows, ticks
// as lines from the right edge.
QImage FreshScale(const TVexCylinderGauge &G) {
    TBitmap Plain(G.Drum().Width(), G.Drum().Height());
    Plain.Fill(clWhite);
    TCanvas &C = Plain.Canvas();
    C.Font = G.DrumFont();
    C.Brush.Style = bsClear;
    for (const auto &Label : G.Labels())
        C.TextOut(G.ScaleMargin(), Label.Y - G.LabelOffset(), Label.Text);
    C.Pen = TPen{G.TickColor(), G.TickWidth()};
    for (const auto &Tick : G.Ticks()) {
        C.MoveTo(Plain.Width(), Tick.Y);
        C.LineTo(Plain.Width() - Tick.Length, Tick.Y);
    }
    return Plain.Image().copy();
}

TEST_F(Drum, ReusedLabelsAndTicksMatchAFreshDrawing) {
    const auto Check = [&](const char *What) {
        // The first drawing makes the reused pictures, the second only puts them.
        for (int Pass = 0; Pass < 2; ++Pass) {
            D.DrawScaleOnly();
            EXPECT_EQ(D.Drum().Image(), FreshScale(D)) << What << " pass " << Pass;
        }
    };
    Check("defaults");
    D.SetSluggishness(0);
    D.SetPosition(123.4f);
    D.FrameTick();
    Check("rolled");
    for (const int Width : {0, 1, 3, 8}) {
        D.SetTickWidth(Width);
        Check("tick width");
    }
    D.SetTickColor(clBlue);
    D.SetValueSpacing(36);
    D.SetTicksPerValue(5);
    D.SetTickLength(11);
    TFont Font = D.Font();
    Font.Height = -13;
    Font.Style = fsItalic | fsBold;
    Font.Color = clNavy;
    D.SetFont(Font);
    Check("demonstration look");
    D.SetValueFormat(u"0.00 'units'"_s); // wider than the drum
    Check("long labels");
    Font.Height = -300; // labels larger than the drum are drawn afresh
    D.SetFont(Font);
    ASSERT_FALSE(D.Labels().empty());
    Check("huge labels");
}

TEST_F(Drum, IndicatorBandAndEdgeShadingOnTheFlatDrum) {
    // Column 60 holds neither labels nor ticks.
    D.DrawFlat();
    const TBitmap &Flat = D.Drum();
    EXPECT_EQ(Flat.Pixel(60, 209), KWhite);
    for (int Y = 210; Y <= 214; ++Y)
        EXPECT_EQ(Flat.Pixel(60, Y), KHalfRed) << Y;
    EXPECT_EQ(Flat.Pixel(60, 215), KWhite);
    // Grey 128 darkens the edge rows to black, a quarter of the way down by 75 of 255.
    EXPECT_EQ(Flat.Pixel(60, 0), clBlack);
    EXPECT_EQ(Flat.Pixel(60, 106), RGB(180, 180, 180));

    D.SetIndicatorTransparent(false);
    D.SetCylinderColor(clNavy);
    D.DrawFlat();
    for (int Y = 210; Y <= 213; ++Y)
        EXPECT_EQ(Flat.Pixel(60, Y), clRed) << Y;
    EXPECT_EQ(Flat.Pixel(60, 214), KWhite);
    // A navy cylinder keeps more blue toward its edges.
    EXPECT_EQ(Flat.Pixel(60, 106), RGB(143, 143, 180));

    D.SetIndicatorWidth(0);
    D.DrawFlat();
    EXPECT_EQ(Flat.Pixel(60, 212), KWhite);
}

TEST_F(Drum, ReducedCylinderInTheControl) {
    const TBitmap &B = D.Buffer();
    // The band, 5 flat rows, is stretched to 7 bent rows and halved: 3 whole rows and a blend.
    EXPECT_EQ(B.Pixel(25, 72), KWhite);
    for (int Y = 73; Y <= 75; ++Y)
        EXPECT_EQ(B.Pixel(25, Y), KHalfRed) << Y;
    EXPECT_NE(B.Pixel(25, 76), KHalfRed);
    EXPECT_GT(GetRValue(B.Pixel(25, 76)), GetGValue(B.Pixel(25, 76)));
    // Dark at the top and the bottom of the window, bright in the middle.
    EXPECT_LT(GetRValue(B.Pixel(25, 1)), 40);
    EXPECT_LT(GetRValue(B.Pixel(25, 148)), 40);
    EXPECT_EQ(B.Pixel(25, 70), KWhite);
    // The labelled tick of 0 hangs from the right edge on the band's first row, tinted by it.
    EXPECT_EQ(B.Pixel(39, 73), RGB(127, 0, 0));
    EXPECT_EQ(B.Pixel(34, 73), KHalfRed);
}

TEST_F(Drum, RollsToTheTargetStepByStep) {
    D.SetPosition(100);
    D.FrameTick();
    EXPECT_FLOAT_EQ(D.Velocity(), 16.666668f);
    EXPECT_FLOAT_EQ(D.DrumValue(), 2.7777781f);
    EXPECT_FLOAT_EQ(D.ShownValue(), 2.7777781f);
    D.FrameTick();
    EXPECT_FLOAT_EQ(D.Velocity(), 27.731483f);
    EXPECT_FLOAT_EQ(D.DrumValue(), 7.399692f);
    D.FrameTick();
    EXPECT_FLOAT_EQ(D.DrumValue(), 13.168747f);
    // No overshoot with the defaults.
    EXPECT_LE(Peak(400), 100.0f);
    EXPECT_TRUE(D.Settled());
}

TEST_F(Drum, PaintsUntilSettledThenStops) {
    Show();
    D.SetPosition(100);
    // 95 ticks leave it further than 0.0001 from 100; the 96th arrives and is shown.
    EXPECT_EQ(TicksPainted(95), 95);
    EXPECT_FALSE(D.Settled());
    EXPECT_EQ(TicksPainted(1), 1);
    EXPECT_TRUE(D.Settled());
    EXPECT_EQ(TicksPainted(100), 0);
    // The next target starts from where the drum is.
    D.SetPosition(90);
    EXPECT_EQ(TicksPainted(1), 1);
    EXPECT_LT(D.ShownValue(), 100.0f);
}

TEST_F(Drum, DampingFollowsStabilizeTime) {
    D.SetStabilizeTime(100);
    EXPECT_FLOAT_EQ(D.Damping(), 1.0f);
    D.SetPosition(100);
    EXPECT_NEAR(Peak(400), 114.6f, 0.05f); // about 15 % over

    D.SetStabilizeTime(250); // refused
    EXPECT_EQ(D.StabilizeTime(), 100);

    TVexCylinderGauge Undamped(&Form);
    Undamped.SetStabilizeTime(200);
    EXPECT_EQ(Undamped.Damping(), 0.0f);
    Undamped.SetPosition(100);
    float Late = 0;
    for (int K = 0; K < 2000; ++K) {
        Undamped.FrameTick();
        if (K >= 1800)
            Late = std::max(Late, Undamped.DrumValue());
    }
    EXPECT_GT(Late, 190.0f); // still swinging as wide as the first time
}

TEST_F(Drum, HiddenDrumKeepsRolling) {
    Show();
    D.hide();
    D.SetPosition(100);
    EXPECT_EQ(TicksPainted(50), 0);
    EXPECT_GT(D.ShownValue(), 90.0f);
    D.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(TicksPainted(1), 1); // still on its way
}

TEST_F(Drum, TheFrameTimerSleepsAtRestAndWakesOnANewPosition) {
    TVexVBlankTimer *Timer = TVexVBlankTimer::Instance();
    Show();
    // Frames come from the timer's own tick here; it stops itself after a frame nobody needs.
    Timer->start();
    Timer->Tick();
    EXPECT_FALSE(Timer->isActive());
    D.SetPosition(100);
    EXPECT_TRUE(Timer->isActive());
    int Frames = 0;
    while (Timer->isActive() && Frames < 1000) {
        Timer->Tick();
        ++Frames;
    }
    // Asleep after the 96th frame, the one that arrived.
    EXPECT_EQ(Frames, 96);
    EXPECT_TRUE(D.Settled());
    QCoreApplication::processEvents();
    const int Paints = D.Paints;
    Timer->Tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(D.Paints, Paints);
    // The same Position starts nothing; a hidden drum still rolls to a new one.
    D.SetPosition(100);
    EXPECT_FALSE(Timer->isActive());
    D.hide();
    D.SetPosition(0);
    EXPECT_TRUE(Timer->isActive());
    Timer->Tick();
    EXPECT_TRUE(Timer->isActive());
    EXPECT_LT(D.ShownValue(), 100.0f);
    EXPECT_EQ(D.Paints, Paints);
}

TEST_F(Drum, WithoutSluggishnessTheNextFrameShowsThePosition) {
    Show();
    D.SetSluggishness(0);
    EXPECT_EQ(D.Gain(), 1.0f);
    D.SetPosition(100);
    EXPECT_EQ(TicksPainted(1), 1);
    EXPECT_EQ(D.ShownValue(), 100.0f);
    EXPECT_EQ(D.DrumValue(), 0.0f); // no motion
    EXPECT_EQ(D.DrumOrigin(), 210 - 400);
    EXPECT_EQ(TicksPainted(5), 0);
}

TEST_F(Drum, SluggishnessAtOrBelowMinusOneIsRefused) {
    D.SetSluggishness(-1);
    D.SetSluggishness(-7);
    D.SetSluggishness(NAN);
    EXPECT_EQ(D.Sluggishness(), 5);
    EXPECT_FLOAT_EQ(D.Gain(), 1.0f / 6);
    D.SetSluggishness(24);
    EXPECT_FLOAT_EQ(D.Gain(), 0.04f);
    D.SetSluggishness(-0.5f); // shows without motion, like 0
    D.SetPosition(7);
    D.FrameTick();
    EXPECT_EQ(D.ShownValue(), 7.0f);
}

TEST_F(Drum, LargeValuesComeToRest) {
    // Near 5000 a float cannot come within 0.0001 of the target: the drum stops where the
    // arithmetic stops, and so do the paints.
    Show();
    D.SetMax(10000);
    D.SetPosition(5000);
    const int Painted = TicksPainted(300);
    EXPECT_LT(Painted, 160);
    EXPECT_TRUE(D.Settled());
    EXPECT_NEAR(D.ShownValue(), 5000.0f, 0.01f);
    EXPECT_EQ(TicksPainted(50), 0);
}

TEST_F(Drum, ASwingBeyondTheFloatRangeComesToRestOnTheTarget) {
    D.SetStabilizeTime(200);
    D.SetPosition(FLT_MAX);
    for (int K = 0; K < 200; ++K)
        D.FrameTick();
    EXPECT_TRUE(std::isfinite(D.DrumValue()));
    EXPECT_TRUE(std::isfinite(D.ShownValue()));
}

TEST_F(Drum, TicksPerValueZeroDrawsTheLabelledTicksOnly) {
    D.SetTicksPerValue(-1); // refused
    EXPECT_EQ(D.TicksPerValue(), 4);
    D.SetTicksPerValue(0);
    EXPECT_EQ(D.TicksPerValue(), 0);
    ASSERT_EQ(D.Ticks().size(), D.Labels().size());
    for (size_t K = 0; K < D.Ticks().size(); ++K) {
        EXPECT_EQ(D.Ticks()[K].Y, D.Labels()[K].Y);
        EXPECT_EQ(D.Ticks()[K].Length, 8);
    }
    D.SetTickLength(0);
    EXPECT_TRUE(D.Ticks().empty());
}

TEST_F(Drum, ValidatingSettersRefuseBadValues) {
    for (const float Bad : {NAN, INFINITY, -INFINITY}) {
        D.SetPosition(Bad);
        D.SetMin(Bad);
        D.SetMax(Bad);
        D.SetStep(Bad);
        D.SetStabilizeTime(Bad);
    }
    D.SetMax(0);              // not above Min
    D.SetStep(0);             // not positive
    D.SetStep(float(1e-300)); // no float is that small: 0
    D.SetTickLength(-1);
    D.SetIndicatorWidth(-1);
    D.SetScaleMargin(-1);
    D.SetTickWidth(-1);
    EXPECT_EQ(D.Position(), 0);
    EXPECT_EQ(D.Min(), 0);
    EXPECT_EQ(D.Max(), 500);
    EXPECT_EQ(D.Step(), 10);
    EXPECT_EQ(D.StabilizeTime(), 15);
    EXPECT_EQ(D.TickLength(), 4);
    EXPECT_EQ(D.IndicatorWidth(), 2);
    EXPECT_EQ(D.ScaleMargin(), 1);
    EXPECT_EQ(D.TickWidth(), 2);
    // Min is not checked against Max; its label is drawn all the same, and no other.
    D.SetSluggishness(0);
    D.SetPosition(600);
    D.FrameTick();
    D.SetMin(600);
    EXPECT_EQ(D.Min(), 600);
    ASSERT_EQ(D.Labels().size(), 1u);
    EXPECT_EQ(D.Labels().front().Text, u"600"_s);
}

TEST_F(Drum, AbsurdScalesRenderBoundedWork) {
    const int Hd = D.Drum().Height();
    const auto Bounded = [&] {
        D.grab();
        EXPECT_LE(D.Labels().size(), size_t(Hd + 2));
        EXPECT_LE(D.Ticks().size(), size_t(Hd + 2));
    };
    D.SetStep(std::numeric_limits<float>::denorm_min());
    D.SetPosition(100);
    D.SetSluggishness(0);
    D.FrameTick();
    Bounded();
    EXPECT_FALSE(D.Labels().empty());
    D.SetStep(10);
    D.SetValueSpacing(0); // every label on one row
    Bounded();
    D.SetValueSpacing(-40); // the scale runs upwards
    Bounded();
    D.SetValueSpacing(INT_MAX);
    D.SetTicksPerValue(INT_MAX);
    D.SetTickLength(INT_MAX);
    D.SetTickWidth(100000);
    D.SetIndicatorWidth(INT_MAX);
    Bounded();
    D.SetIndicatorTransparent(false);
    D.SetPosition(-FLT_MAX);
    D.FrameTick();
    Bounded();
    D.SetBounds(0, 0, 0, 0);
    EXPECT_TRUE(D.Drum().Empty());
    D.grab();
    D.SetBounds(0, 0, 3000, 8000);
    D.grab();
}

TEST_F(Drum, FollowsANumericField) {
    TTestDatabase Db;
    TVexTable Table;
    TVexDataSource Source;
    Table.SetDatabase(Db.Database());
    Table.SetTableName(u"employee"_s);
    Source.SetDataSet(&Table);
    D.SetDataSource(&Source);
    D.SetDataField(u"Salary"_s);
    Table.Open();
    EXPECT_EQ(D.Position(), 40000);
    Table.Next();
    EXPECT_EQ(D.Position(), 55500);
    D.FrameTick();
    EXPECT_GT(D.ShownValue(), 0.0f); // rolling toward it
    // A number beyond the float range rolls the drum off its scale; a NULL reads as 0.
    Table.SetFieldValue(u"Salary"_s, 1e300);
    EXPECT_EQ(D.Position(), FLT_MAX);
    Table.SetFieldValue(u"Salary"_s, QVariant());
    EXPECT_EQ(D.Position(), 0);
    // A text field has no number to show.
    D.SetDataField(u"LastName"_s);
    EXPECT_EQ(D.Position(), 0);
    D.grab();
}

TEST_F(Drum, ControlFileRoundTrip) {
    TFont Font = D.Font();
    Font.Height = -13;
    D.SetFont(Font);
    D.SetMin(-100);
    D.SetMax(100);
    D.SetValueSpacing(36);
    D.SetTicksPerValue(5);
    D.SetTickLength(11);
    D.SetIndicatorColor(clGray);
    D.SetIndicatorWidth(6);
    D.SetScaleMargin(2);
    D.SetCylinderColor(clNavy);
    D.SetSluggishness(24);
    D.SetStabilizeTime(150);
    D.SetStep(2.5f);
    D.SetValueFormat(u"0.0"_s);
    D.SetPosition(42.5f);
    D.SetBounds(0, 0, 48, 129);
    const QString Saved = WriteComponentText(D);

    TVexCylinderGauge Copy(&Form);
    ReadComponentText(Copy, Saved, u"drum"_s);
    for (const char *Name : {"Font",
                             "StabilizeTime",
                             "Sluggishness",
                             "Position",
                             "Min",
                             "Max",
                             "ValueSpacing",
                             "TicksPerValue",
                             "TickColor",
                             "TickLength",
                             "IndicatorColor",
                             "IndicatorWidth",
                             "IndicatorTransparent",
                             "Step",
                             "ValueFormat",
                             "ScaleMargin",
                             "CylinderColor",
                             "TickWidth",
                             "Width",
                             "Height"})
        EXPECT_EQ(Copy.property(Name), D.property(Name)) << Name;
    EXPECT_FLOAT_EQ(Copy.Gain(), 0.04f);
    EXPECT_EQ(Copy.Drum().Height(), 365);
    // Loaded renders the drum at its new size and scale, at rest on 0: -12.5 is the first
    // label below the top edge.
    EXPECT_EQ(Copy.DrumOrigin(), 129 - 1440 + 52);
    EXPECT_EQ(Copy.Labels().front().Y, 1);
    EXPECT_EQ(Copy.Labels().front().Text, u"-12.5"_s);

    // A value no float can hold spoils the file, and the drum keeps its properties.
    QString Bad = Saved;
    Bad.replace(u"Step = 2.5"_s, u"Step = 1E-300"_s);
    ASSERT_NE(Bad, Saved);
    EXPECT_THROW(ReadComponentText(Copy, Bad, u"drum"_s), EVexError);
    EXPECT_EQ(Copy.Step(), 2.5f);
}

TEST(DrumDesign, DesigningDrumShowsEachPositionAtOnce) {
    QWidget Surface;
    Surface.setProperty("VexDesigning", true);
    TVexCylinderGauge D(&Surface);
    EXPECT_TRUE(D.IsDesigning());
    const QImage Before = D.Buffer().Image().copy();
    D.SetPosition(100);
    EXPECT_EQ(D.ShownValue(), 100.0f);
    EXPECT_EQ(D.DrumOrigin(), 150 - 400 + 60);
    EXPECT_NE(D.Buffer().Image(), Before);
}

} // namespace Vex
