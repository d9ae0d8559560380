#include "editors/fmVexCylinderGaugeCE.h"

#include "platform/core/Component.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

namespace Vex {

namespace {
constexpr int KPageWidth = 498;
constexpr int KPageHeight = 268;
constexpr int KFieldListHeight = 150;
} // namespace

TfrmVexCylinderGaugeCE::TfrmVexCylinderGaugeCE(QWidget *Parent)
    : TVexEditorPage(Parent, QStringLiteral("VexCylinderGauge Component Editor"), KPageWidth,
                     KPageHeight) {
    setObjectName(QStringLiteral("frmVexCylinderGaugeCE"));
    ubClose = btnClose;
    ubClose->setObjectName(QStringLiteral("ubClose"));
    TLoadingScope Loading;
    BuildOrientation();
    BuildAppearance();
    BuildScale();
    BuildDatafield();
    BuildMotion();
    PageControl->setCurrentIndex(0);
}

void TfrmVexCylinderGaugeCE::BuildOrientation() {
    QWidget *Tab = AddTab(QStringLiteral("Orientation"));
    AddSlider(Tab, {"usWidth", "Width", 0, 500, "Width"});
    AddSlider(Tab, {"usHeight", "Height", 0, 500, "Height"});
    AddSlider(Tab, {"usLeftMargin", "Left margin", 0, 50, "ScaleMargin"});
    AddSlider(Tab, {"usValueSpacing", "Value spacing", 0, 100, "ValueSpacing"});
}

void TfrmVexCylinderGaugeCE::BuildAppearance() {
    QWidget *Tab = AddTab(QStringLiteral("Appearance"));
    pnlCylinderColor =
        AddColorPanel(Tab, QStringLiteral("pnlCylinderColor"), QStringLiteral("Cylinder color"));
    BindColorPanel(pnlCylinderColor, "CylinderColor");
    pnlTickColor = AddColorPanel(Tab, QStringLiteral("pnlTickColor"), QStringLiteral("Tick color"));
    BindColorPanel(pnlTickColor, "TickColor");
    pnlIndicatorColor =
        AddColorPanel(Tab, QStringLiteral("pnlIndicatorColor"), QStringLiteral("Indicator color"));
    BindColorPanel(pnlIndicatorColor, "IndicatorColor");
    pnlFont = AddFontPanel(Tab, QStringLiteral("pnlFont"), QStringLiteral("Font"));
    BindFontPanel(pnlFont, "Font", fcName);
    ubTransparentIndicator = AddCheckBox(Tab, QStringLiteral("ubTransparentIndicator"),
                                         QStringLiteral("Transparent indicator"));
    BindCheckBox(ubTransparentIndicator, "IndicatorTransparent");
}

void TfrmVexCylinderGaugeCE::BuildScale() {
    QWidget *Tab = AddTab(QStringLiteral("Scale"));
    editMaxValue = AddEdit(Tab, QStringLiteral("editMaxValue"), QStringLiteral("Max value"));
    BindNumberEdit(editMaxValue, "Max");
    editMinValue = AddEdit(Tab, QStringLiteral("editMinValue"), QStringLiteral("Min value"));
    BindNumberEdit(editMinValue, "Min");
    editStep = AddEdit(Tab, QStringLiteral("editStep"), QStringLiteral("Step"));
    BindNumberEdit(editStep, "Step");
    editFormat = AddEdit(Tab, QStringLiteral("editFormat"), QStringLiteral("Format"));
    BindTextEdit(editFormat, "ValueFormat");
    AddSlider(Tab, {"usTickWidth", "Tick width", 0, 50, "TickWidth"});
    AddSlider(Tab, {"usTickLength", "Tick length", 0, 50, "TickLength"});
    AddSlider(Tab, {"usTicksPerValue", "Ticks per value", 1, 10, "TicksPerValue"});
    AddSlider(Tab, {"usIndicatorWidth", "Indicator width", 0, 20, "IndicatorWidth"});
}

void TfrmVexCylinderGaugeCE::BuildDatafield() {
    QWidget *Tab = AddTab(QStringLiteral("Datafield"));
    lvDataFields = AddDataFieldList(Tab, QStringLiteral("lvDataFields"),
                                    QStringLiteral("Datafield"), KFieldListHeight);
}

void TfrmVexCylinderGaugeCE::BuildMotion() {
    QWidget *Tab = AddTab(QStringLiteral("Motion"));
    AddSlider(Tab, {"usSluggishness", "Inertia", 0, 50, "Sluggishness"});
    AddSlider(Tab, {"usStabilizeTime", "Stabilize time", 0, 200, "StabilizeTime"});
}

void TfrmVexCylinderGaugeCE::SetEditingCylinderGauge(TVexCylinderGauge *Drum) {
    FDrum = Drum;
    SetEditedControl(Drum);
    if (Drum)
        LoadInputs();
}

} // namespace Vex
