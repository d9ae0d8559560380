#pragma once
// "Property editor" of the knob: one knob whose numbers turn under a fixed indicator, taking a
// random value every second; a click on it opens the knob's editor page over the page, and the
// edits stay after it closes.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TVexKnob;

class TfrmVexKnob3 : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    TVexGraphicControl *EditorControl() const override;

    void Timer1Timer(TTimer *Sender);
    void VexKnob2Click();

protected:
    void FormCreate() override;

private:
    TVexKnob *VexKnob2 = nullptr;
};

} // namespace Vex
