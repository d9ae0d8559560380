#pragma once
// "Special features" of the gauge: nine gauges alike but for their size, showing that the
// drawing scales with the control; their needles jump to random values at random moments.

#include "demo/VexComponentsDemo_FrameGauge1.h"

namespace Vex {

class TfrmGaugeSize : public TRandomNeedlesPage {
    Q_OBJECT

public:
    using TRandomNeedlesPage::TRandomNeedlesPage;
};

} // namespace Vex
