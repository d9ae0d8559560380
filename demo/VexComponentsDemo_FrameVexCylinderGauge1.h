#pragma once
// "Overview" of the drum gauge: five drums rolling to random values at random moments.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexCylinderGauge1 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    void Timer1Timer(TTimer *Sender);

protected:
    void FormCreate() override;
};

} // namespace Vex
