#pragma once
// "Overview" of the knob: nine knobs in different looks (surfaces, grains, ticks, scales,
// captions) for the user to turn; the description holds all of it.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexKnob1 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;
};

} // namespace Vex
