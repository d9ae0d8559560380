#include "demo/VexComponentsDemo_FrameGauge2.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexGauge2"), NewDemoPage<TfrmVexGauge2>);
} // namespace

} // namespace Vex
