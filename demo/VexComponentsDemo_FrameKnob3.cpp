#include "demo/VexComponentsDemo_FrameKnob3.h"

#include "controls/VexKnob.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "editors/fmVexKnobCE.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexKnob3"), NewDemoPage<TfrmVexKnob3>);
} // namespace

void TfrmVexKnob3::FormCreate() {
    VexKnob2 = Component<TVexKnob>(QStringLiteral("VexKnob2"));
    connect(VexKnob2, &TVexKnob::OnClick, this, &TfrmVexKnob3::VexKnob2Click);
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TfrmVexKnob3::Timer1Timer);
}

TVexGraphicControl *TfrmVexKnob3::EditorControl() const {
    return VexKnob2;
}

// 0 to 8.999 in thousandths on the knob's 0 .. 9: the face turns to it with the knob's
// inertia.
void TfrmVexKnob3::Timer1Timer(TTimer *) {
    VexKnob2->SetFloat(RandomDemoValue(VexKnob2->Min(), VexKnob2->Max()));
}

void TfrmVexKnob3::VexKnob2Click() {
    TfrmVexKnobCE Editor(this);
    Editor.FSetEditingComponent(VexKnob2);
    ShowModal(Editor);
}

} // namespace Vex
