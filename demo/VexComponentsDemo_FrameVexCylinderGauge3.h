#pragma once
// "Data awareness" of the drum gauge: four drums rolling to the prices and ratio of the
// current share of the master table, above a grid of its records.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexCylinderGauge3 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;
};

} // namespace Vex
