#include "DemoPageTest.h"
#include "controls/VexCylinderGauge.h"
#include "controls/VexDBLabel.h"
#include "controls/VexLCD.h"
#include "controls/VexMatrix.h"
#include "platform/core/Maths.h"

#include <cmath>

namespace Vex {

namespace {
void SelectRow(TDemoPage &Page, int Row) {
    auto *Grid = Page.findChild<TDBGrid *>();
    Grid->setCurrentIndex(Grid->model()->index(Row, 0));
}

// Whole hundredths, as the pages' random numbers are.
bool InHundredths(double Value) {
    return std::fabs(Value * 100 - std::round(Value * 100)) < 1e-3 * std::max(1.0, Value);
}

TEST_F(DemoPages, LcdOverviewShowsThreeSizesWithNewNumbersEverySecond) {
    TDemoPage *Page = Open(QStringLiteral("VexLCD"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->objectName(), "TfrmVexLCD1");
    const QList<TVexLCD *> LCDs = Page->findChildren<TVexLCD *>();
    ASSERT_EQ(LCDs.size(), 3);
    EXPECT_EQ(LCDs[0]->size(), QSize(201, 57));
    EXPECT_EQ(LCDs[1]->size(), QSize(281, 81));
    EXPECT_EQ(LCDs[2]->size(), QSize(393, 137));
    auto *Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
    EXPECT_EQ(Timer->Interval(), 1000);
    SetRandSeed(11);
    for (int Tick = 0; Tick < 20; ++Tick) {
        Timer->Fire();
        for (TVexLCD *LCD : LCDs) {
            EXPECT_EQ(LCD->HMargin(), 25);
            EXPECT_GE(LCD->Value(), 0);
            EXPECT_LE(LCD->Value(), 999.99f);
            EXPECT_TRUE(InHundredths(LCD->Value())) << LCD->Value();
        }
        // Each draws its own number.
        EXPECT_FALSE(LCDs[0]->Value() == LCDs[1]->Value() && LCDs[1]->Value() == LCDs[2]->Value());
    }
}

TEST_F(DemoPages, LcdDataPageShowsTheSalaryOfTheCurrentEmployee) {
    TDemoPage *Page = Open(QStringLiteral("VexLCD"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    auto *LCD = Page->Component<TVexLCD>(QStringLiteral("VexLCD1"));
    auto *Panel = Page->Component<TPanel>(QStringLiteral("pnlTop"));
    EXPECT_EQ(Panel->height(), 249);
    // Docked to the bottom of the panel, across its width.
    EXPECT_EQ(LCD->geometry(), QRect(0, 249 - 137, Panel->width(), 137));
    EXPECT_EQ(LCD->HMargin(), 40);
    EXPECT_FLOAT_EQ(LCD->GradientRate(), 1.96581196784973f);
    EXPECT_EQ(LCD->Color(), TColor(16744576));
    EXPECT_FLOAT_EQ(LCD->Value(), 40000);
    SelectRow(*Page, 1);
    EXPECT_FLOAT_EQ(LCD->Value(), 55500);
    EXPECT_EQ(LCD->DisplayText(), "55500.00");
}

TEST_F(DemoPages, MatrixOverviewShowsFourLooksAndANewNumberEverySecond) {
    TDemoPage *Page = Open(QStringLiteral("VexMatrix"));
    ASSERT_NE(Page, nullptr);
    auto *M1 = Page->Component<TVexMatrix>(QStringLiteral("VexMatrix1"));
    EXPECT_EQ(M1->Text(), "VEXMATRIX");
    EXPECT_EQ(M1->size(), QSize(310, 33));
    auto *M2 = Page->Component<TVexMatrix>(QStringLiteral("VexMatrix2"));
    EXPECT_EQ(M2->BackgroundColor(), TColor(14483456));
    EXPECT_EQ(M2->Alignment(), TVexMatrix::taRightJustify);
    auto *M4 = Page->Component<TVexMatrix>(QStringLiteral("VexMatrix4"));
    EXPECT_EQ(M4->size(), QSize(313, 26));
    EXPECT_EQ(M4->PixelWidth(), 5);
    EXPECT_EQ(M4->PixelHeight(), 2);
    auto *M3 = Page->Component<TVexMatrix>(QStringLiteral("VexMatrix3"));
    EXPECT_EQ(M3->Text(), "987654");
    EXPECT_EQ(M3->LightBrightness(), 100);
    SetRandSeed(5);
    for (int Tick = 0; Tick < 20; ++Tick) {
        Page->Component<TTimer>(QStringLiteral("Timer1"))->Fire();
        bool IsNumber = false;
        const double Value = M3->Text().toDouble(&IsNumber);
        EXPECT_TRUE(IsNumber) << qPrintable(M3->Text());
        EXPECT_LT(Value, 100000);
        EXPECT_TRUE(InHundredths(Value)) << qPrintable(M3->Text());
        // The shortest text: no trailing zeros after the point.
        EXPECT_FALSE(M3->Text().contains('.') && M3->Text().endsWith('0'));
    }
    EXPECT_EQ(M1->Text(), "VEXMATRIX");
}

TEST_F(DemoPages, MatrixDataPageShowsTheCurrentEmployee) {
    TDemoPage *Page = Open(QStringLiteral("VexMatrix"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->Color(), clBtnFace);
    SelectRow(*Page, 2);
    EXPECT_EQ(Page->Component<TVexMatrix>(QStringLiteral("VexMatrix1"))->Text(), "Quenby");
    EXPECT_EQ(Page->Component<TVexMatrix>(QStringLiteral("VexMatrix2"))->Text(), "Rosalind");
    EXPECT_EQ(Page->Component<TVexMatrix>(QStringLiteral("VexMatrix3"))->Text(), "25050");
    EXPECT_EQ(Page->Component<TVexDBLabel>(QStringLiteral("VexDBLabel3"))->Text().size(), 2);
}

TEST_F(DemoPages, DrumOverviewRollsAboutAFifthOfItsDrumsPerTick) {
    TDemoPage *Page = Open(QStringLiteral("VexCylinderGauge"));
    ASSERT_NE(Page, nullptr);
    const QList<TVexCylinderGauge *> Drums = Page->findChildren<TVexCylinderGauge *>();
    ASSERT_EQ(Drums.size(), 5);
    for (int I = 0; I < 4; ++I) {
        EXPECT_EQ(Drums[I]->size(), QSize(42, 130));
        EXPECT_EQ(Drums[I]->Font().Height, -21);
        EXPECT_EQ(Drums[I]->Max(), 100);
        EXPECT_EQ(Drums[I]->TickLength(), 12);
    }
    EXPECT_EQ(Drums[4]->size(), QSize(48, 129));
    EXPECT_EQ(Drums[4]->Min(), -100);
    EXPECT_EQ(Drums[4]->ValueSpacing(), 36);
    EXPECT_EQ(Drums[4]->IndicatorColor(), clGray);
    EXPECT_EQ(Drums[4]->IndicatorWidth(), 6);
    auto *Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
    EXPECT_EQ(Timer->Interval(), 500);
    SetRandSeed(9);
    int Moves = 0;
    constexpr int KTicks = 300;
    for (int Tick = 0; Tick < KTicks; ++Tick) {
        std::vector<float> Before;
        for (TVexCylinderGauge *D : Drums)
            Before.push_back(D->Position());
        Timer->Fire();
        for (int I = 0; I < Drums.size(); ++I) {
            Moves += Drums[I]->Position() != Before[size_t(I)];
            EXPECT_GE(Drums[I]->Position(), Drums[I]->Min());
            EXPECT_LE(Drums[I]->Position(), Drums[I]->Max() + std::fabs(Drums[I]->Min()));
        }
    }
    EXPECT_NEAR(Moves / double(KTicks * Drums.size()), 0.2, 0.04);
}

TEST_F(DemoPages, InterfaceDesignRollsThreeMotionsTogether) {
    TDemoPage *Page = Open(QStringLiteral("VexCylinderGauge"), QStringLiteral("Interface design"));
    ASSERT_NE(Page, nullptr);
    const QList<TVexCylinderGauge *> Drums = Page->findChildren<TVexCylinderGauge *>();
    ASSERT_EQ(Drums.size(), 3);
    EXPECT_EQ(Drums[0]->Sluggishness(), 24);
    EXPECT_EQ(Drums[0]->IndicatorColor(), clBlue);
    EXPECT_EQ(Drums[1]->IndicatorColor(), clGreen);
    EXPECT_EQ(Drums[2]->StabilizeTime(), 150);
    EXPECT_EQ(Drums[2]->CylinderColor(), clNavy);
    EXPECT_EQ(Page->Component<TVexDBLabel>(QStringLiteral("lblCaption1"))->Text(),
              QStringList{"Slow & heavy"});
    auto *Timer = Page->Component<TTimer>(QStringLiteral("Timer1"));
    EXPECT_EQ(Timer->Interval(), 3000);
    SetRandSeed(2);
    Timer->Fire();
    for (TVexCylinderGauge *D : Drums)
        EXPECT_NE(D->Position(), 0);
    // The same targets, told apart by their motion.
    Ticks(10);
    EXPECT_NE(Drums[0]->ShownValue(), Drums[1]->ShownValue());
}

TEST_F(DemoPages, DrumDataPageRollsToTheCurrentShare) {
    TDemoPage *Page = Open(QStringLiteral("VexCylinderGauge"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->Component<TPanel>(QStringLiteral("pnlTop"))->height(), 161);
    auto *Price = Page->Component<TVexCylinderGauge>(QStringLiteral("VexCylinderGauge1"));
    auto *Ratio = Page->Component<TVexCylinderGauge>(QStringLiteral("VexCylinderGauge4"));
    EXPECT_EQ(Price->StabilizeTime(), 30);
    EXPECT_EQ(Ratio->DataField(), "P_E_RATIO");
    // DVTF: 27.875, P/E 12.9.
    SelectRow(*Page, 2);
    EXPECT_FLOAT_EQ(Price->Position(), 27.875f);
    EXPECT_FLOAT_EQ(Ratio->Position(), 12.9f);
}

TEST_F(DemoPages, DisplayValuesNoControlCanShowAreBlankedOrHeld) {
    ASSERT_TRUE(ExecOnFile(QStringLiteral("CREATE TABLE parts (OnHand)")));
    ASSERT_TRUE(ExecOnFile(QStringLiteral("CREATE TABLE employee (EmpNo INTEGER PRIMARY KEY, "
                                          "LastName, FirstName, Salary)")));
    ASSERT_TRUE(ExecOnFile(QStringLiteral("INSERT INTO employee VALUES (1, NULL, 'x', NULL), "
                                          "(2, 'y', 3.5, 'much'), (3, '', '', 1e300)")));
    ASSERT_TRUE(ExecOnFile(QStringLiteral("CREATE TABLE master (SYMBOL PRIMARY KEY, CUR_PRICE, "
                                          "YRL_HIGH, YRL_LOW, P_E_RATIO)")));
    ASSERT_TRUE(ExecOnFile(QStringLiteral("INSERT INTO master VALUES ('A', NULL, 'abc', 1e300, "
                                          "-1e300), ('B', 'nan', 5, 6, 7)")));
    TDemoPage *Page = Open(QStringLiteral("VexLCD"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    auto *LCD = Page->Component<TVexLCD>(QStringLiteral("VexLCD1"));
    EXPECT_TRUE(LCD->DisplayText().isEmpty());
    SelectRow(*Page, 1);
    EXPECT_TRUE(LCD->DisplayText().isEmpty());
    SelectRow(*Page, 2);
    EXPECT_EQ(LCD->Value(), FLT_MAX);
    Ticks(5);
    Main->grab();

    Page = Open(QStringLiteral("VexMatrix"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    EXPECT_TRUE(Page->Component<TVexMatrix>(QStringLiteral("VexMatrix1"))->Text().isEmpty());
    Main->grab();

    Page = Open(QStringLiteral("VexCylinderGauge"), QStringLiteral("Data awareness"));
    ASSERT_NE(Page, nullptr);
    for (int Row : {0, 1, 0}) {
        SelectRow(*Page, Row);
        Ticks(30);
        for (TVexCylinderGauge *D : Page->findChildren<TVexCylinderGauge *>())
            EXPECT_TRUE(std::isfinite(D->ShownValue())) << qPrintable(D->objectName());
        Main->grab();
    }
    EXPECT_TRUE(Errors.isEmpty()) << qPrintable(Errors.join('\n'));
}
} // namespace

} // namespace Vex
