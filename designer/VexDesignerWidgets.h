#pragma once
// The library's controls as Qt Designer offers them: one entry per control, in one group.

#include <QString>
#include <QVariant>
#include <QWidget>
#include <utility>
#include <vector>

namespace Vex {

struct TDesignerWidget {
    QString ClassName; // without the namespace: "TVexGauge"
    QString Include;   // as users include it: "controls/VexGauge.h"
    QString ToolTip;
    QString WhatsThis;
    QWidget *(*Create)(QWidget *Parent);
    // Property values that make the control recognisable as an icon.
    std::vector<std::pair<const char *, QVariant>> Sample;
};

const std::vector<TDesignerWidget> &DesignerWidgets();

} // namespace Vex
