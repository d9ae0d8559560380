#pragma once
// "Overview" of the gauge: six gauges on different faces whose needles jump to random values
// at random moments.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

// A page whose Timer1 gives, at each tick, every gauge of the page one chance in five of a new
// random target within its range (values past Max are limited to Max by the gauge), so the
// needles move at different moments. The gauge pages "Overview", "VU-type gauges" and
// "Special features" are such pages.
class TRandomNeedlesPage : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    void Timer1Timer(TTimer *Sender);

protected:
    void FormCreate() override;
};

class TfrmGauge1 : public TRandomNeedlesPage {
    Q_OBJECT

public:
    using TRandomNeedlesPage::TRandomNeedlesPage;
};

} // namespace Vex
