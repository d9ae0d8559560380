#pragma once
// "Overview" of the dot matrix: four matrices in different dot sizes and colours; the largest
// shows a new random number every second.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TfrmVexMatrix1 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    void Timer1Timer(TTimer *Sender);

protected:
    void FormCreate() override;
};

} // namespace Vex
