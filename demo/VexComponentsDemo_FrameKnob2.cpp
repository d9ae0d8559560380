#include "demo/VexComponentsDemo_FrameKnob2.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexKnob2"), NewDemoPage<TfrmVexKnob2>);
} // namespace

} // namespace Vex
