#pragma once
// The tour of the demonstration: every page the main window can reach, in the order of the
// product buttons and their menus, each with the way the window gets there. The gallery
// photographs each stop; the soak run visits them again and again.

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace Vex {

class TfrmMain;

struct TDemoStop {
    // "contact", then "<product>-<entry caption>" with every run of other characters than
    // letters and digits made one "-": "VexGauge-Property-editor".
    QString Name;
    // Shows the stop's page in the window.
    std::function<void(TfrmMain &Main)> Show;
};

// The contact page, each product's overview and every further registered page of each menu;
// data pages only while Main's sample database is available.
std::vector<TDemoStop> DemoTour(const TfrmMain &Main);

// A left click in the middle of Control, pressed and released as a user would.
void ClickControl(QWidget *Control);

} // namespace Vex
