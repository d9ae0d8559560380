#include "demo/VexComponentsDemo_FrameGauge1.h"

#include "controls/VexGauge.h"
#include "demo/VexComponentsDemo_Pages.h"
#include "platform/core/Maths.h"

namespace Vex {

namespace {
const auto Registration = RegisterDemoPage(QStringLiteral("TfrmGauge1"), NewDemoPage<TfrmGauge1>);
} // namespace

void TRandomNeedlesPage::FormCreate() {
    connect(Component<TTimer>(QStringLiteral("Timer1")), &TTimer::OnTimer, this,
            &TRandomNeedlesPage::Timer1Timer);
}

void TRandomNeedlesPage::Timer1Timer(TTimer *) {
    for (QObject *Child : children())
        if (auto *Gauge = qobject_cast<TVexGauge *>(Child); Gauge && Random(5) == 0)
            Gauge->SetFloat(RandomDemoValue(Gauge->Min(), Gauge->Max()));
}

} // namespace Vex
