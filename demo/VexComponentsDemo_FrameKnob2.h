#pragma once
// "Data awareness" of the knob: four knobs bound to fields of the parts table above a grid
// of its records. Moving through the grid turns the knobs; letting go of a knob writes its
// value into the current record.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexKnob2 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;
};

} // namespace Vex
