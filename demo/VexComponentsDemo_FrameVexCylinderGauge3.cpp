#include "demo/VexComponentsDemo_FrameVexCylinderGauge3.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexCylinderGauge3"), NewDemoPage<TfrmVexCylinderGauge3>);
} // namespace

} // namespace Vex
