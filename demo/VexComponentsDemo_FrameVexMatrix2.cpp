#include "demo/VexComponentsDemo_FrameVexMatrix2.h"

#include "demo/VexComponentsDemo_Pages.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexMatrix2"), NewDemoPage<TfrmVexMatrix2>);
} // namespace

} // namespace Vex
