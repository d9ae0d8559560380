#include "demo/VexComponentsDemo_FrameGauge5.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexGauge5"), NewDemoPage<TfrmVexGauge5>);
} // namespace

} // namespace Vex
