#include "demo/VexComponentsDemo_FrameVexCylinderGauge1.h"

#include "controls/VexCylinderGauge.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "platform/core/Maths.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexCylinderGauge1"), NewDemoPage<TfrmVexCylinderGauge1>);
} // namespace

void TfrmVexCylinderGauge1::FormCreate() {
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TfrmVexCylinderGauge1::Timer1Timer);
}

// Each drum has one chance in five of a new random position within its range.
void TfrmVexCylinderGauge1::Timer1Timer(TTimer *) {
    for (TVexCylinderGauge *Drum : findChildren<TVexCylinderGauge *>())
        if (Random(5) == 0)
            Drum->SetPosition(RandomDemoValue(Drum->Min(), Drum->Max()));
}

} // namespace Vex
