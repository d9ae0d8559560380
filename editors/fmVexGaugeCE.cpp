#include "editors/fmVexGaugeCE.h"

#include "editors/VexEditorDialogs.h"
#include "platform/core/Component.h"
#include "platform/core/Errors.h"
#include "platform/graphics/Bitmap.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTabWidget>

namespace Vex {

namespace {
constexpr int KPageWidth = 498;
constexpr int KPageHeight = 387;
constexpr int KFaceSize = 100;
constexpr int KArrowListHeight = 150;

// The characters the minimum's edit box takes: digits, the separators and a sign.
const QString KMinValueCharacters = QStringLiteral("0123456789,.-");
} // namespace

TfrmVexGaugeCE::TfrmVexGaugeCE(QWidget *Parent)
    : TVexEditorPage(Parent, QStringLiteral("VexGauge Component Editor"), KPageWidth, KPageHeight) {
    setObjectName(QStringLiteral("frmVexGaugeCE"));
    TLoadingScope Loading;
    BuildBackground();
    BuildOrientation();
    BuildTicks();
    BuildScale();
    BuildLabels();
    BuildBehaviour();
    BuildArrow();
    BuildExtra();
    PageControl->setCurrentIndex(0);
}

void TfrmVexGaugeCE::BuildBackground() {
    QWidget *Tab = AddTab(QStringLiteral("Background"));
    lvGauges = new QListWidget(Tab);
    lvGauges->setObjectName(QStringLiteral("lvGauges"));
    lvGauges->setGeometry(4, 4, KPageWidth - 16, KPageHeight - 74);
    lvGauges->setViewMode(QListView::IconMode);
    lvGauges->setIconSize(QSize(KFaceSize, KFaceSize));
    lvGauges->setResizeMode(QListView::Adjust);
    lvGauges->setMovement(QListView::Static);
    lvGauges->setSpacing(4);
    connect(lvGauges, &QListWidget::itemSelectionChanged, this, &TfrmVexGaugeCE::lvGaugesClick);
}

void TfrmVexGaugeCE::BuildOrientation() {
    QWidget *Tab = AddTab(QStringLiteral("Orientation"));
    AddSlider(Tab, {"tbOrigoX", "Origo horizontal position", -200, 200, "OrigoX"});
    AddSlider(Tab, {"tbOrigoY", "Origo vertical position", -200, 200, "OrigoY"});
    AddSlider(Tab, {"tbMaxAngle", "Maximum angle", -360, 360, "MaxAngle"});
    AddSlider(Tab, {"tbMinAngle", "Minimum angle", -360, 360, "MinAngle"});
    AddSlider(Tab, {"tbCoverHeight", "Cover height", 0, 100, "CoverHeight"});
    ubCircular = AddCheckBox(Tab, QStringLiteral("ubCircular"), QStringLiteral("Circular shape"));
    BindCheckBox(ubCircular, "Circular");
}

void TfrmVexGaugeCE::BuildTicks() {
    QWidget *Tab = AddTab(QStringLiteral("Ticks"));
    AddSlider(Tab, {"tbTickRadius", "Tick radius", 0, 300, "TickRadius"});
    AddSlider(Tab, {"tbTickWidth", "Tick width", 0, 20, "TickPenWidth"});
    AddSlider(Tab, {"tbTickLenght", "Tick length", -50, 50, "TickLenght"});
    AddSlider(Tab, {"tbTickCount", "Tick count", 0, 100, "TickCount"});
    AddSlider(Tab, {"tbMajorTickInterval", "Major tick interval", 0, 20, "MajorTickInterval"});
    ubDrawTicks = AddCheckBox(Tab, QStringLiteral("ubDrawTicks"), QStringLiteral("Draw ticks"));
    BindCheckBox(ubDrawTicks, "DrawTicks");
    ubTicksConnected =
        AddCheckBox(Tab, QStringLiteral("ubTicksConnected"), QStringLiteral("Connect ticks"));
    BindCheckBox(ubTicksConnected, "TicksConnected");
    panelTickColor =
        AddColorPanel(Tab, QStringLiteral("panelTickColor"), QStringLiteral("Tick color"));
    BindColorPanel(panelTickColor, "TickColor");
}

void TfrmVexGaugeCE::BuildScale() {
    QWidget *Tab = AddTab(QStringLiteral("Scale"));
    // The label radius in hundredths of the face's half-height.
    AddSlider(Tab, {"tbScaleRadius", "Scale radius", -200, 200, "ScaleRadius", scHundredths});
    AddSlider(Tab, {"tbScaleCount", "Scale count", 0, 50, "ScaleCount"});
    editMinValue = AddEdit(Tab, QStringLiteral("editMinValue"), QStringLiteral("Minimum value"));
    AllowOnlyCharacters(editMinValue, KMinValueCharacters);
    BindNumberEdit(editMinValue, "Min");
    editMaxValue = AddEdit(Tab, QStringLiteral("editMaxValue"), QStringLiteral("Maximum value"));
    BindNumberEdit(editMaxValue, "Max");
    ubDrawScale = AddCheckBox(Tab, QStringLiteral("ubDrawScale"), QStringLiteral("Draw scale"));
    BindCheckBox(
        ubDrawScale, [this] { return FGauge->ScaleType() == TVexGauge::stNormal; },
        [this](bool Checked) {
            FGauge->SetScaleType(Checked ? TVexGauge::stNormal : TVexGauge::stNoScale);
        });
    editScaleFormat = AddEdit(Tab, QStringLiteral("editScaleFormat"), QStringLiteral("Format"));
    BindTextEdit(editScaleFormat, "ScaleFormat");
    pnlScaleFont = AddFontPanel(Tab, QStringLiteral("pnlScaleFont"), QStringLiteral("Scale font"));
    BindFontPanel(pnlScaleFont, "ScaleFont");
}

void TfrmVexGaugeCE::BuildLabels() {
    QWidget *Tab = AddTab(QStringLiteral("Labels"));
    AddSlider(Tab, {"tbUnitChoordX", "Unit label horizontal position", -200, 200, "UnitChoordX"});
    AddSlider(Tab, {"tbUnitChoordY", "Unit label vertical position", -200, 200, "UnitChoordY"});
    AddSlider(Tab, {"usValueX", "Value  label horizontal position", -200, 200, "ValueChoordX"});
    AddSlider(Tab, {"usValueY", "Value label vertical position", -200, 200, "ValueChoordY"});
    ubDrawValue = AddCheckBox(Tab, QStringLiteral("ubDrawValue"), QStringLiteral("Draw value"));
    BindCheckBox(
        ubDrawValue, [this] { return FGauge->ValueType() == TVexGauge::vtStandard; },
        [this](bool Checked) {
            FGauge->SetValueType(Checked ? TVexGauge::vtStandard : TVexGauge::vtNone);
        });
    pnlValueFont = AddFontPanel(Tab, QStringLiteral("pnlValueFont"), QStringLiteral("Value font"));
    BindFontPanel(pnlValueFont, "ValueFont");
    editValueFormat =
        AddEdit(Tab, QStringLiteral("editValueFormat"), QStringLiteral("Value format"));
    BindTextEdit(editValueFormat, "ValueFormat");
    Panel9 = AddFontPanel(Tab, QStringLiteral("Panel9"), QStringLiteral("Unit font"));
    BindFontPanel(Panel9, "UnitFont");
    editUnitText = AddEdit(Tab, QStringLiteral("editUnitText"), QStringLiteral("Unit text"));
    BindTextEdit(editUnitText, "UnitString");
}

void TfrmVexGaugeCE::BuildBehaviour() {
    QWidget *Tab = AddTab(QStringLiteral("Behaviour"));
    AddSlider(Tab, {"tbStabilizationTime", "Stabilization time", 0, 25, "StabilizationTime"});
    AddSlider(Tab, {"tbSluggishness", "Inertia", 0, 99, "Inertia"});
    ubInputType =
        AddCheckBox(Tab, QStringLiteral("ubInputType"), QStringLiteral("Allow interaction"));
    BindCheckBox(ubInputType, "AllowInput");
}

void TfrmVexGaugeCE::BuildArrow() {
    QWidget *Tab = AddTab(QStringLiteral("Arrow"));
    // Length and width in hundredths of the face's half-height.
    AddSlider(Tab, {"tbArrowLenght", "Arrow length", 0, 200, "ArrowLenght", scHundredths});
    AddSlider(Tab, {"tbArrowWidth", "Arrow width", 0, 100, "ArrowWidth", scHundredths});
    lbArrowTypes = AddList(Tab, QStringLiteral("lbArrowTypes"), QStringLiteral("Arrow type"),
                           KArrowListHeight);
    BindEnumList(lbArrowTypes, "ArrowType", false);
    panelArrowColor =
        AddColorPanel(Tab, QStringLiteral("panelArrowColor"), QStringLiteral("Arrow color"));
    BindColorPanel(panelArrowColor, "ArrowColor");
    panelShadowColor =
        AddColorPanel(Tab, QStringLiteral("panelShadowColor"), QStringLiteral("Shadow color"));
    BindColorPanel(panelShadowColor, "ShadowColor", false);
    AddSlider(Tab, {"tbShadowX", "Arrow shadow horizontal position", -10, 10, "ShadowPtX"});
    AddSlider(Tab, {"tbShadowY", "Arrow shadow vertical position", -10, 10, "ShadowPtY"});
}

void TfrmVexGaugeCE::BuildExtra() {
    QWidget *Tab = AddTab(QStringLiteral("Extra"));
    editName = AddEdit(Tab, QStringLiteral("editName"), QStringLiteral("Component name"));
    BindNameEdit(editName);
    AddHeading(Tab, QStringLiteral("Properties"));
    ubWriteProperties = AddButton(Tab, "ubWriteProperties", "Write properties to file",
                                  &TfrmVexGaugeCE::ubWritePropertiesClick);
    ubWriteProperties->SetHint(QStringLiteral("Writes the gauge's file while designing; "
                                              "\"Save to file...\" does so at any time"));
    ubWriteProperties->SetShowHint(true);
    ubReadProperties = AddButton(Tab, "ubReadProperties", "Read properties from file",
                                 &TfrmVexGaugeCE::ubReadPropertiesClick);
    ubSaveToFile =
        AddButton(Tab, "ubSaveToFile", "Save to file...", &TfrmVexGaugeCE::ubSaveToFileClick);
    AddHeading(Tab, QStringLiteral("Background graphics"));
    ubOpenBackground = AddButton(Tab, "ubOpenBackground", "Open background image",
                                 &TfrmVexGaugeCE::ubOpenBackgroundClick);
    ubSaveImage =
        AddButton(Tab, "ubSaveImage", "Save image to file", &TfrmVexGaugeCE::ubSaveImageClick);
}

void TfrmVexGaugeCE::SetEditingGauge(TVexGauge *Gauge) {
    FGauge = Gauge;
    SetEditedControl(Gauge);
    if (!Gauge)
        return;
    FillFaceList();
    LoadInputs();
}

void TfrmVexGaugeCE::FillFaceList() {
    const QSignalBlocker Quiet(lvGauges);
    lvGauges->clear();
    FilGauges.clear();
    for (int I = 1; I <= TVexGauge::FaceCount; ++I) {
        TBitmap Face;
        TVexGauge::LoadFaceImage(I, KFaceSize, Face, KFaceSize);
        FilGauges << QPixmap::fromImage(Face.Image());
        auto *Item = new QListWidgetItem(QIcon(FilGauges.last()),
                                         QStringLiteral("Image ") + QString::number(I), lvGauges);
        if (I == FGauge->ResourceImageIndex())
            lvGauges->setCurrentItem(Item);
    }
    if (QListWidgetItem *Current = lvGauges->currentItem())
        lvGauges->scrollToItem(Current);
}

void TfrmVexGaugeCE::lvGaugesClick() {
    const QList<QListWidgetItem *> Selected = lvGauges->selectedItems();
    if (!FGauge || Selected.isEmpty())
        return;
    FGauge->SetResourceImageIndex(lvGauges->row(Selected.first()) + 1);
    // Faces bring their own outline.
    ubCircular->SetChecked(FGauge->Circular());
}

void TfrmVexGaugeCE::ubWritePropertiesClick() {
    // Writing the gauge's own file is a design-time service; at run time "Save to file..."
    // offers the same.
    if (Designing())
        SaveControlFile(false);
}

void TfrmVexGaugeCE::ubReadPropertiesClick() {
    ReadControlFile();
}

void TfrmVexGaugeCE::ubSaveToFileClick() {
    SaveControlFile(true);
}

void TfrmVexGaugeCE::ubOpenBackgroundClick() {
    if (!FGauge)
        return;
    const std::optional<TFileDialogChoice> Choice = ExecuteFileDialog(
        this, {TFileDialogRequest::fdOpen,
               QStringLiteral("Bitmaps (*.bmp)|*.bmp|JPEG images (*.jpg)|*.jpg"), QString()});
    if (!Choice || !QFileInfo::exists(Choice->FileName))
        return;
    ShowingErrors([&] {
        QImageReader Reader(Choice->FileName);
        Reader.setDecideFormatFromContent(true);
        const QImage Picture = Reader.read();
        if (Picture.isNull())
            throw EVexError(Choice->FileName + QStringLiteral(": ") + Reader.errorString());
        FGauge->SetFacePicture(Picture);
    });
}

void TfrmVexGaugeCE::ubSaveImageClick() {
    if (!FGauge)
        return;
    const std::optional<TFileDialogChoice> Choice = ExecuteFileDialog(
        this, {TFileDialogRequest::fdSave, QStringLiteral("Bitmaps (*.bmp)|*.bmp"),
               QStringLiteral("VexGauge.bmp")});
    if (!Choice)
        return;
    ShowingErrors([&] {
        // The gauge as it shows, over what lies beneath its round corners.
        QImage Shown(FGauge->size(), QImage::Format_RGB32);
        Shown.fill(FGauge->parentWidget()
                       ? FGauge->parentWidget()->palette().color(QPalette::Window)
                       : QColor(Qt::white));
        {
            QPainter Painter(&Shown);
            Painter.drawPixmap(0, 0, FGauge->grab());
        }
        TBitmap Picture;
        Picture.Assign(Shown);
        if (!Picture.SaveToFile(Choice->FileName))
            throw EVexError(Choice->FileName + QStringLiteral(": the picture cannot be written"));
    });
}

void TfrmVexGaugeCE::done(int Result) {
    FilGauges.clear();
    TVexEditorPage::done(Result);
}

} // namespace Vex
