#include "editors/fmVexGaugeCE.h"
#include "EditorTestUtil.h"
#include "platform/streaming/ComponentStream.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace Vex {

namespace {
// A ready gauge on a form, and its editor page once opened.
struct GaugePage : ::testing::Test {
    TUser User;
    QWidget Form;
    TVexGauge *G;
    std::unique_ptr<TfrmVexGaugeCE> Page;
    QTemporaryDir Dir;

    GaugePage() {
        G = new TVexGauge(&Form);
        G->setObjectName(QStringLiteral("VexGauge1"));
        G->grab();
    }
    void Open() {
        Page = std::make_unique<TfrmVexGaugeCE>(&Form);
        Page->SetEditingGauge(G);
    }
    TVexSlider *Slider(const char *Name) const { return SliderOf(*Page, Name); }
    QString Shown(const char *Slider) const { return ShownValue(*Page, Slider); }
    QString Saved() const { return WriteComponentText(*G); }
    QString Path(const char *Name) const { return Dir.filePath(QLatin1String(Name)); }
};
} // namespace

TEST_F(GaugePage, OpeningRoundsTheDefaultsThroughTheSliders) {
    ASSERT_FLOAT_EQ(G->ScaleRadius(), 0.555f);
    ASSERT_FLOAT_EQ(G->ArrowLenght(), 0.774f);
    Open();
    EXPECT_EQ(G->ScaleRadius(), 0.56f);
    EXPECT_EQ(G->ArrowLenght(), 0.77f);
    EXPECT_EQ(G->ArrowWidth(), 0.2f);
    EXPECT_EQ(Slider("tbScaleRadius")->Position(), 56.0f);
    EXPECT_EQ(Shown("tbScaleRadius"), QStringLiteral("56"));
    EXPECT_EQ(Slider("tbArrowLenght")->Position(), 77.0f);
    EXPECT_EQ(Slider("tbArrowWidth")->Position(), 20.0f);
    // The rest survives the trip unchanged.
    EXPECT_EQ(G->TickCount(), 51);
    EXPECT_EQ(G->MinAngle(), 235.0f);
    EXPECT_EQ(G->MaxAngle(), -55.0f);
    EXPECT_EQ(G->Inertia(), 95);
    EXPECT_EQ(G->Min(), 0.0f);
    EXPECT_EQ(G->Max(), 100.0f);
}

TEST_F(GaugePage, FillsItsListsCaptionAndName) {
    Open();
    EXPECT_EQ(Page->windowTitle(), QStringLiteral("VexGauge Component Editor [VexGauge1]"));
    const QStringList Tabs = {"Background", "Orientation", "Ticks", "Scale",
                              "Labels",     "Behaviour",   "Arrow", "Extra"};
    ASSERT_EQ(Page->PageControl->count(), Tabs.size());
    for (int I = 0; I < Tabs.size(); ++I)
        EXPECT_EQ(Page->PageControl->tabText(I), Tabs[I]);
    EXPECT_EQ(Page->PageControl->currentIndex(), 0);

    ASSERT_EQ(Page->lvGauges->count(), 21);
    EXPECT_EQ(Page->lvGauges->item(0)->text(), QStringLiteral("Image 1"));
    EXPECT_EQ(Page->lvGauges->item(20)->text(), QStringLiteral("Image 21"));
    ASSERT_EQ(Page->lvGauges->selectedItems().size(), 1);
    EXPECT_EQ(Page->lvGauges->row(Page->lvGauges->selectedItems().first()), 12);
    ASSERT_EQ(Page->ilGauges().size(), 21);
    EXPECT_EQ(Page->ilGauges().first().size(), QSize(100, 100));

    ASSERT_EQ(Page->lbArrowTypes->count(), 11);
    EXPECT_EQ(Page->lbArrowTypes->item(0)->text(), QStringLiteral("atSharp2"));
    EXPECT_EQ(Page->lbArrowTypes->item(10)->text(), QStringLiteral("atSharpDouble"));
    EXPECT_TRUE(Page->lbArrowTypes->selectedItems().isEmpty());

    EXPECT_EQ(Page->editName->text(), QStringLiteral("VexGauge1"));
    EXPECT_TRUE(Page->editName->isReadOnly());
    // Opening selected nothing new.
    EXPECT_EQ(G->ResourceImageIndex(), 13);
    EXPECT_EQ(G->ArrowType(), TVexGauge::atSharp);
}

TEST_F(GaugePage, LoadsEveryInputFromTheGauge) {
    G->SetOrigoX(-12);
    G->SetOrigoY(7);
    G->SetMaxAngle(-40);
    G->SetMinAngle(220.5f);
    G->SetCoverHeight(30);
    G->SetResourceImageIndex(9);
    G->SetTickRadius(80);
    G->SetTickPenWidth(2);
    G->SetTickLenght(-8);
    G->SetTickCount(41);
    G->SetMajorTickInterval(4);
    G->SetDrawTicks(false);
    G->SetTicksConnected(true);
    G->SetTickColor(clYellow);
    G->SetScaleRadius(0.62f);
    G->SetScaleCount(9);
    G->SetMax(250);
    G->SetMin(-50);
    G->SetScaleType(TVexGauge::stNoScale);
    G->SetScaleFormat(QStringLiteral("0.0"));
    G->SetUnitChoordX(3);
    G->SetUnitChoordY(25);
    G->SetValueChoordX(-4);
    G->SetValueChoordY(40);
    G->SetValueType(TVexGauge::vtNone);
    G->SetValueFormat(QStringLiteral("0"));
    G->SetUnitString(QStringLiteral("bar"));
    G->SetStabilizationTime(12);
    G->SetInertia(60);
    G->SetAllowInput(false);
    G->SetArrowLenght(0.9f);
    G->SetArrowWidth(0.35f);
    G->SetArrowColor(clRed);
    G->SetShadowColor(clBlue);
    G->SetShadowPtX(-3);
    G->SetShadowPtY(4);
    const QString Before = Saved();
    Open();

    const std::pair<const char *, float> Sliders[] = {{"tbOrigoX", -12},
                                                      {"tbOrigoY", 7},
                                                      {"tbMaxAngle", -40},
                                                      {"tbMinAngle", 220.5f},
                                                      {"tbCoverHeight", 30},
                                                      {"tbTickRadius", 80},
                                                      {"tbTickWidth", 2},
                                                      {"tbTickLenght", -8},
                                                      {"tbTickCount", 41},
                                                      {"tbMajorTickInterval", 4},
                                                      {"tbScaleRadius", 62},
                                                      {"tbScaleCount", 9},
                                                      {"tbUnitChoordX", 3},
                                                      {"tbUnitChoordY", 25},
                                                      {"usValueX", -4},
                                                      {"usValueY", 40},
                                                      {"tbStabilizationTime", 12},
                                                      {"tbSluggishness", 60},
                                                      {"tbArrowLenght", 90},
                                                      {"tbArrowWidth", 35},
                                                      {"tbShadowX", -3},
                                                      {"tbShadowY", 4}};
    for (const auto &[Name, Value] : Sliders)
        EXPECT_EQ(Slider(Name)->Position(), Value) << Name;
    EXPECT_FALSE(Page->ubCircular->Checked());
    EXPECT_FALSE(Page->ubDrawTicks->Checked());
    EXPECT_TRUE(Page->ubTicksConnected->Checked());
    EXPECT_EQ(Page->panelTickColor->Color(), clYellow);
    EXPECT_EQ(Page->editMinValue->text(), QStringLiteral("-50"));
    EXPECT_EQ(Page->editMaxValue->text(), QStringLiteral("250"));
    EXPECT_FALSE(Page->ubDrawScale->Checked());
    EXPECT_EQ(Page->editScaleFormat->text(), QStringLiteral("0.0"));
    EXPECT_FALSE(Page->ubDrawValue->Checked());
    EXPECT_EQ(Page->editValueFormat->text(), QStringLiteral("0"));
    EXPECT_EQ(Page->editUnitText->text(), QStringLiteral("bar"));
    EXPECT_FALSE(Page->ubInputType->Checked());
    EXPECT_EQ(Page->panelArrowColor->Color(), clRed);
    EXPECT_EQ(Page->panelShadowColor->Color(), clBlue);
    EXPECT_EQ(Page->pnlScaleFont->Caption(), QStringLiteral("Arial, 10 pt"));
    EXPECT_EQ(Page->lvGauges->row(Page->lvGauges->selectedItems().first()), 8);
    // Whole numbers come back unchanged; only the half degree is rounded (to even).
    EXPECT_EQ(G->MinAngle(), 220.0f);
    G->SetMinAngle(220.5f);
    EXPECT_EQ(Saved(), Before);
}

TEST_F(GaugePage, SlidersWriteTheirRoundedPositions) {
    Open();
    Slider("tbTickCount")->SetPosition(12.6f);
    EXPECT_EQ(G->TickCount(), 13);
    EXPECT_EQ(Shown("tbTickCount"), QStringLiteral("13"));
    Slider("tbMinAngle")->SetPosition(-100.4f);
    EXPECT_EQ(G->MinAngle(), -100.0f);
    Slider("tbScaleRadius")->SetPosition(73);
    EXPECT_EQ(G->ScaleRadius(), 0.73f);
    Slider("tbArrowWidth")->SetPosition(5);
    EXPECT_EQ(G->ArrowWidth(), 0.05f);
    // Inertia 0 is refused by the gauge: the value stays.
    Slider("tbSluggishness")->SetPosition(0);
    EXPECT_EQ(G->Inertia(), 95);
    // The mouse: a press halfway along the 0..100 bar.
    TVexSlider *Count = Slider("tbTickCount");
    Press(Count, QPoint(Count->width() / 2, 5));
    Release(Count, QPoint(Count->width() / 2, 5));
    EXPECT_EQ(G->TickCount(), 50);
}

TEST_F(GaugePage, FacesSixAndThirteenSwitchTheOutline) {
    Open();
    EXPECT_TRUE(Page->ubCircular->Checked());
    Page->lvGauges->setCurrentRow(5);
    EXPECT_EQ(G->ResourceImageIndex(), 6);
    EXPECT_FALSE(G->Circular());
    EXPECT_FALSE(Page->ubCircular->Checked());
    Page->lvGauges->setCurrentRow(12);
    EXPECT_EQ(G->ResourceImageIndex(), 13);
    EXPECT_TRUE(G->Circular());
    EXPECT_TRUE(Page->ubCircular->Checked());
    // A click that leaves nothing selected changes nothing.
    Page->lvGauges->clearSelection();
    EXPECT_EQ(G->ResourceImageIndex(), 13);
}

TEST_F(GaugePage, CheckBoxesWriteOnClick) {
    G->SetScaleType(TVexGauge::stRotated);
    Open();
    EXPECT_FALSE(Page->ubDrawScale->Checked());
    EXPECT_EQ(G->ScaleType(), TVexGauge::stRotated);
    Click(Page->ubDrawScale);
    EXPECT_EQ(G->ScaleType(), TVexGauge::stNormal);
    Click(Page->ubDrawScale);
    EXPECT_EQ(G->ScaleType(), TVexGauge::stNoScale);
    Click(Page->ubDrawValue);
    EXPECT_EQ(G->ValueType(), TVexGauge::vtNone);
    Click(Page->ubCircular);
    EXPECT_FALSE(G->Circular());
    Click(Page->ubInputType);
    EXPECT_FALSE(G->AllowInput());
    Click(Page->ubTicksConnected);
    EXPECT_TRUE(G->TicksConnected());
}

TEST_F(GaugePage, EditBoxesTakeOnlyWholeNumbers) {
    Open();
    for (const char *Bad : {"-", "abc", "", "1e", "12x"}) {
        Page->editMaxValue->setText(QLatin1String(Bad));
        EXPECT_EQ(G->Max(), 100.0f) << Bad;
    }
    Page->editMaxValue->setText(QStringLiteral("1e3"));
    EXPECT_EQ(G->Max(), 1000.0f);
    // Values the gauge refuses are dropped.
    Page->editMaxValue->setText(QStringLiteral("-20"));
    EXPECT_EQ(G->Max(), 1000.0f);

    // The minimum's keys: no letters, so "1e3" typed is 13; the sign is allowed.
    Page->editMinValue->clear();
    Type(Page->editMinValue, QStringLiteral("1e3"));
    EXPECT_EQ(Page->editMinValue->text(), QStringLiteral("13"));
    EXPECT_EQ(G->Min(), 13.0f);
    Page->editMinValue->clear();
    Type(Page->editMinValue, QStringLiteral("-5"));
    EXPECT_EQ(G->Min(), -5.0f);
    Page->editMinValue->setText(QStringLiteral("5000"));
    EXPECT_EQ(G->Min(), -5.0f);

    Page->editScaleFormat->setText(QStringLiteral("0.0"));
    EXPECT_EQ(G->ScaleFormat(), QStringLiteral("0.0"));
    Page->editValueFormat->setText(QStringLiteral("#"));
    EXPECT_EQ(G->ValueFormat(), QStringLiteral("#"));
    Page->editUnitText->setText(QStringLiteral("rpm"));
    EXPECT_EQ(G->UnitString(), QStringLiteral("rpm"));
}

TEST_F(GaugePage, ColourPanelsAskWithTheirPresets) {
    Open();
    User.Color = clRed;
    Click(Page->panelTickColor);
    ASSERT_EQ(User.ColorsOffered.size(), 1u);
    EXPECT_EQ(User.ColorsOffered[0], clWhite);
    EXPECT_EQ(G->TickColor(), clRed);
    EXPECT_EQ(Page->panelTickColor->Color(), clRed);
    // The shadow's dialog opens on the last colour, not the shadow's.
    User.Color = clLime;
    Click(Page->panelShadowColor);
    EXPECT_EQ(User.ColorsOffered[1], clRed);
    EXPECT_EQ(G->ShadowColor(), clLime);
    User.Color.reset();
    Click(Page->panelArrowColor);
    EXPECT_EQ(User.ColorsOffered[2], clWhite);
    EXPECT_EQ(G->ArrowColor(), clWhite);
    EXPECT_EQ(Page->panelArrowColor->Color(), clWhite);
    Click(Page->panelShadowColor);
    EXPECT_EQ(User.ColorsOffered[3], clWhite); // the cancelled dialog's preset
}

TEST_F(GaugePage, FontPanelsWriteTheChosenFont) {
    Open();
    TFont Chosen = G->ScaleFont();
    Chosen.Name = QStringLiteral("Times New Roman");
    Chosen.SetSize(14);
    User.Font = Chosen;
    Click(Page->pnlScaleFont);
    ASSERT_EQ(User.FontsOffered.size(), 1u);
    EXPECT_EQ(User.FontsOffered[0].Height, -13);
    EXPECT_EQ(G->ScaleFont(), Chosen);
    EXPECT_EQ(Page->pnlScaleFont->Caption(), QStringLiteral("Times New Roman, 14 pt"));
    Click(Page->Panel9);
    EXPECT_EQ(G->UnitFont(), Chosen);
    User.Font.reset();
    const TFont Before = G->ValueFont();
    Click(Page->pnlValueFont);
    EXPECT_EQ(G->ValueFont(), Before);
}

TEST_F(GaugePage, ArrowTypeListSetsTheType) {
    Open();
    Page->lbArrowTypes->setCurrentRow(TVexGauge::atWicked);
    EXPECT_EQ(G->ArrowType(), TVexGauge::atWicked);
    Page->lbArrowTypes->clearSelection();
    EXPECT_EQ(G->ArrowType(), TVexGauge::atWicked);
}

TEST_F(GaugePage, TheNameChangesOnlyWhileDesigning) {
    Open();
    Page->editName->setText(QStringLiteral("Speed"));
    EXPECT_EQ(G->objectName(), QStringLiteral("VexGauge1"));
    Page->SetDesigning(true);
    EXPECT_FALSE(Page->editName->isReadOnly());
    Page->editName->setText(QStringLiteral("Dial"));
    EXPECT_EQ(G->objectName(), QStringLiteral("Dial"));
}

TEST_F(GaugePage, WritePropertiesDoesNothingAtRunTime) {
    Open();
    User.Choose(Path("dial"));
    Click(Page->ubWriteProperties);
    EXPECT_TRUE(User.FilesAsked.empty());
    EXPECT_FALSE(QFile::exists(Path("dial.TVexGauge")));
    Page->SetDesigning(true);
    Click(Page->ubWriteProperties);
    ASSERT_EQ(User.FilesAsked.size(), 1u);
    EXPECT_EQ(User.FilesAsked[0].Filter,
              QStringLiteral("TVexGauge files (*.TVexGauge)|*.TVexGauge"));
    QFile File(Path("dial.TVexGauge"));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    EXPECT_EQ(DetectStreamFormat(File.read(1)), sfCompressed);
}

TEST_F(GaugePage, SavesAndReadsBackControlFilesInEitherFormat) {
    Open();
    Slider("tbTickCount")->SetPosition(33);
    const QString Edited = Saved();
    for (const int Filter : {0, 1}) {
        const QString Name = Path(Filter ? "text.TVexGauge" : "packed");
        User.Choose(Name, Filter);
        Click(Page->ubSaveToFile);
        const QString Written = Filter ? Name : Name + QStringLiteral(".TVexGauge");
        QFile File(Written);
        ASSERT_TRUE(File.open(QIODevice::ReadOnly)) << Filter;
        EXPECT_EQ(DetectStreamFormat(File.read(1)), Filter ? sfText : sfCompressed);

        Slider("tbTickCount")->SetPosition(70);
        G->SetUnitString(QStringLiteral("changed"));
        User.Choose(Written);
        Click(Page->ubReadProperties);
        EXPECT_EQ(Saved(), Edited) << Filter;
        // The page shows what was read.
        EXPECT_EQ(Slider("tbTickCount")->Position(), 33.0f);
        EXPECT_EQ(Page->editUnitText->text(), QString());
    }
    EXPECT_EQ(User.FilesAsked.back().Filter,
              QStringLiteral("TVexGauge files (*.TVexGauge)|*.TVexGauge"));
    EXPECT_TRUE(User.Messages.isEmpty());
}

TEST_F(GaugePage, BadFilesAreShownAndChangeNothing) {
    Open();
    const QString Before = Saved();
    QFile Corrupt(Path("corrupt.TVexGauge"));
    ASSERT_TRUE(Corrupt.open(QIODevice::WriteOnly));
    Corrupt.write("\x78\xDA garbage");
    Corrupt.close();
    QFile Wrong(Path("wrong.TVexGauge"));
    ASSERT_TRUE(Wrong.open(QIODevice::WriteOnly));
    Wrong.write("object X: TVexGauge\r\n  TickCount = 'many'\r\nend\r\n");
    Wrong.close();
    for (const char *Name : {"corrupt.TVexGauge", "wrong.TVexGauge", "missing.TVexGauge"}) {
        User.Choose(Path(Name));
        Click(Page->ubReadProperties);
        ASSERT_FALSE(User.Messages.isEmpty()) << Name;
        EXPECT_TRUE(User.Messages.last().contains(QLatin1String(Name)))
            << User.Messages.last().toStdString();
        EXPECT_EQ(Saved(), Before) << Name;
    }
    // Cancelled: nothing asked of the user beyond the dialog.
    User.File.reset();
    const qsizetype Shown = User.Messages.size();
    Click(Page->ubReadProperties);
    Click(Page->ubSaveToFile);
    EXPECT_EQ(User.Messages.size(), Shown);
    // A save that cannot be written is shown too.
    User.Choose(Path("no/such/folder/dial"));
    Click(Page->ubSaveToFile);
    EXPECT_EQ(User.Messages.size(), Shown + 1);
}

TEST_F(GaugePage, OpensABackgroundPicture) {
    Open();
    QImage Blue(40, 40, QImage::Format_RGB32);
    Blue.fill(Qt::blue);
    ASSERT_TRUE(Blue.save(Path("blue.bmp"), "BMP"));
    User.Choose(Path("blue.bmp"));
    Click(Page->ubOpenBackground);
    EXPECT_EQ(User.FilesAsked.back().Filter,
              QStringLiteral("Bitmaps (*.bmp)|*.bmp|JPEG images (*.jpg)|*.jpg"));
    EXPECT_EQ(G->Face().Pixel(100, 100), clBlue);
    EXPECT_EQ(G->Buffer().Pixel(100, 100), clBlue);

    G->SetResourceImageIndex(13);
    const TColor Face = G->Face().Pixel(100, 100);
    User.Choose(Path("none.bmp"));
    Click(Page->ubOpenBackground);
    EXPECT_TRUE(User.Messages.isEmpty());
    QFile NotAPicture(Path("text.bmp"));
    ASSERT_TRUE(NotAPicture.open(QIODevice::WriteOnly));
    NotAPicture.write("not a picture");
    NotAPicture.close();
    User.Choose(Path("text.bmp"));
    Click(Page->ubOpenBackground);
    EXPECT_EQ(User.Messages.size(), 1);
    EXPECT_EQ(G->Face().Pixel(100, 100), Face);
}

TEST_F(GaugePage, SavesTheGaugeAsABitmapFile) {
    Open();
    G->SetFloat(50);
    for (int I = 0; I < 3000; ++I)
        G->FrameTick();
    User.Choose(Path("shot.bmp"));
    Click(Page->ubSaveImage);
    EXPECT_EQ(User.FilesAsked.back().FileName, QStringLiteral("VexGauge.bmp"));
    EXPECT_EQ(User.FilesAsked.back().Filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    QFile File(Path("shot.bmp"));
    ASSERT_TRUE(File.open(QIODevice::ReadOnly));
    const QByteArray Header = File.read(30);
    ASSERT_EQ(Header.size(), 30);
    const auto Little = [&](int At, int Bytes) {
        int Value = 0;
        for (int I = Bytes - 1; I >= 0; --I)
            Value = Value * 256 + uint8_t(Header[At + I]);
        return Value;
    };
    // A plain Windows bitmap: "BM", the gauge's size, 24 bits per pixel, uncompressed.
    EXPECT_TRUE(Header.startsWith("BM"));
    EXPECT_EQ(Little(18, 4), 200);
    EXPECT_EQ(Little(22, 4), 200);
    EXPECT_EQ(Little(28, 2), 24);
    File.close();
    // The picture is the gauge as it shows, needle (straight up at 50) and value text included.
    const QImage Saved(Path("shot.bmp"));
    const QImage Shown = G->grab().toImage();
    EXPECT_EQ(Saved.pixel(100, 70), qRgb(255, 255, 255));
    for (int Y = 40; Y < 160; ++Y)
        for (int X = 40; X < 160; ++X)
            ASSERT_EQ(Saved.pixel(X, Y), Shown.pixel(X, Y)) << X << "," << Y;
}

TEST_F(GaugePage, ClosingClearsTheFacePictures) {
    Open();
    Click(Page->btnClose);
    EXPECT_TRUE(Page->ilGauges().isEmpty());
    EXPECT_EQ(Page->result(), QDialog::Accepted);
}

TEST_F(GaugePage, CaptionsFitOnOneLineAndInputsLineUp) {
    Open();
    Page->show();
    ExpectTidyLayout(*Page);
    for (const TVexSlider *S : Page->findChildren<TVexSlider *>()) {
        EXPECT_EQ(S->x(), TVexEditorPage::KInputLeft) << S->objectName().toStdString();
        EXPECT_EQ(S->SliderType(), TVexSlider::ustLiquidBar);
    }
    EXPECT_EQ(Page->findChildren<TVexSlider *>().size(), 22);
}

} // namespace Vex
