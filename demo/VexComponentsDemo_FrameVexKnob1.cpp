#include "demo/VexComponentsDemo_FrameVexKnob1.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexKnob1"), NewDemoPage<TfrmVexKnob1>);
} // namespace

} // namespace Vex
