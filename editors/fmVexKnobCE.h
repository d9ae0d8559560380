#pragma once
// The knob's editor page: five tabs of inputs, each written into the edited knob as soon as it
// changes, so the knob repaints beside the page while a slider is dragged. Surface, Scale, Ticks
// and Indicator hold sliders, lists of the knob's enumerations, colour and font panels, the
// range's edit boxes and the caption lines; General shows the component name and the motion,
// and reads and writes control files. The page is titled with the knob's name.
//
// Opening the page writes every slider's value back through the slider: values outside a
// slider's range come back clamped, and the indicator's radius, width and length and the minor
// tick size come back as whole numbers.

#include "controls/VexKnob.h"
#include "editors/VexEditorPage.h"
#include "platform/core/VexExport.h"

class QComboBox;
class QPlainTextEdit;

namespace Vex {

class VEX_EXPORT TfrmVexKnobCE : public TVexEditorPage {
    Q_OBJECT

public:
    explicit TfrmVexKnobCE(QWidget *Parent = nullptr);

    // Fills the page from Knob (not owned) and from then on edits it; no knob only forgets the
    // one edited so far.
    void FSetEditingComponent(TVexKnob *Knob);
    TVexKnob *EditingKnob() const { return FKnob; }

    // Handlers of the inputs that do more than write one property.
    void ubIndexedClick();
    void ubDrawCaptionsClick();
    void memoCaptionsChange();
    void ubReadPropertiesClick();
    void ubWritePropertiesClick();
    void ubSaveToFileClick();

    // The page's parts, named as in its layout. The sliders are found by name
    // (findChild<TVexSlider *>("utbKnobSize")).
    QListWidget *lbGranularityType;
    QListWidget *lvKnobSurfaceType;
    TVexEditorPanel *pnlBackgroundColor;
    TVexEditorPanel *pnlKnobColor;
    TVexButton *ubIndexed;
    TVexButton *ubDrawCaptions;
    QLineEdit *editMin;
    QLineEdit *editMax;
    QComboBox *cbScaleFormat;
    QListWidget *lbScaleType;
    TVexEditorPanel *pnlScaleFont;
    QPlainTextEdit *memoCaptions;
    QListWidget *lbTickLocation;
    QListWidget *lbTickType;
    TVexEditorPanel *pnlTickColor;
    QListWidget *lbIndicatorType;
    QListWidget *lbIndicatorLocation;
    TVexEditorPanel *pnlIndicatorColor;
    TVexButton *ubReadProperties;
    TVexButton *ubWriteProperties;
    TVexButton *ubSaveToFile;
    QLineEdit *editName;

private:
    void BuildSurface();
    void BuildScale();
    void BuildTicks();
    void BuildIndicator();
    void BuildGeneral();
    // Sets Indexed from Box and shows what it changed: both check boxes and the range.
    void ApplyIndexed(TVexButton *Box);
    void ShowRange();
    // Renders every picture of the knob again.
    void RebuildKnob();

    QPointer<TVexKnob> FKnob;
};

} // namespace Vex
