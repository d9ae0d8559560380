#pragma once
// "Property editor" of the drum gauge: one large drum rolling to a random value every second;
// a click on it opens the drum's editor page, and the edits stay after it closes.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TVexCylinderGauge;

class TfrmVexCylinderGauge4 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    TVexGraphicControl *EditorControl() const override;

    void Timer1Timer(TTimer *Sender);
    void VexCylinderGauge5Click();

protected:
    void FormCreate() override;

private:
    TVexCylinderGauge *VexCylinderGauge5 = nullptr;
};

} // namespace Vex
