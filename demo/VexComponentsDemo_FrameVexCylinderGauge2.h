#pragma once
// "Interface design" of the drum gauge: three drums alike but for their motion (slow and heavy,
// light, kickback), all rolling to a new random value every three seconds.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexCylinderGauge2 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    void Timer1Timer(TTimer *Sender);

protected:
    void FormCreate() override;
};

} // namespace Vex
