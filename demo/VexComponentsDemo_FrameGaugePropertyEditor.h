#pragma once
// "Property editor" of the gauge: one gauge wandering to a random value every second; a click
// on it opens the gauge's editor page over the page, and the edits stay after it closes.

#include "demo/VexComponentsDemo_Page.h"

namespace Vex {

class TVexGauge;

class TfrmVexGaugePropertyEditor : public TDemoPage {
    Q_OBJECT

public:
    using TDemoPage::TDemoPage;

    TVexGraphicControl *EditorControl() const override;

    void Timer1Timer(TTimer *Sender);
    void ugPropertyEditorTestClick();

protected:
    void FormCreate() override;

private:
    TVexGauge *ugPropertyEditorTest = nullptr;
};

} // namespace Vex
