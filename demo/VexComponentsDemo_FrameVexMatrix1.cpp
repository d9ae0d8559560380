#include "demo/VexComponentsDemo_FrameVexMatrix1.h"

#include "controls/VexMatrix.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "platform/core/Maths.h"
#include "platform/format/FloatFormat.h"

namespace Vex {

namespace {
const auto Registration =
    RegisterDemoPage(QStringLiteral("TfrmVexMatrix1"), NewDemoPage<TfrmVexMatrix1>);
} // namespace

void TfrmVexMatrix1::FormCreate() {
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TfrmVexMatrix1::Timer1Timer);
}

// A number from 0 to 99999.99 in hundredths, in its shortest text.
void TfrmVexMatrix1::Timer1Timer(TTimer *) {
    Component<TVexMatrix>(QStringLiteral("VexMatrix3"))
        ->SetText(FloatToStr(Random(10000000) / 100.0));
}

} // namespace Vex
