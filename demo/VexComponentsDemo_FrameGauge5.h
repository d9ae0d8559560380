#pragma once
// "Data awareness" of the gauge: three gauges bound to fields of the parts table above a grid
// of its records. The binding does all the work: moving through the grid swings the needles,
// and pointing a needle writes its value into the current record.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexGauge5 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;
};

} // namespace Vex
