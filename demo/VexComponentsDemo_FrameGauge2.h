#pragma once
// "VU-type gauges" of the gauge: three panel meters with their pivot under the cover band,
// their needles jumping to random values at random moments.

#include "demo/VexComponentsDemo_FrameGauge1.h"

namespace Vex {

class TfrmVexGauge2 : public TRandomNeedlesPage {
    Q_OBJECT

public:
    using TRandomNeedlesPage::TRandomNeedlesPage;
};

} // namespace Vex
