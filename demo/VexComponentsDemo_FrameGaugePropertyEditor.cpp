#include "demo/VexComponentsDemo_FrameGaugePropertyEditor.h"

#include "controls/VexGauge.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "editors/fmVexGaugeCE.h"

namespace Vex {

namespace {
const auto Registration = RegisterDemoPage(QStringLiteral("TfrmVexGaugePropertyEditor"),
                                           NewDemoPage<TfrmVexGaugePropertyEditor>);
} // namespace

void TfrmVexGaugePropertyEditor::FormCreate() {
    ugPropertyEditorTest = Component<TVexGauge>(QStringLiteral("ugPropertyEditorTest"));
    connect(ugPropertyEditorTest, &TVexGauge::OnClick, this,
            &TfrmVexGaugePropertyEditor::ugPropertyEditorTestClick);
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TfrmVexGaugePropertyEditor::Timer1Timer);
}

TVexGraphicControl *TfrmVexGaugePropertyEditor::EditorControl() const {
    return ugPropertyEditorTest;
}

// The needle wanders over the whole scale, a new target every tick.
void TfrmVexGaugePropertyEditor::Timer1Timer(TTimer *) {
    ugPropertyEditorTest->SetFloat(
        RandomDemoValue(ugPropertyEditorTest->Min(), ugPropertyEditorTest->Max()));
}

void TfrmVexGaugePropertyEditor::ugPropertyEditorTestClick() {
    TfrmVexGaugeCE Editor(this);
    Editor.SetEditingGauge(ugPropertyEditorTest);
    ShowModal(Editor);
}

} // namespace Vex
