#include "demo/VexComponentsDemo_FrameGaugeSize.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmGaugeSize"), NewDemoPage<TfrmGaugeSize>);
} // namespace

} // namespace Vex
