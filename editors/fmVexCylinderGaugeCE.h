#pragma once
// The drum counter's editor page: five tabs of inputs, each written into the edited drum as soon
// as it changes, so the drum redraws beside the page. Orientation holds the size and the
// scale's spacing, Appearance the colours, the font and the indicator's transparency, Scale the
// range, step, label picture and the ticks and indicator band, Datafield the numeric fields of
// the drum's table, Motion the roll's sluggishness and damping.
//
// Opening the page writes every slider's value back through the slider, so values outside a
// slider's range come back clamped (a TicksPerValue of 0 becomes 1).

#include "controls/VexCylinderGauge.h"
#include "editors/VexEditorPage.h"
#include "platform/core/VexExport.h"

class QTreeWidget;

namespace Vex {

class VEX_EXPORT TfrmVexCylinderGaugeCE : public TVexEditorPage {
    Q_OBJECT

public:
    explicit TfrmVexCylinderGaugeCE(QWidget *Parent = nullptr);

    // Fills the page from Drum (not owned) and from then on edits it.
    void SetEditingCylinderGauge(TVexCylinderGauge *Drum);
    TVexCylinderGauge *EditingCylinderGauge() const { return FDrum; }

    // The page's parts, named as in its layout. The sliders are found by name
    // (findChild<TVexSlider *>("usWidth")).
    TVexButton *ubClose;
    TVexEditorPanel *pnlCylinderColor;
    TVexEditorPanel *pnlTickColor;
    TVexEditorPanel *pnlIndicatorColor;
    TVexEditorPanel *pnlFont;
    TVexButton *ubTransparentIndicator;
    QLineEdit *editMaxValue;
    QLineEdit *editMinValue;
    QLineEdit *editStep;
    QLineEdit *editFormat;
    QTreeWidget *lvDataFields;

private:
    void BuildOrientation();
    void BuildAppearance();
    void BuildScale();
    void BuildDatafield();
    void BuildMotion();

    QPointer<TVexCylinderGauge> FDrum;
};

} // namespace Vex
