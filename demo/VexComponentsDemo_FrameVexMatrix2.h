#pragma once
// "Data awareness" of the dot matrix: three matrices showing the last name, first name and
// salary of the current employee above a grid of the employee table.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexMatrix2 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;
};

} // namespace Vex
