#include "DemoPageTest.h"
#include "controls/VexDBLabel.h"
#include "controls/VexGauge.h"
#include "controls/VexSlider.h"
#include "demo/VexComponentsDemo_FrameGaugePropertyEditor.h"
#include "editors/fmVexGaugeCE.h"
#include "platform/core/Maths.h"

#include <QListWidget>

namespace Vex {

namespace {
QList<TVexGauge *> Gauges(const QWidget *Page) {
    return Page->findChildren<TVexGauge *>();
}

TEST_F(DemoPages, GaugeOverviewPlacesSixGaugesWithTheirLooks) {
    TDemoPage *Page = Open(QStringLiteral("VexGauge"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->objectName(), "TfrmGauge1");
    ASSERT_EQ(Gauges(Page).size(), 6);
    for (TVexGauge *G : Gauges(Page)) {
        EXPECT_TRUE(G->AllowInput());
        EXPECT_EQ(G->MouseInputType(), TVexGraphicControl::mitAngular);
        EXPECT_EQ(G->StabilizationTime(), 5);
    }
    auto *G24 = Page->Component<TVexGauge>(QStringLiteral("VexGauge24"));
    EXPECT_EQ(G24->geometry(), QRect(16, 120, 161, 161));
    EXPECT_EQ(G24->ResourceImageIndex(), 14);
    EXPECT_EQ(G24->ArrowType(), TVexGauge::atSharpCross);
    EXPECT_EQ(G24->UnitString(), "rpm");
    EXPECT_EQ(G24->UnitFont().Style, TFontStyles(fsBold));
    EXPECT_EQ(G24->UnitChoordY(), 20);
    EXPECT_EQ(G24->Inertia(), 80);
    auto *G30 = Page->Component<TVexGauge>(QStringLiteral("VexGauge30"));
    EXPECT_EQ(G30->Min(), 2);
    EXPECT_EQ(G30->Max(), 6);
    EXPECT_EQ(G30->ScaleFormat(), "0.0");
    EXPECT_TRUE(G30->UnitFont().IsSymbol());
    auto *G28 = Page->Component<TVexGauge>(QStringLiteral("VexGauge28"));
    EXPECT_EQ(G28->geometry(), QRect(16, 288, 161, 161));
    EXPECT_EQ(G28->ValueType(), TVexGauge::vtStandard);
    EXPECT_EQ(G28->ValueFont().Color, clOlive);
    EXPECT_EQ(G28->ValueChoordY(), 28);
    auto *G8 = Page->Component<TVexGauge>(QStringLiteral("VexGauge8"));
    EXPECT_EQ(G8->MinAngle(), 245);
    EXPECT_EQ(G8->MaxAngle(), -2);
    EXPECT_EQ(G8->TickCount(), 81);
    EXPECT_EQ(G8->MajorTickInterval(), 10);
    EXPECT_EQ(G8->UnitString(), QString::fromUtf8("\u00baC"));
    auto *G25 = Page->Component<TVexGauge>(QStringLiteral("VexGauge25"));
    EXPECT_TRUE(G25->TicksConnected());
    EXPECT_EQ(G25->ShadowColor(), RGB(78, 78, 78));
    EXPECT_EQ(G25->ShadowPtX(), 0);
    EXPECT_EQ(G25->TickColor(), clSilver);
    auto *Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
    EXPECT_EQ(Timer->Interval(), 500);
    EXPECT_TRUE(Timer->Running());
}

TEST_F(DemoPages, RandomNeedlesMoveAboutAFifthOfTheGaugesPerTick) {
    TDemoPage *Page = Open(QStringLiteral("VexGauge"));
    ASSERT_NE(Page, nullptr);
    auto *Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
    auto *G30 = Page->Component<TVexGauge>(QStringLiteral("VexGauge30"));
    SetRandSeed(7);
    int Moves = 0, G30Moves = 0, TicksAtMax = 0;
    constexpr int KTicks = 400;
    for (int Tick = 0; Tick < KTicks; ++Tick) {
        std::vector<float> Before;
        for (TVexGauge *G : Gauges(Page))
            Before.push_back(G->Float());
        Timer->Fire();
        for (int I = 0; I < Gauges(Page).size(); ++I)
            Moves += Gauges(Page)[I]->Float() != Before[size_t(I)];
        G30Moves += G30->Float() != Before[2];
        TicksAtMax += G30->Float() == 6;
        EXPECT_GE(G30->Float(), 2);
        EXPECT_LE(G30->Float(), 6);
    }
    // One chance in five for each of six gauges.
    EXPECT_NEAR(Moves / double(KTicks * 6), 0.2, 0.04);
    // Targets run from 2 to 9.999 on a scale that ends at 6: about half of them are held at
    // the end, so the needle rests there about half of the time.
    EXPECT_GT(G30Moves, 40);
    EXPECT_NEAR(TicksAtMax / double(KTicks), 0.5, 0.15);
}

TEST_F(DemoPages, VuGaugesKeepTheirPanelShapeAndOutwardTicks) {
    TDemoPage *Page = Open(QStringLiteral("VexGauge"), QStringLiteral("VU-type gauges"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->objectName(), "TfrmVexGauge2");
    ASSERT_EQ(Gauges(Page).size(), 3);
    auto *G13 = Page->Component<TVexGauge>(QStringLiteral("VexGauge13"));
    // Not squared once shown.
    EXPECT_EQ(G13->geometry(), QRect(239, 16, 218, 169));
    EXPECT_FALSE(G13->ForceSquare());
    EXPECT_EQ(G13->OrigoY(), 77);
    EXPECT_EQ(G13->CoverHeight(), 44);
    EXPECT_EQ(G13->Min(), -12);
    auto *G3 = Page->Component<TVexGauge>(QStringLiteral("VexGauge3"));
    EXPECT_EQ(G3->geometry(), QRect(239, 192, 218, 161));
    EXPECT_EQ(G3->OrigoX(), -2);
    EXPECT_EQ(G3->TickLenght(), -14);
    EXPECT_EQ(G3->ArrowColor(), RGB(128, 64, 64));
    auto *G1 = Page->Component<TVexGauge>(QStringLiteral("VexGauge1"));
    EXPECT_EQ(G1->geometry(), QRect(16, 191, 217, 162));
    EXPECT_EQ(G1->ScaleCount(), 4);
    EXPECT_TRUE(G1->TicksConnected());
    EXPECT_EQ(G1->ValueType(), TVexGauge::vtNone);
}

TEST_F(DemoPages, SpecialFeaturesShowsOneGaugeInNineSizes) {
    TDemoPage *Page = Open(QStringLiteral("VexGauge"), QStringLiteral("Special features"));
    ASSERT_NE(Page, nullptr);
    const QList<TVexGauge *> All = Gauges(Page);
    ASSERT_EQ(All.size(), 9);
    EXPECT_EQ(All.front()->geometry(), QRect(15, 294, 121, 121));
    EXPECT_EQ(All[4]->geometry(), QRect(264, 126, 89, 89));
    EXPECT_EQ(All.back()->geometry(), QRect(56, 14, 57, 57));
    for (TVexGauge *G : All) {
        EXPECT_EQ(G->ResourceImageIndex(), 15);
        EXPECT_EQ(G->ScaleFont().Height, -7);
        EXPECT_EQ(G->Inertia(), 95);
    }
    auto *Heading = Page->Component<TVexDBLabel>(QStringLiteral("lblHeading"));
    EXPECT_EQ(Heading->Text(), QStringList{"ARBITRARY SIZE"});
    EXPECT_EQ(Heading->pos(), QPoint(16, 128));
}

TEST_F(DemoPages, GaugeEditorPageWandersAndShowsTheNewTargetAtOnce) {
    auto *Page = Open<TfrmVexGaugePropertyEditor>(QStringLiteral("VexGauge"),
                                                  QStringLiteral("Property editor"));
    ASSERT_NE(Page, nullptr);
    auto *Gauge = qobject_cast<TVexGauge *>(Page->EditorControl());
    ASSERT_NE(Gauge, nullptr);
    EXPECT_EQ(Gauge->geometry(), QRect(192, 80, 200, 200));
    EXPECT_EQ(Gauge->ValueFormat(), "0.00");
    EXPECT_EQ(Page->Component<TTimer>(QStringLiteral("Timer1"))->Interval(), 1000);
    SetRandSeed(3);
    float Lowest = 100, Highest = -100;
    for (int Tick = 0; Tick < 200; ++Tick) {
        Page->Component<TTimer>(QStringLiteral("Timer1"))->Fire();
        Lowest = std::min(Lowest, Gauge->Float());
        Highest = std::max(Highest, Gauge->Float());
    }
    // The whole scale, both halves.
    EXPECT_LT(Lowest, -80);
    EXPECT_GT(Highest, 80);
    const float Shown = Gauge->DisplayValue();
    Ticks(1);
    EXPECT_NE(Gauge->DisplayValue(), Gauge->Float());
    EXPECT_NE(Gauge->DisplayValue(), Shown);
}

TEST_F(DemoPages, GaugeEditorOpensOnAClickAndItsEditsStay) {
    auto *Page = Open<TfrmVexGaugePropertyEditor>(QStringLiteral("VexGauge"),
                                                  QStringLiteral("Property editor"));
    ASSERT_NE(Page, nullptr);
    auto *Gauge = qobject_cast<TVexGauge *>(Page->EditorControl());
    WorkDialog = [&](QDialog &Dialog) {
        auto *Editor = qobject_cast<TfrmVexGaugeCE *>(&Dialog);
        ASSERT_NE(Editor, nullptr);
        EXPECT_EQ(Editor->EditingGauge(), Gauge);
        // Face 6 is a rectangular panel meter.
        Editor->lvGauges->setCurrentRow(5);
        Editor->lvGaugesClick();
    };
    Click(Gauge);
    EXPECT_EQ(Dialogs, 1);
    EXPECT_EQ(Gauge->ResourceImageIndex(), 6);
    EXPECT_FALSE(Gauge->Circular());
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
}
} // namespace

} // namespace Vex
