#pragma once
// "Data awareness" of the LCD: an LCD showing the salary of the current employee above a grid
// of the employee table.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexLCD3 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;
};

} // namespace Vex
