#include "VexDesignerWidgets.h"

#include "controls/VexButton.h"
#include "controls/VexDBLabel.h"
#include "controls/VexGauge.h"

namespace Vex {

namespace {
template <class T> QWidget *Make(QWidget *Parent) {
    return new T(Parent);
}
} // namespace

const std::vector<TDesignerWidget> &DesignerWidgets() {
    static const std::vector<TDesignerWidget> Widgets = {
        {QStringLiteral("TVexGauge"), QStringLiteral("controls/VexGauge.h"),
         QStringLiteral("Needle gauge"),
         QStringLiteral("An analogue needle gauge on one of 21 faces, with ticks, a scale, a "
                        "unit caption and a value text; the needle swings to each new value."),
         &Make<TVexGauge>},
        {QStringLiteral("TVexButton"), QStringLiteral("controls/VexButton.h"),
         QStringLiteral("Animated button"),
         QStringLiteral("A push button or check box whose highlight fades in and out."),
         &Make<TVexButton>},
        {QStringLiteral("TVexDBLabel"), QStringLiteral("controls/VexDBLabel.h"),
         QStringLiteral("Animated label"),
         QStringLiteral("A label that types, flashes, fades or raises its text, optionally "
                        "showing a database field."),
         &Make<TVexDBLabel>},
    };
    return Widgets;
}

} // namespace Vex
