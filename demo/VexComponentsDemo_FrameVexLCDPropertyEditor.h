#pragma once
// "Property editor" of the LCD: one LCD; a click on it opens the LCD's editor page over the
// page, and the edits stay after it closes.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TVexLCD;

class TfrmVexLCDPropertyEditor : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    TVexGraphicControl *EditorControl() const override;

    void ulcdPropertyPageTestClick();

protected:
    void FormCreate() override;

private:
    TVexLCD *ulcdPropertyPageTest = nullptr;
};

} // namespace Vex
