#pragma once
// "Overview" of the LCD: three LCDs of different sizes, each showing a new random number
// every second.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexLCD1 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    void Timer1Timer(TTimer *Sender);

protected:
    void FormCreate() override;
};

} // namespace Vex
