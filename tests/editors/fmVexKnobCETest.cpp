#include "editors/fmVexKnobCE.h"
#include "EditorTestUtil.h"
#include "platform/format/FloatFormat.h"
#include "platform/streaming/ComponentStream.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <memory>

namespace Vex {

namespace {
// A rendered knob on a form, and its editor page once opened.
struct KnobPage : ::testing::Test {
    TUser User;
    QWidget Form;
    TVexKnob *K;
    std::unique_ptr<TfrmVexKnobCE> Page;
    QTemporaryDir Dir;
    // Full rebuilds of the knob: each renders a new shading map.
    int Rebuilds = 0;

    KnobPage() {
        K = new TVexKnob(&Form);
        K->setObjectName(QStringLiteral("VexKnob1"));
        K->grab();
        QObject::connect(K, &TVexKnob::OnAfterRenderAlpha, [this] { ++Rebuilds; });
    }
    void Open() {
        Page = std::make_unique<TfrmVexKnobCE>(&Form);
        Page->FSetEditingComponent(K);
    }
    TVexSlider *Slider(const char *Name) const { return SliderOf(*Page, Name); }
    QString Saved() const { return WriteComponentText(*K); }
    QString Path(const char *Name) const { return Dir.filePath(QLatin1String(Name)); }
    static int Selected(const QListWidget *List) {
        const QList<QListWidgetItem *> Items = List->selectedItems();
        return Items.size() == 1 ? List->row(Items.first()) : -1;
    }
};
} // namespace

TEST_F(KnobPage, OpensOnTheKnobsValuesAndNamesItselfAfterIt) {
    K->SetKnobSize(55);
    K->SetShadowX(-12);
    K->SetShadowY(8);
    K->SetGranularity(150);
    K->SetContrast(90);
    K->SetBevelWidth(7);
    K->SetGranularityType(gtRaster);
    K->SetKnobSurfaceType(kstGrip);
    K->SetColor(clSilver);
    K->SetKnobColor(clNavy);
    K->SetScaleRadius(77.5f);
    K->SetMinAngle(200);
    K->SetMaxAngle(-20);
    K->SetScaleItemCount(7);
    K->SetMax(60);
    K->SetMin(-0.1f);
    K->SetScaleFormat(QStringLiteral("0.0"));
    K->SetScaleType(stKnobRot90);
    K->SetCaptions({QStringLiteral("A"), QStringLiteral("B")});
    K->SetScaleItemCount(7);
    K->SetTickRadius(88);
    K->SetTickLen(-7.5f);
    K->SetTickWidth(1.25f);
    K->SetTickCount(3);
    K->SetTickMinorSize(40);
    K->SetTickLocation(ilOnKnob);
    K->SetTickType(itCircle);
    K->SetTickColor(clYellow);
    K->SetIndicatorRadius(70);
    K->SetIndicatorWidth(9);
    K->SetIndicatorLength(-45);
    K->SetIndicatorType(itLine);
    K->SetIndicatorLocation(ilOnBackground);
    K->SetIndicatorColor(clRed);
    K->SetStabilizationTime(12);
    K->SetInertia(60);
    const QString Before = Saved();
    Open();

    EXPECT_EQ(Page->windowTitle(), QStringLiteral("VexKnob1"));
    const QStringList Tabs = {"Surface", "Scale", "Ticks", "Indicator", "General"};
    ASSERT_EQ(Page->PageControl->count(), Tabs.size());
    for (int I = 0; I < Tabs.size(); ++I)
        EXPECT_EQ(Page->PageControl->tabText(I), Tabs[I]);

    const std::pair<const char *, float> Sliders[] = {
        {"utbKnobSize", 55},         {"utbShadowX", -12},      {"utbShadowY", 8},
        {"utbGranularity", 150},     {"utbContrast", 90},      {"utbBevelWidth", 7},
        {"utbScaleRadius", 77.5f},   {"utbMinAngle", 200},     {"utbMaxAngle", -20},
        {"utbScaleCount", 7},        {"utbTickRadius", 88},    {"utbTickLength", -7.5f},
        {"utbTickWidth", 1.25f},     {"utbTickCount", 3},      {"utbTickMinorSize", 40},
        {"utbIndicatorRadius", 70},  {"utbIndicatorWidth", 9}, {"utbIndicatorLength", -45},
        {"tbStabilizationTime", 12}, {"tbSluggishness", 60}};
    for (const auto &[Name, Value] : Sliders)
        EXPECT_EQ(Slider(Name)->Position(), Value) << Name;
    EXPECT_EQ(ShownValue(*Page, "utbScaleRadius"), QStringLiteral("77.5"));
    EXPECT_EQ(ShownValue(*Page, "utbKnobSize"), QStringLiteral("55"));

    // The lists name the enumerations' values in order and show the knob's.
    ASSERT_EQ(Page->lvKnobSurfaceType->count(), 16);
    EXPECT_EQ(Page->lvKnobSurfaceType->item(0)->text(), QStringLiteral("kstNone"));
    EXPECT_EQ(Page->lvKnobSurfaceType->item(15)->text(), QStringLiteral("kstGrip"));
    EXPECT_EQ(Selected(Page->lvKnobSurfaceType), int(kstGrip));
    ASSERT_EQ(Page->lbScaleType->count(), 11);
    EXPECT_EQ(Page->lbScaleType->item(10)->text(), QStringLiteral("stBackRot270"));
    EXPECT_EQ(Selected(Page->lbScaleType), int(stKnobRot90));
    EXPECT_EQ(Selected(Page->lbGranularityType), int(gtRaster));
    EXPECT_EQ(Selected(Page->lbTickLocation), int(ilOnKnob));
    EXPECT_EQ(Selected(Page->lbTickType), int(itCircle));
    EXPECT_EQ(Selected(Page->lbIndicatorType), int(itLine));
    EXPECT_EQ(Selected(Page->lbIndicatorLocation), int(ilOnBackground));

    EXPECT_EQ(Page->pnlBackgroundColor->Color(), clSilver);
    EXPECT_EQ(Page->pnlKnobColor->Color(), clNavy);
    EXPECT_EQ(Page->pnlTickColor->Color(), clYellow);
    EXPECT_EQ(Page->pnlIndicatorColor->Color(), clRed);
    EXPECT_FALSE(Page->ubIndexed->Checked());
    EXPECT_FALSE(Page->ubDrawCaptions->Checked());
    // The float nearest to -0.1 is shown as the user typed it, not to 15 digits.
    EXPECT_EQ(Page->editMin->text(), QStringLiteral("-0.1"));
    EXPECT_EQ(Page->editMax->text(), QStringLiteral("60"));
    EXPECT_EQ(Page->cbScaleFormat->currentText(), QStringLiteral("0.0"));
    EXPECT_EQ(Page->memoCaptions->toPlainText(), QStringLiteral("A\nB"));
    EXPECT_EQ(Page->pnlScaleFont->Caption(), QStringLiteral("Arial, 9"));
    EXPECT_EQ(Page->editName->text(), QStringLiteral("VexKnob1"));
    // Opening wrote every value back unchanged: the captions kept the scale count.
    EXPECT_EQ(Saved(), Before);
}

TEST_F(KnobPage, OpeningRoundsTheIndicatorAndClampsToTheSliders) {
    K->SetIndicatorWidth(6.4f);
    K->SetIndicatorLength(-30.5f);
    K->SetIndicatorRadius(89.6f);
    K->SetTickMinorSize(37.6f);
    K->SetTickWidth(0.75f);
    K->SetKnobSize(150);
    K->SetBevelWidth(35);
    Open();
    EXPECT_EQ(K->IndicatorWidth(), 6.0f);
    EXPECT_EQ(K->IndicatorLength(), -30.0f); // halves to even
    EXPECT_EQ(K->IndicatorRadius(), 90.0f);
    EXPECT_EQ(K->TickMinorSize(), 38.0f);
    // Written as it is, and shown to two places.
    EXPECT_EQ(K->TickWidth(), 0.75f);
    EXPECT_EQ(ShownValue(*Page, "utbTickWidth"), QStringLiteral("0.75"));
    EXPECT_EQ(K->KnobSize(), 100);
    EXPECT_EQ(K->BevelWidth(), 20);
}

TEST_F(KnobPage, SlidersWriteRoundedOrAsTheyAre) {
    Open();
    Slider("utbKnobSize")->SetPosition(12.6f);
    EXPECT_EQ(K->KnobSize(), 13);
    EXPECT_EQ(ShownValue(*Page, "utbKnobSize"), QStringLiteral("13"));
    Slider("utbTickLength")->SetPosition(12.6f);
    EXPECT_EQ(K->TickLen(), 12.6f);
    Slider("utbIndicatorWidth")->SetPosition(3.3f);
    EXPECT_EQ(K->IndicatorWidth(), 3.3f);
    Slider("utbMinAngle")->SetPosition(-100.4f);
    EXPECT_EQ(K->MinAngle(), -100.0f);
    // Values the knob refuses leave it as it was.
    Slider("utbTickMinorSize")->SetPosition(-20);
    EXPECT_EQ(K->TickMinorSize(), 50.0f);
    Slider("utbKnobSize")->SetPosition(0);
    EXPECT_EQ(K->KnobSize(), 13);
    // The mouse: a press halfway along the bar.
    TVexSlider *Radius = Slider("utbTickRadius");
    Press(Radius, QPoint(Radius->width() / 2, 5));
    Release(Radius, QPoint(Radius->width() / 2, 5));
    EXPECT_EQ(K->TickRadius(), 50);
}

TEST_F(KnobPage, ScaleRadiusRebuildsAScaleOnTheFace) {
    K->SetScaleType(stKnobRot0);
    Open();
    const int Before = Rebuilds;
    Slider("utbScaleRadius")->SetPosition(60);
    EXPECT_EQ(K->ScaleRadius(), 60.0f);
    EXPECT_GT(Rebuilds, Before);
}

TEST_F(KnobPage, IndexedCaptionsSetTheRange) {
    K->SetCaptions({QStringLiteral("Low"), QStringLiteral("Mid"), QStringLiteral("High")});
    K->SetScaleItemCount(11);
    K->SetMin(-50);
    Open();
    Click(Page->ubIndexed);
    EXPECT_TRUE(K->Indexed());
    EXPECT_EQ(K->Min(), 0.0f);
    EXPECT_EQ(K->Max(), 2.0f);
    EXPECT_EQ(Page->editMin->text(), QStringLiteral("0"));
    EXPECT_EQ(Page->editMax->text(), QStringLiteral("2"));
    EXPECT_TRUE(Page->ubDrawCaptions->Checked());

    // New lines give the indexed knob one value per line; the numbered scale keeps its count.
    Page->memoCaptions->setPlainText(QStringLiteral("Off\nLow\nMid\nHigh\nMax\n"));
    EXPECT_EQ(K->Captions(), QStringList({"Off", "Low", "Mid", "High", "Max"}));
    EXPECT_EQ(K->Max(), 4.0f);
    EXPECT_EQ(Page->editMax->text(), QStringLiteral("4"));
    EXPECT_EQ(K->ScaleItemCount(), 11);
    EXPECT_EQ(Slider("utbScaleCount")->Position(), 11.0f);

    // "Draw captions" is the same switch.
    Click(Page->ubDrawCaptions);
    EXPECT_FALSE(K->Indexed());
    EXPECT_FALSE(Page->ubIndexed->Checked());

    // Not indexed, the lines change the captions only.
    K->SetMax(80);
    Page->memoCaptions->setPlainText(QStringLiteral("A\nB"));
    EXPECT_EQ(K->Captions(), QStringList({"A", "B"}));
    EXPECT_EQ(K->Max(), 80.0f);
    // An emptied memo clears them and still redraws the knob.
    const int Before = Rebuilds;
    Page->memoCaptions->clear();
    EXPECT_TRUE(K->Captions().isEmpty());
    EXPECT_GT(Rebuilds, Before);
}

TEST_F(KnobPage, ValueFieldsTakeDigitsSignAndSeparator) {
    Open();
    Page->editMax->clear();
    Type(Page->editMax, QStringLiteral("1e3"));
    EXPECT_EQ(Page->editMax->text(), QStringLiteral("13"));
    EXPECT_EQ(K->Max(), 13.0f);
    Page->editMax->clear();
    Type(Page->editMax, QStringLiteral("2") + DecimalSeparator() + QStringLiteral("5"));
    EXPECT_EQ(K->Max(), 2.5f);
    Page->editMin->clear();
    Type(Page->editMin, QStringLiteral("-"));
    EXPECT_EQ(K->Min(), 0.0f);
    Type(Page->editMin, QStringLiteral("4"));
    EXPECT_EQ(K->Min(), -4.0f);
    // Pasted text that is no number changes nothing; a minimum above the maximum is refused.
    for (const char *Bad : {"abc", "", "1e"}) {
        Page->editMin->setText(QLatin1String(Bad));
        EXPECT_EQ(K->Min(), -4.0f) << Bad;
    }
    Page->editMin->setText(QStringLiteral("7"));
    EXPECT_EQ(K->Min(), -4.0f);

    Page->cbScaleFormat->setCurrentIndex(Page->cbScaleFormat->findText(QStringLiteral("0.000")));
    EXPECT_EQ(K->ScaleFormat(), QStringLiteral("0.000"));
    Page->cbScaleFormat->setEditText(QStringLiteral("#.#"));
    EXPECT_EQ(K->ScaleFormat(), QStringLiteral("#.#"));
    EXPECT_EQ(Page->cbScaleFormat->count(), 7);
}

TEST_F(KnobPage, ListsWriteTheirRow) {
    Open();
    Page->lvKnobSurfaceType->setCurrentRow(kstSphere);
    EXPECT_EQ(K->KnobSurfaceType(), kstSphere);
    Page->lbGranularityType->setCurrentRow(gtNone);
    EXPECT_EQ(K->GranularityType(), gtNone);
    Page->lbScaleType->setCurrentRow(stNone);
    EXPECT_EQ(K->ScaleType(), stNone);
    Page->lbTickLocation->setCurrentRow(ilNowhere);
    EXPECT_EQ(K->TickLocation(), ilNowhere);
    Page->lbIndicatorType->setCurrentRow(itCircle);
    EXPECT_EQ(K->IndicatorType(), itCircle);
    Page->lbIndicatorLocation->setCurrentRow(ilOnBackground);
    EXPECT_EQ(K->IndicatorLocation(), ilOnBackground);
    const int Before = Rebuilds;
    Page->lbTickType->setCurrentRow(itTriangle);
    EXPECT_EQ(K->TickType(), itTriangle);
    EXPECT_GT(Rebuilds, Before);
    Page->lbTickType->clearSelection();
    EXPECT_EQ(K->TickType(), itTriangle);
}

TEST_F(KnobPage, ColourAndFontPanels) {
    Open();
    User.Color = clRed;
    Click(Page->pnlKnobColor);
    EXPECT_EQ(User.ColorsOffered.back(), clWhite);
    EXPECT_EQ(K->KnobColor(), clRed);
    EXPECT_EQ(Page->pnlKnobColor->Color(), clRed);
    // The indicator's dialog opens on the colour it showed last, not the indicator's.
    User.Color = clLime;
    Click(Page->pnlIndicatorColor);
    EXPECT_EQ(User.ColorsOffered.back(), clRed);
    EXPECT_EQ(K->IndicatorColor(), clLime);
    User.Color.reset();
    Click(Page->pnlBackgroundColor);
    EXPECT_EQ(K->Color(), Page->pnlBackgroundColor->Color());

    const TFont Original = K->ScaleFont();
    TFont Chosen = Original;
    Chosen.Name = QStringLiteral("Times New Roman");
    Chosen.SetSize(14);
    Chosen.Style = fsBold;
    User.Font = Chosen;
    Click(Page->pnlScaleFont);
    EXPECT_EQ(User.FontsOffered.back(), Original);
    EXPECT_EQ(K->ScaleFont(), Chosen);
    // The panel names the font and shows it.
    EXPECT_EQ(Page->pnlScaleFont->Caption(), QStringLiteral("Times New Roman, 14"));
    EXPECT_TRUE(Page->pnlScaleFont->font().bold());
    User.Font.reset();
    Click(Page->pnlScaleFont);
    EXPECT_EQ(K->ScaleFont(), Chosen);
}

TEST_F(KnobPage, RenamesTheKnobToValidNames) {
    Open();
    Page->editName->setText(QStringLiteral("Volume"));
    EXPECT_EQ(K->objectName(), QStringLiteral("Volume"));
    EXPECT_EQ(Page->windowTitle(), QStringLiteral("Volume"));
    // A name a control file cannot hold is not taken.
    for (const char *Bad : {"", "2nd", "Main volume", "Vol-1"}) {
        Page->editName->setText(QLatin1String(Bad));
        EXPECT_EQ(K->objectName(), QStringLiteral("Volume")) << Bad;
    }
    Page->editName->setText(QStringLiteral("_Vol2"));
    EXPECT_EQ(K->objectName(), QStringLiteral("_Vol2"));
}

TEST_F(KnobPage, SavesAndReadsBackControlFiles) {
    K->SetCaptions({QStringLiteral("One"), QStringLiteral("Two")});
    Open();
    Slider("utbTickCount")->SetPosition(7);
    Page->lvKnobSurfaceType->setCurrentRow(kstDisc);
    const QString Edited = Saved();
    for (const int Filter : {0, 1}) {
        const QString Name = Path(Filter ? "text.TVexKnob" : "packed");
        User.Choose(Name, Filter);
        Click(Page->ubSaveToFile);
        const QString Written = Filter ? Name : Name + QStringLiteral(".TVexKnob");
        QFile File(Written);
        ASSERT_TRUE(File.open(QIODevice::ReadOnly)) << Filter;
        EXPECT_EQ(DetectStreamFormat(File.read(1)), Filter ? sfText : sfCompressed);

        Slider("utbTickCount")->SetPosition(2);
        Page->lvKnobSurfaceType->setCurrentRow(kstFat);
        Page->memoCaptions->setPlainText(QStringLiteral("changed"));
        User.Choose(Written);
        Click(Page->ubReadProperties);
        EXPECT_EQ(Saved(), Edited) << Filter;
        // The page shows what was read.
        EXPECT_EQ(Slider("utbTickCount")->Position(), 7.0f);
        EXPECT_EQ(Selected(Page->lvKnobSurfaceType), int(kstDisc));
        EXPECT_EQ(Page->memoCaptions->toPlainText(), QStringLiteral("One\nTwo"));
    }
    EXPECT_EQ(User.FilesAsked.back().Filter,
              QStringLiteral("TVexKnob files (*.TVexKnob)|*.TVexKnob"));
    EXPECT_TRUE(User.Messages.isEmpty());

    // Written only while designing.
    User.Choose(Path("designed"));
    Click(Page->ubWriteProperties);
    EXPECT_FALSE(QFile::exists(Path("designed.TVexKnob")));
    Page->SetDesigning(true);
    Click(Page->ubWriteProperties);
    EXPECT_TRUE(QFile::exists(Path("designed.TVexKnob")));
}

TEST_F(KnobPage, BadFilesAreShownAndChangeNothing) {
    Open();
    const QString Before = Saved();
    QFile Corrupt(Path("corrupt.TVexKnob"));
    ASSERT_TRUE(Corrupt.open(QIODevice::WriteOnly));
    Corrupt.write("\x78\xDA not zlib");
    Corrupt.close();
    QFile Wrong(Path("wrong.TVexKnob"));
    ASSERT_TRUE(Wrong.open(QIODevice::WriteOnly));
    Wrong.write("object X: TVexKnob\r\n  KnobSize = 40\r\n  TickType = itSquare\r\nend\r\n");
    Wrong.close();
    for (const char *Name : {"corrupt.TVexKnob", "wrong.TVexKnob", "missing.TVexKnob"}) {
        User.Choose(Path(Name));
        Click(Page->ubReadProperties);
        ASSERT_FALSE(User.Messages.isEmpty()) << Name;
        EXPECT_TRUE(User.Messages.last().contains(QLatin1String(Name)));
        EXPECT_EQ(Saved(), Before) << Name;
        EXPECT_EQ(Slider("utbKnobSize")->Position(), 62.0f);
    }
    User.File.reset();
    const qsizetype Shown = User.Messages.size();
    Click(Page->ubReadProperties);
    EXPECT_EQ(User.Messages.size(), Shown);
}

TEST_F(KnobPage, WithoutAKnobNothingIsWritten) {
    Open();
    Page->FSetEditingComponent(nullptr);
    EXPECT_EQ(Page->EditingKnob(), nullptr);
    Slider("utbKnobSize")->SetPosition(30);
    Click(Page->ubIndexed);
    Page->memoCaptions->setPlainText(QStringLiteral("x"));
    EXPECT_EQ(K->KnobSize(), 62);
    EXPECT_FALSE(K->Indexed());
    EXPECT_TRUE(K->Captions().isEmpty());
}

TEST_F(KnobPage, LaysOutTwoTidyColumns) {
    Open();
    Page->show();
    EXPECT_EQ(Page->size(), QSize(456, 423));
    ExpectTidyLayout(*Page);
    QSet<int> Columns;
    for (const TVexSlider *S : Page->findChildren<TVexSlider *>()) {
        Columns << S->x();
        EXPECT_EQ(S->SliderType(), TVexSlider::ustLiquidBar);
    }
    EXPECT_EQ(Columns.size(), 1);
    EXPECT_EQ(Page->findChildren<TVexSlider *>().size(), 20);
    EXPECT_LT(Page->lbScaleType->x(), Page->width());
    EXPECT_GT(Page->lbScaleType->x(), Slider("utbScaleRadius")->geometry().right());
}

} // namespace Vex
