#include "demo/VexComponentsDemo_FrameVexCylinderGauge4.h"

#include "controls/VexCylinderGauge.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "editors/fmVexCylinderGaugeCE.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexCylinderGauge4"), NewDemoPage<TfrmVexCylinderGauge4>);
} // namespace

void TfrmVexCylinderGauge4::FormCreate() {
    VexCylinderGauge5 = Component<TVexCylinderGauge>(QStringLiteral("VexCylinderGauge5"));
    connect(VexCylinderGauge5, &TVexCylinderGauge::OnClick, this,
            &TfrmVexCylinderGauge4::VexCylinderGauge5Click);
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TfrmVexCylinderGauge4::Timer1Timer);
}

TVexGraphicControl *TfrmVexCylinderGauge4::EditorControl() const {
    return VexCylinderGauge5;
}

void TfrmVexCylinderGauge4::Timer1Timer(TTimer *) {
    VexCylinderGauge5->SetPosition(
        RandomDemoValue(VexCylinderGauge5->Min(), VexCylinderGauge5->Max()));
}

// The editor page has no owner: it is a window of its own over the application, freed when
// it closes.
void TfrmVexCylinderGauge4::VexCylinderGauge5Click() {
    TfrmVexCylinderGaugeCE Editor;
    Editor.SetEditingCylinderGauge(VexCylinderGauge5);
    ShowModal(Editor);
}

} // namespace Vex
