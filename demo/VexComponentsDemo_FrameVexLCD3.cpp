#include "demo/VexComponentsDemo_FrameVexLCD3.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration = RegisterDemoPage(QStringLiteral("TfrmVexLCD3"), NewDemoPage<TfrmVexLCD3>);
} // namespace

} // namespace Vex
