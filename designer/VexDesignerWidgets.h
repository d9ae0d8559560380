#pragma once
// The library's controls as Qt Designer offers them: one entry per control, in one group.

#include <QString>
#include <QWidget>
#include <vector>

namespace Vex {

struct TDesignerWidget {
    QString ClassName; // without the namespace: "TVexGauge"
    QString Include;   // as users include it: "controls/VexGauge.h"
    QString ToolTip;
    QString WhatsThis;
    QWidget *(*Create)(QWidget *Parent);
};

const std::vector<TDesignerWidget> &DesignerWidgets();

} // namespace Vex
