#include "DemoPageTest.h"
#include "controls/VexDBLabel.h"
#include "controls/VexKnob.h"

namespace Vex {

namespace {
TEST_F(DemoPages, KnobOverviewShowsNineKnobsWithTheirScales) {
    TDemoPage *Page = Open(QStringLiteral("VexKnob"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->objectName(), "TfrmVexKnob1");
    ASSERT_EQ(Page->findChildren<TVexKnob *>().size(), 9);
    auto *K1 = Page->Component<TVexKnob>(QStringLiteral("VexKnob1"));
    EXPECT_EQ(K1->geometry(), QRect(24, 304, 161, 161));
    EXPECT_EQ(K1->KnobSurfaceType(), kstMetal);
    EXPECT_EQ(K1->GranularityType(), gtRaster);
    EXPECT_EQ(K1->KnobColor(), TColor(0xFFE6E6));
    EXPECT_EQ(K1->Captions().size(), 8);
    EXPECT_EQ(K1->Captions().back(), "THETA");
    EXPECT_EQ(K1->StabilizationTime(), 50);
    // Eight detents: a value between two of them turns the knob to the nearer.
    K1->SetFloat(3.4f);
    EXPECT_EQ(K1->Index(), 3);
    auto *K10 = Page->Component<TVexKnob>(QStringLiteral("VexKnob10"));
    EXPECT_EQ(K10->Captions().size(), 7);
    EXPECT_EQ(K10->Max(), 6);
    EXPECT_EQ(K10->TickColor(), TColor(0x408080));
    // Five captions but not indexed: the scale keeps its eleven numbers.
    auto *K51 = Page->Component<TVexKnob>(QStringLiteral("VexKnob51"));
    EXPECT_EQ(K51->ScaleItemCount(), 11);
    EXPECT_EQ(K51->Min(), -100);
    EXPECT_FLOAT_EQ(K51->LightAngle(), 2);
    auto *K5 = Page->Component<TVexKnob>(QStringLiteral("VexKnob5"));
    EXPECT_EQ(K5->geometry(), QRect(248, 128, 113, 113));
    EXPECT_EQ(K5->MouseInputType(), TVexGraphicControl::mitDragXY);
    EXPECT_EQ(K5->ScaleType(), stKnobRot0);
    EXPECT_EQ(K5->IndicatorLocation(), ilOnBackground);
    EXPECT_EQ(Page->Component<TVexKnob>(QStringLiteral("VexKnob4"))->Float(), 40);
    auto *K6 = Page->Component<TVexKnob>(QStringLiteral("VexKnob6"));
    EXPECT_EQ(K6->Float(), 100);
    // A field is named, but nothing binds it.
    EXPECT_FALSE(K6->DataField().isEmpty());
    EXPECT_EQ(K6->DataSource(), nullptr);
    auto *Line = Page->Component<TVexDBLabel>(QStringLiteral("VexDBLabel8"));
    EXPECT_EQ(Line->Text(), QStringList{"Realistic motion adds to the experience"});
    EXPECT_EQ(Line->pos(), QPoint(16, 147));
}

TEST_F(DemoPages, KnobDataPageTurnsWithTheRecordAndWritesAKnobBack) {
    TDemoPage *Page = Open(QStringLiteral("VexKnob"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->objectName(), "TfrmVexKnob2");
    auto *Grid = Page->Component<TDBGrid>(QStringLiteral("dgbGrid"));
    auto *OnHand = Page->Component<TVexKnob>(QStringLiteral("VexKnob4"));
    auto *Cost = Page->Component<TVexKnob>(QStringLiteral("VexKnob2"));
    EXPECT_EQ(OnHand->geometry(), QRect(24, 120, 81, 81));
    EXPECT_EQ(Cost->Max(), 2000);
    EXPECT_EQ(Cost->DataField(), "Cost");
    // Part 1050: 7 on hand, cost 142.00.
    Grid->setCurrentIndex(Grid->model()->index(4, 0));
    EXPECT_FLOAT_EQ(OnHand->Float(), 7);
    EXPECT_FLOAT_EQ(Cost->Float(), 142);
    // Pointing straight up is the middle of 0 .. 200.
    const QPoint Up(OnHand->width() / 2, 4);
    Press(OnHand, Up);
    Release(OnHand, Up);
    EXPECT_NEAR(OnHand->Float(), 100, 1);
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
    EXPECT_NEAR(
        ReadFromFile(QStringLiteral("SELECT OnHand FROM parts WHERE PartNo = 1050")).toDouble(),
        OnHand->Float(), 1e-4);
}
} // namespace

} // namespace Vex
