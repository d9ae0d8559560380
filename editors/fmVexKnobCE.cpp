#include "editors/fmVexKnobCE.h"

#include "editors/VexEditorInputs.h"
#include "platform/core/Component.h"
#include "platform/format/FloatFormat.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace Vex {

namespace {
constexpr int KPageWidth = 456;
constexpr int KPageHeight = 423;
// Two columns of rows on every tab.
constexpr int KColumnWidth = 212;
// List heights for three and five items, and the longer lists.
constexpr int KShortList = 56;
constexpr int KMediumList = 90;
constexpr int KSurfaceList = 236;
constexpr int KScaleTypeList = 150;
constexpr int KFontPanelHeight = 28;
constexpr int KComboHeight = 20;
constexpr int KMemoHeight = 112;

const QStringList KScaleFormats = {
    QStringLiteral("0.#"), QStringLiteral("0.##"), QStringLiteral("0.###"), QStringLiteral("0"),
    QStringLiteral("0.0"), QStringLiteral("0.00"), QStringLiteral("0.000")};

void SetHint(QWidget *Input, const char *Hint) {
    Input->setToolTip(QLatin1String(Hint));
}

// The lines of a memo's text as a string list holds them: a final line break starts no line.
QStringList MemoLines(const QString &Text) {
    QStringList Lines = Text.split(QLatin1Char('\n'));
    if (Lines.last().isEmpty())
        Lines.removeLast();
    return Lines;
}
} // namespace

TfrmVexKnobCE::TfrmVexKnobCE(QWidget *Parent)
    : TVexEditorPage(Parent, QString(), KPageWidth, KPageHeight) {
    setObjectName(QStringLiteral("frmVexKnobCE"));
    TLoadingScope Loading;
    SetCaptionsAbove(KColumnWidth);
    BuildSurface();
    BuildScale();
    BuildTicks();
    BuildIndicator();
    BuildGeneral();
    PageControl->setCurrentIndex(0);
}

void TfrmVexKnobCE::BuildSurface() {
    QWidget *Tab = AddTab(QStringLiteral("Surface"));
    AddSlider(Tab, {"utbKnobSize", "Knob diameter", 0, 100, "KnobSize"});
    AddSlider(Tab, {"utbShadowX", "Shadow horizontal position", -100, 100, "ShadowX"});
    AddSlider(Tab, {"utbShadowY", "Shadow vertical position", -100, 100, "ShadowY"});
    AddSlider(Tab, {"utbGranularity", "Granularity", 0, 200, "Granularity"});
    AddSlider(Tab, {"utbContrast", "Contrast", 0, 200, "Contrast"});
    AddSlider(Tab, {"utbBevelWidth", "Bevel width", 0, 20, "BevelWidth"});
    pnlBackgroundColor =
        AddColorPanel(Tab, QStringLiteral("pnlBackgroundColor"), QStringLiteral("Back color"));
    BindColorPanel(pnlBackgroundColor, "Color");
    pnlKnobColor = AddColorPanel(Tab, QStringLiteral("pnlKnobColor"), QStringLiteral("Knob color"));
    BindColorPanel(pnlKnobColor, "KnobColor");

    NextColumn(Tab);
    lbGranularityType = AddList(Tab, QStringLiteral("lbGranularityType"),
                                QStringLiteral("Granularity"), KShortList);
    SetHint(lbGranularityType, "Applies noise");
    BindEnumList(lbGranularityType, "GranularityType", true);
    lvKnobSurfaceType = AddList(Tab, QStringLiteral("lvKnobSurfaceType"),
                                QStringLiteral("Knob surface type"), KSurfaceList);
    BindEnumList(lvKnobSurfaceType, "KnobSurfaceType", true);
}

void TfrmVexKnobCE::BuildScale() {
    QWidget *Tab = AddTab(QStringLiteral("Scale"));
    TVexSlider *Radius =
        AddSlider(Tab, {"utbScaleRadius", "Scale radius", 0, 100, "ScaleRadius", scAsIs});
    // The radius alone redraws the fixed background; a scale on the face needs the whole knob.
    connect(Radius, &TVexSlider::OnChange, this, &TfrmVexKnobCE::RebuildKnob);
    AddSlider(Tab, {"utbMinAngle", "Minimum angle", -360, 360, "MinAngle"});
    AddSlider(Tab, {"utbMaxAngle", "Maximum angle", -360, 360, "MaxAngle"});
    AddSlider(Tab, {"utbScaleCount", "Scale count", 0, 30, "ScaleItemCount"});
    ubIndexed = AddCheckBox(Tab, QStringLiteral("ubIndexed"), QStringLiteral("Indexed"));
    ubDrawCaptions =
        AddCheckBox(Tab, QStringLiteral("ubDrawCaptions"), QStringLiteral("Draw captions"));
    // Captions are drawn exactly when the knob is indexed: both boxes show and set Indexed.
    const auto Indexed = [this] { return FKnob->Indexed(); };
    BindCheckBox(ubIndexed, Indexed, [this](bool) { ubIndexedClick(); });
    BindCheckBox(ubDrawCaptions, Indexed, [this](bool) { ubDrawCaptionsClick(); });
    // The value fields take digits, a sign and the decimal separator as typed.
    const QString NumberKeys = QStringLiteral("0123456789-") + DecimalSeparator();
    editMin = AddEdit(Tab, QStringLiteral("editMin"), QStringLiteral("Minimum value"));
    SetHint(editMin, "The lowest value of the knob");
    AllowOnlyCharacters(editMin, NumberKeys);
    BindNumberEdit(editMin, "Min");
    editMax = AddEdit(Tab, QStringLiteral("editMax"), QStringLiteral("Maximum value"));
    SetHint(editMax, "The highest value of the knob");
    AllowOnlyCharacters(editMax, NumberKeys);
    BindNumberEdit(editMax, "Max");
    cbScaleFormat = AddInput<QComboBox>(Tab, QStringLiteral("cbScaleFormat"),
                                        QStringLiteral("Format"), 0, KComboHeight);
    SetHint(cbScaleFormat, "0=Mandatory digit, #=Optional digit");
    cbScaleFormat->setEditable(true);
    cbScaleFormat->addItems(KScaleFormats);
    BindTextEdit(cbScaleFormat->lineEdit(), "ScaleFormat");

    NextColumn(Tab);
    lbScaleType =
        AddList(Tab, QStringLiteral("lbScaleType"), QStringLiteral("Scale type"), KScaleTypeList);
    SetHint(lbScaleType, "Orientation of scale including rotation. Rotation only works for true "
                         "type (TT) fonts");
    BindEnumList(lbScaleType, "ScaleType", true);
    pnlScaleFont = AddInput<TVexEditorPanel>(Tab, QStringLiteral("pnlScaleFont"),
                                             QStringLiteral("Scale font"), 0, KFontPanelHeight);
    BindFontPanel(pnlScaleFont, "ScaleFont", fcNameAndSize);
    memoCaptions = AddInput<QPlainTextEdit>(Tab, QStringLiteral("memoCaptions"),
                                            QStringLiteral("Captions"), 0, KMemoHeight);
    BindLoader([this] { memoCaptions->setPlainText(FKnob->Captions().join(QLatin1Char('\n'))); });
    connect(memoCaptions, &QPlainTextEdit::textChanged, this, &TfrmVexKnobCE::memoCaptionsChange);
}

void TfrmVexKnobCE::BuildTicks() {
    QWidget *Tab = AddTab(QStringLiteral("Ticks"));
    AddSlider(Tab, {"utbTickRadius", "Tick radius", 0, 100, "TickRadius"});
    AddSlider(Tab, {"utbTickLength", "Tick length", -100, 100, "TickLen", scAsIs});
    AddSlider(Tab, {"utbTickWidth", "Tick width", 0, 10, "TickWidth", scAsIs});
    AddSlider(Tab, {"utbTickCount", "Ticks per value", 0, 10, "TickCount"});
    AddSlider(Tab,
              {"utbTickMinorSize", "Minor tick size", -100, 100, "TickMinorSize", scLoadRounded});
    pnlTickColor = AddColorPanel(Tab, QStringLiteral("pnlTickColor"), QStringLiteral("Tick color"));
    SetHint(pnlTickColor, "Color of ticks");
    BindColorPanel(pnlTickColor, "TickColor");

    NextColumn(Tab);
    lbTickLocation =
        AddList(Tab, QStringLiteral("lbTickLocation"), QStringLiteral("Tick location"), KShortList);
    BindEnumList(lbTickLocation, "TickLocation", true);
    lbTickType =
        AddList(Tab, QStringLiteral("lbTickType"), QStringLiteral("Tick shape"), KMediumList);
    SetHint(lbTickType, "Shape of ticks");
    BindEnumList(lbTickType, "TickType", true);
    connect(lbTickType, &QListWidget::itemSelectionChanged, this, &TfrmVexKnobCE::RebuildKnob);
}

void TfrmVexKnobCE::BuildIndicator() {
    QWidget *Tab = AddTab(QStringLiteral("Indicator"));
    AddSlider(Tab,
              {"utbIndicatorRadius", "Indicator radius", 0, 100, "IndicatorRadius", scLoadRounded});
    AddSlider(Tab,
              {"utbIndicatorWidth", "Indicator width", 0, 100, "IndicatorWidth", scLoadRounded});
    AddSlider(Tab, {"utbIndicatorLength", "Indicator length", -100, 100, "IndicatorLength",
                    scLoadRounded});
    pnlIndicatorColor =
        AddColorPanel(Tab, QStringLiteral("pnlIndicatorColor"), QStringLiteral("Indicator color"));
    BindColorPanel(pnlIndicatorColor, "IndicatorColor", false);

    NextColumn(Tab);
    lbIndicatorType = AddList(Tab, QStringLiteral("lbIndicatorType"),
                              QStringLiteral("Indicator type"), KMediumList);
    BindEnumList(lbIndicatorType, "IndicatorType", true);
    lbIndicatorLocation = AddList(Tab, QStringLiteral("lbIndicatorLocation"),
                                  QStringLiteral("Indicator location"), KShortList);
    BindEnumList(lbIndicatorLocation, "IndicatorLocation", true);
}

void TfrmVexKnobCE::BuildGeneral() {
    QWidget *Tab = AddTab(QStringLiteral("General"));
    editName = AddEdit(Tab, QStringLiteral("editName"), QStringLiteral("Component name"));
    BindNameEdit(editName, true);
    AddSlider(Tab, {"tbStabilizationTime", "Stabilization time", 0, 25, "StabilizationTime"});
    AddSlider(Tab, {"tbSluggishness", "Inertia", 0, 99, "Inertia"});

    NextColumn(Tab);
    AddHeading(Tab, QStringLiteral("Properties"));
    ubReadProperties = AddButton(Tab, "ubReadProperties", "Read properties from file",
                                 &TfrmVexKnobCE::ubReadPropertiesClick);
    ubWriteProperties = AddButton(Tab, "ubWriteProperties", "Write properties to file",
                                  &TfrmVexKnobCE::ubWritePropertiesClick);
    ubWriteProperties->SetHint(QStringLiteral("Writes the knob's file while designing; "
                                              "\"Save to file...\" does so at any time"));
    ubWriteProperties->SetShowHint(true);
    ubSaveToFile =
        AddButton(Tab, "ubSaveToFile", "Save to file...", &TfrmVexKnobCE::ubSaveToFileClick);
}

void TfrmVexKnobCE::FSetEditingComponent(TVexKnob *Knob) {
    FKnob = Knob;
    SetEditedControl(Knob);
    if (Knob)
        LoadInputs();
}

void TfrmVexKnobCE::ApplyIndexed(TVexButton *Box) {
    FKnob->SetIndexed(Box->Checked());
    ubIndexed->SetChecked(FKnob->Indexed());
    ubDrawCaptions->SetChecked(FKnob->Indexed());
    // Indexing starts the range at 0 and, with captions, ends it at the last caption.
    ShowRange();
}

void TfrmVexKnobCE::ShowRange() {
    editMin->setText(FloatText(FKnob->Min()));
    editMax->setText(FloatText(FKnob->Max()));
}

void TfrmVexKnobCE::ubIndexedClick() {
    if (FKnob)
        ApplyIndexed(ubIndexed);
}

void TfrmVexKnobCE::ubDrawCaptionsClick() {
    if (FKnob)
        ApplyIndexed(ubDrawCaptions);
}

void TfrmVexKnobCE::memoCaptionsChange() {
    if (!FKnob)
        return;
    const QStringList Lines = MemoLines(memoCaptions->toPlainText());
    // The captions replace the labels of an indexed knob without changing the count of the
    // numbered scale, which the scale count slider shows; restoring the count also rebuilds
    // the knob, which an emptied list would not.
    const int Count = FKnob->ScaleItemCount();
    FKnob->SetCaptions(Lines);
    if (FKnob->Indexed()) {
        FKnob->SetMin(0);
        FKnob->SetMax(float(Lines.size() - 1));
        ShowRange();
    }
    FKnob->SetScaleItemCount(Count);
}

void TfrmVexKnobCE::RebuildKnob() {
    // Every look setter of the knob renders all its pictures again, even for an unchanged
    // value.
    if (FKnob)
        FKnob->SetKnobColor(FKnob->KnobColor());
}

void TfrmVexKnobCE::ubReadPropertiesClick() {
    ReadControlFile();
}

void TfrmVexKnobCE::ubWritePropertiesClick() {
    // Writing the knob's own file is a design-time service; at run time "Save to file..."
    // offers the same.
    if (Designing())
        SaveControlFile(false);
}

void TfrmVexKnobCE::ubSaveToFileClick() {
    SaveControlFile(true);
}

} // namespace Vex
