#include "demo/VexComponentsDemo_FrameVexCylinderGauge2.h"

#include "controls/VexCylinderGauge.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "platform/core/Maths.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexCylinderGauge2"), NewDemoPage<TfrmVexCylinderGauge2>);
} // namespace

void TfrmVexCylinderGauge2::FormCreate() {
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TfrmVexCylinderGauge2::Timer1Timer);
}

// Every drum a new random position within its range.
void TfrmVexCylinderGauge2::Timer1Timer(TTimer *) {
    for (TVexCylinderGauge *Drum : findChildren<TVexCylinderGauge *>())
        Drum->SetPosition(RandomDemoValue(Drum->Min(), Drum->Max()));
}

} // namespace Vex
