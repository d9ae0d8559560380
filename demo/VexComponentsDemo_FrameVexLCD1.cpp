#include "demo/VexComponentsDemo_FrameVexLCD1.h"

#include "controls/VexLCD.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "platform/core/Maths.h"

namespace Vex {

namespace {
const auto Registration = RegisterDemoPage(QStringLiteral("TfrmVexLCD1"), NewDemoPage<TfrmVexLCD1>);
} // namespace

void TfrmVexLCD1::FormCreate() {
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TfrmVexLCD1::Timer1Timer);
}

// A number from 0 to 999.99 in hundredths, drawn for each LCD on its own.
void TfrmVexLCD1::Timer1Timer(TTimer *) {
    for (TVexLCD *LCD : findChildren<TVexLCD *>())
        LCD->SetValue(Random(100000) / 100.0f);
}

} // namespace Vex
