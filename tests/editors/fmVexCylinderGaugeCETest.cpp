#include "editors/fmVexCylinderGaugeCE.h"
#include "EditorTestUtil.h"
#include "TestDatabase.h"
#include "platform/data/VexDataSource.h"
#include "platform/streaming/ComponentStream.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <memory>

namespace Vex {

namespace {
// A drum on a form, and its editor page once opened.
struct DrumPage : ::testing::Test {
    TUser User;
    QWidget Form;
    TVexCylinderGauge *D;
    std::unique_ptr<TfrmVexCylinderGaugeCE> Page;

    DrumPage() {
        D = new TVexCylinderGauge(&Form);
        D->setObjectName(QStringLiteral("VexCylinderGauge1"));
    }
    void Open() {
        Page = std::make_unique<TfrmVexCylinderGaugeCE>(&Form);
        Page->SetEditingCylinderGauge(D);
    }
    TVexSlider *Slider(const char *Name) const { return SliderOf(*Page, Name); }
    QString Saved() const { return WriteComponentText(*D); }
};
} // namespace

TEST_F(DrumPage, OpensOnTheDrumsValues) {
    D->SetBounds(0, 0, 60, 180);
    D->SetScaleMargin(6);
    D->SetValueSpacing(55);
    D->SetCylinderColor(clTeal);
    D->SetTickColor(clNavy);
    D->SetIndicatorColor(clBlue);
    D->SetIndicatorTransparent(false);
    D->SetMax(250);
    D->SetMin(-12.5f);
    D->SetStep(0.1f);
    D->SetValueFormat(QStringLiteral("0.0"));
    D->SetTickWidth(3);
    D->SetTickLength(9);
    D->SetTicksPerValue(2);
    D->SetIndicatorWidth(5);
    D->SetSluggishness(12);
    D->SetStabilizeTime(150);
    TFont Font = D->Font();
    Font.Name = QStringLiteral("Courier New");
    D->SetFont(Font);
    const QString Before = Saved();
    Open();

    EXPECT_EQ(Page->windowTitle(),
              QStringLiteral("VexCylinderGauge Component Editor [VexCylinderGauge1]"));
    EXPECT_EQ(Page->size(), QSize(498, 268));
    const QStringList Tabs = {"Orientation", "Appearance", "Scale", "Datafield", "Motion"};
    ASSERT_EQ(Page->PageControl->count(), Tabs.size());
    for (int I = 0; I < Tabs.size(); ++I)
        EXPECT_EQ(Page->PageControl->tabText(I), Tabs[I]);

    const std::pair<const char *, float> Sliders[] = {
        {"usWidth", 60},         {"usHeight", 180},       {"usLeftMargin", 6},
        {"usValueSpacing", 55},  {"usTickWidth", 3},      {"usTickLength", 9},
        {"usTicksPerValue", 2},  {"usIndicatorWidth", 5}, {"usSluggishness", 12},
        {"usStabilizeTime", 150}};
    for (const auto &[Name, Value] : Sliders)
        EXPECT_EQ(Slider(Name)->Position(), Value) << Name;
    EXPECT_EQ(Page->pnlCylinderColor->Color(), clTeal);
    EXPECT_EQ(Page->pnlTickColor->Color(), clNavy);
    EXPECT_EQ(Page->pnlIndicatorColor->Color(), clBlue);
    EXPECT_FALSE(Page->ubTransparentIndicator->Checked());
    EXPECT_EQ(Page->editMaxValue->text(), QStringLiteral("250"));
    EXPECT_EQ(Page->editMinValue->text(), QStringLiteral("-12.5"));
    EXPECT_EQ(Page->editStep->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Page->editFormat->text(), QStringLiteral("0.0"));
    EXPECT_EQ(Page->pnlFont->Caption(), QStringLiteral("Courier New"));
    EXPECT_EQ(Saved(), Before);
}

TEST_F(DrumPage, OpeningClampsToTheSliders) {
    D->SetTicksPerValue(0);
    D->SetBounds(0, 0, 640, 150);
    Open();
    EXPECT_EQ(D->TicksPerValue(), 1);
    EXPECT_EQ(D->Width(), 500);
}

TEST_F(DrumPage, EditBoxesTakeOnlyWholeNumbers) {
    Open();
    Page->editMaxValue->setText(QStringLiteral("1e3"));
    EXPECT_EQ(D->Max(), 1000.0f);
    for (const char *Bad : {"abc", "-", "", "12x"}) {
        Page->editMaxValue->setText(QLatin1String(Bad));
        EXPECT_EQ(D->Max(), 1000.0f) << Bad;
    }
    // Values the drum refuses are dropped.
    Page->editMaxValue->setText(QStringLiteral("-5"));
    EXPECT_EQ(D->Max(), 1000.0f);
    Page->editStep->setText(QStringLiteral("0"));
    EXPECT_EQ(D->Step(), 10.0f);
    Page->editStep->setText(QStringLiteral("2.5"));
    EXPECT_EQ(D->Step(), 2.5f);
    Page->editMinValue->setText(QStringLiteral("-50"));
    EXPECT_EQ(D->Min(), -50.0f);
    Page->editFormat->setText(QStringLiteral("0.00"));
    EXPECT_EQ(D->ValueFormat(), QStringLiteral("0.00"));
}

TEST_F(DrumPage, SlidersWriteRoundedPositions) {
    Open();
    Slider("usWidth")->SetPosition(120.4f);
    EXPECT_EQ(D->Width(), 120);
    EXPECT_EQ(D->Drum().Width(), 240);
    Slider("usHeight")->SetPosition(12.6f);
    EXPECT_EQ(D->Height(), 13);
    Slider("usTicksPerValue")->SetPosition(3.5f);
    EXPECT_EQ(D->TicksPerValue(), 4);
    Slider("usSluggishness")->SetPosition(7.5f);
    EXPECT_EQ(D->Sluggishness(), 8.0f);
    Slider("usStabilizeTime")->SetPosition(100);
    EXPECT_EQ(D->StabilizeTime(), 100.0f);
    EXPECT_FLOAT_EQ(D->Damping(), 1.0f);
    Slider("usLeftMargin")->SetPosition(4);
    Slider("usValueSpacing")->SetPosition(30);
    Slider("usTickWidth")->SetPosition(5);
    // Down to nothing with the mouse: dragged past the bar's left end.
    for (const char *Name : {"usTickLength", "usIndicatorWidth"}) {
        TVexSlider *S = Slider(Name);
        Press(S, QPoint(S->width() / 2, 5));
        MoveTo(S, QPoint(-10, 5));
        Release(S, QPoint(-10, 5));
    }
    EXPECT_EQ(D->ScaleMargin(), 4);
    EXPECT_EQ(D->ValueSpacing(), 30);
    EXPECT_EQ(D->TickWidth(), 5);
    EXPECT_EQ(D->TickLength(), 0);
    EXPECT_EQ(D->IndicatorWidth(), 0);
}

TEST_F(DrumPage, FontColourAndIndicatorInputs) {
    Open();
    TFont Chosen = D->Font();
    const TFont Original = Chosen;
    Chosen.Name = QStringLiteral("Times New Roman");
    Chosen.SetSize(20);
    User.Font = Chosen;
    Click(Page->pnlFont);
    EXPECT_EQ(User.FontsOffered.back(), Original);
    EXPECT_EQ(D->Font(), Chosen);
    EXPECT_EQ(D->DrumFont().Size(), 40);
    EXPECT_EQ(Page->pnlFont->Caption(), QStringLiteral("Times New Roman"));
    User.Font.reset();
    Click(Page->pnlFont);
    EXPECT_EQ(D->Font(), Chosen);

    User.Color = clYellow;
    Click(Page->pnlIndicatorColor);
    EXPECT_EQ(User.ColorsOffered.back(), clRed);
    EXPECT_EQ(D->IndicatorColor(), clYellow);
    User.Color.reset();
    Click(Page->pnlCylinderColor);
    EXPECT_EQ(D->CylinderColor(), clGray);

    EXPECT_TRUE(Page->ubTransparentIndicator->Checked());
    Click(Page->ubTransparentIndicator);
    EXPECT_FALSE(D->IndicatorTransparent());
}

TEST_F(DrumPage, ListsTheNumericFieldsOfItsTable) {
    Open();
    EXPECT_EQ(Page->lvDataFields->topLevelItemCount(), 0);

    TTestDatabase Db;
    TVexTable Table;
    Table.SetDatabase(Db.Database());
    Table.SetTableName(QStringLiteral("employee"));
    Table.Open();
    TVexDataSource Source;
    Source.SetDataSet(&Table);
    D->SetDataSource(&Source);
    D->SetDataField(QStringLiteral("Salary"));
    Page->LoadInputs();
    ASSERT_EQ(Page->lvDataFields->topLevelItemCount(), 2);
    EXPECT_EQ(Page->lvDataFields->topLevelItem(0)->text(0), QStringLiteral("EmpNo"));
    EXPECT_EQ(Page->lvDataFields->topLevelItem(1)->text(1), QStringLiteral("ftFloat"));
    EXPECT_TRUE(Page->lvDataFields->topLevelItem(1)->isSelected());
    Page->lvDataFields->setCurrentItem(Page->lvDataFields->topLevelItem(0));
    EXPECT_EQ(D->DataField(), QStringLiteral("EmpNo"));
    EXPECT_EQ(D->Position(), 1.0f);
    D->SetDataSource(nullptr);
}

TEST_F(DrumPage, LaysOutTidily) {
    Open();
    Page->show();
    ExpectTidyLayout(*Page);
    EXPECT_EQ(Page->findChildren<TVexSlider *>().size(), 10);
}

} // namespace Vex
