#include "editors/fmVexLCDCE.h"
#include "EditorTestUtil.h"
#include "TestDatabase.h"
#include "platform/data/VexDataSource.h"
#include "platform/streaming/ComponentStream.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <memory>

namespace Vex {

namespace {
// An LCD on a form, and its editor page once opened.
struct LCDPage : ::testing::Test {
    TUser User;
    QWidget Form;
    TVexLCD *L;
    std::unique_ptr<TfrmVexLCDCE> Page;

    LCDPage() {
        Form.resize(500, 300);
        L = new TVexLCD(&Form);
        L->setObjectName(QStringLiteral("VexLCD1"));
        L->SetBounds(10, 10, 300, 80);
    }
    void Open() {
        Page = std::make_unique<TfrmVexLCDCE>(&Form);
        Page->SetEditingLCD(L);
    }
    TVexSlider *Slider(const char *Name) const { return SliderOf(*Page, Name); }
    QString Saved() const { return WriteComponentText(*L); }
    // The alignment panels shown black.
    QStringList BlackPanels() const {
        QStringList Black;
        for (const TVexEditorPanel *P :
             {Page->pnlTop, Page->pnlBottom, Page->pnlLeft, Page->pnlRight, Page->pnlClient})
            if (P->Color() == clBlack)
                Black << P->objectName();
            else
                EXPECT_EQ(P->Color(), clBtnFace);
        return Black;
    }
    static QStringList Rows(const QTreeWidget *List) {
        QStringList Texts;
        for (int I = 0; I < List->topLevelItemCount(); ++I)
            Texts << List->topLevelItem(I)->text(0) + QLatin1Char(' ') +
                         List->topLevelItem(I)->text(1);
        return Texts;
    }
};
} // namespace

TEST_F(LCDPage, OpensOnTheLCDsValues) {
    L->SetCharWidth(0.7f);
    L->SetSegmentWidth(0.15f);
    L->SetHMargin(20);
    L->SetColor(clTeal);
    L->SetSegmentColor(clNavy);
    L->SetShadowColor(clSilver);
    L->SetLightIntensity(60);
    L->SetGradientRate(3.5f);
    L->SetFormat(QStringLiteral("0.0"));
    const QString Before = Saved();
    Open();

    EXPECT_EQ(Page->windowTitle(), QStringLiteral("VexLCD Component Editor [VexLCD1]"));
    EXPECT_EQ(Page->size(), QSize(498, 229));
    const QStringList Tabs = {"Dimensions", "Colors", "Other", "Datafield"};
    ASSERT_EQ(Page->PageControl->count(), Tabs.size());
    for (int I = 0; I < Tabs.size(); ++I)
        EXPECT_EQ(Page->PageControl->tabText(I), Tabs[I]);
    EXPECT_EQ(Page->ubClose->objectName(), QStringLiteral("ubClose"));
    EXPECT_EQ(Page->ubClose->Caption(), QStringLiteral("Close"));

    EXPECT_EQ(Slider("usCharacterWidth")->Position(), 0.7f);
    EXPECT_EQ(Slider("usSegmentWidth")->Position(), 0.15f);
    EXPECT_EQ(ShownValue(*Page, "usSegmentWidth"), QStringLiteral("0.15"));
    EXPECT_EQ(Slider("usHMargin")->Position(), 20.0f);
    EXPECT_EQ(Slider("usLightningRate")->Position(), 60.0f);
    EXPECT_EQ(Slider("usGradientFluctuation")->Position(), 3.5f);
    EXPECT_EQ(Page->pnlBackgroundColor->Color(), clTeal);
    EXPECT_EQ(Page->pnlCharacterColor->Color(), clNavy);
    EXPECT_EQ(Page->pnlShadowColor->Color(), clSilver);
    EXPECT_EQ(Page->editFormat->text(), QStringLiteral("0.0"));
    EXPECT_TRUE(BlackPanels().isEmpty());
    EXPECT_EQ(Saved(), Before);
}

TEST_F(LCDPage, AlignmentCrossDocksAndUndocks) {
    L->SetAlign(TVexGraphicControl::alBottom);
    Open();
    EXPECT_EQ(BlackPanels(), QStringList{"pnlBottom"});
    // The current alignment's panel undocks.
    Click(Page->pnlBottom);
    EXPECT_EQ(L->Align(), TVexGraphicControl::alNone);
    EXPECT_TRUE(BlackPanels().isEmpty());
    Click(Page->pnlLeft);
    EXPECT_EQ(L->Align(), TVexGraphicControl::alLeft);
    EXPECT_EQ(BlackPanels(), QStringList{"pnlLeft"});
    EXPECT_EQ(L->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(L->Height(), Form.height());
    // Another panel takes over at once.
    Click(Page->pnlClient);
    EXPECT_EQ(L->Align(), TVexGraphicControl::alClient);
    EXPECT_EQ(BlackPanels(), QStringList{"pnlClient"});
    EXPECT_EQ(L->geometry(), Form.rect());
    Click(Page->pnlTop);
    Click(Page->pnlRight);
    EXPECT_EQ(L->Align(), TVexGraphicControl::alRight);
    EXPECT_EQ(Page->pnlRight->toolTip(), QStringLiteral("alRight"));
    // The frame's strip keeps a name of its own.
    EXPECT_EQ(Page->findChild<QWidget *>(QStringLiteral("pnlBottom")), Page->pnlBottom);
}

TEST_F(LCDPage, SlidersWriteRoundedOrAsTheyAre) {
    L->SetCharWidth(7);
    Open();
    // Opening clamps to the slider's range.
    EXPECT_EQ(L->CharWidth(), 5.0f);
    Slider("usHMargin")->SetPosition(12.6f);
    EXPECT_EQ(L->HMargin(), 13);
    EXPECT_EQ(ShownValue(*Page, "usHMargin"), QStringLiteral("13"));
    Slider("usSegmentWidth")->SetPosition(0.25f);
    EXPECT_EQ(L->SegmentWidth(), 0.25f);
    Slider("usCharacterWidth")->SetPosition(1.25f);
    EXPECT_EQ(L->CharWidth(), 1.25f);
    Slider("usLightningRate")->SetPosition(40.5f);
    EXPECT_EQ(L->LightIntensity(), 40.0f);
    Slider("usGradientFluctuation")->SetPosition(0);
    EXPECT_EQ(L->GradientRate(), 2.0f);
    Slider("usGradientFluctuation")->SetPosition(0.5f);
    EXPECT_EQ(L->GradientRate(), 0.5f);
}

TEST_F(LCDPage, ColoursAndFormat) {
    L->SetSegmentColor(clMaroon);
    Open();
    User.Color = clLime;
    Click(Page->pnlCharacterColor);
    EXPECT_EQ(User.ColorsOffered.back(), clMaroon);
    EXPECT_EQ(L->SegmentColor(), clLime);
    EXPECT_EQ(Page->pnlCharacterColor->Color(), clLime);
    Click(Page->pnlShadowColor);
    EXPECT_EQ(User.ColorsOffered.back(), TColor(4210752));
    EXPECT_EQ(L->ShadowColor(), clLime);
    User.Color.reset();
    Click(Page->pnlBackgroundColor);
    EXPECT_EQ(L->Color(), 2130048);

    Page->editFormat->setText(QStringLiteral("0.000"));
    EXPECT_EQ(L->Format(), QStringLiteral("0.000"));
    EXPECT_EQ(L->DisplayText(), QStringLiteral("0.000"));
}

TEST_F(LCDPage, WithoutADataSourceTheListsAreEmpty) {
    Open();
    EXPECT_EQ(Page->lvDataFields->topLevelItemCount(), 0);
    EXPECT_EQ(Page->lvDataSource->count(), 0);
}

TEST_F(LCDPage, ListsTheNumericFieldsAndBindsTheChosenOne) {
    TTestDatabase Db;
    TVexTable Table;
    Table.SetDatabase(Db.Database());
    Table.SetTableName(QStringLiteral("employee"));
    Table.Open();
    auto *Employees = new TVexDataSource(&Form);
    Employees->setObjectName(QStringLiteral("dsEmployee"));
    Employees->SetDataSet(&Table);
    L->SetDataSource(Employees);
    L->SetDataField(QStringLiteral("salary")); // not spelt as the field is
    Open();
    EXPECT_EQ(Rows(Page->lvDataFields), QStringList({"EmpNo ftInteger", "Salary ftFloat"}));
    EXPECT_TRUE(Page->lvDataFields->selectedItems().isEmpty());
    ASSERT_EQ(Page->lvDataSource->count(), 1);
    EXPECT_EQ(Page->lvDataSource->item(0)->text(), QStringLiteral("dsEmployee"));
    EXPECT_TRUE(Page->lvDataSource->item(0)->isSelected());

    Page->lvDataFields->setCurrentItem(Page->lvDataFields->topLevelItem(1));
    EXPECT_EQ(L->DataField(), QStringLiteral("Salary"));
    EXPECT_EQ(L->Value(), 40000.0f);
    L->SetDataField(QStringLiteral("EmpNo"));
    Page->LoadInputs();
    EXPECT_TRUE(Page->lvDataFields->topLevelItem(0)->isSelected());

    // A source the application owns is offered too; choosing a source binds the LCD to it.
    TVexTable Other;
    Other.SetDatabase(Db.Database());
    Db.Exec("CREATE TABLE gauges (Id INTEGER PRIMARY KEY, Reading REAL, Note TEXT, Count INT)");
    Other.SetTableName(QStringLiteral("gauges"));
    const std::unique_ptr<TVexDataSource> Gauges(new TVexDataSource(QCoreApplication::instance()));
    Gauges->setObjectName(QStringLiteral("dsGauges"));
    Gauges->SetDataSet(&Other);
    Page->LoadInputs();
    ASSERT_EQ(Page->lvDataSource->count(), 2);
    Page->lvDataSource->setCurrentRow(1);
    EXPECT_EQ(L->DataSource(), Gauges.get());
    EXPECT_EQ(Rows(Page->lvDataFields),
              QStringList({"Id ftInteger", "Reading ftFloat", "Count ftInteger"}));
}

TEST_F(LCDPage, LaysOutTidily) {
    Open();
    Page->show();
    ExpectTidyLayout(*Page);
    for (const TVexSlider *S : Page->findChildren<TVexSlider *>())
        EXPECT_EQ(S->x(), TVexEditorPage::KInputLeft) << S->objectName().toStdString();
    EXPECT_EQ(Page->pnlClient->geometry().center(),
              QRect(Page->pnlLeft->geometry().topLeft(), Page->pnlRight->geometry().bottomRight())
                  .center());
    EXPECT_EQ(Page->pnlTop->x(), Page->pnlBottom->x());
}

} // namespace Vex
