#include "VexDesignerWidgets.h"

#include "controls/VexButton.h"
#include "controls/VexCylinderGauge.h"
#include "controls/VexDBLabel.h"
#include "controls/VexGauge.h"
#include "controls/VexKnob.h"
#include "controls/VexLCD.h"
#include "controls/VexMatrix.h"
#include "controls/VexSlider.h"

namespace Vex {

namespace {
template <class T> QWidget *Make(QWidget *Parent) {
    return new T(Parent);
}
} // namespace

const std::vector<TDesignerWidget> &DesignerWidgets() {
    static const std::vector<TDesignerWidget> Widgets = {
        {QStringLiteral("TVexGauge"),
         QStringLiteral("controls/VexGauge.h"),
         QStringLiteral("Needle gauge"),
         QStringLiteral("An analogue needle gauge on one of 21 faces, with ticks, a scale, a "
                        "unit caption and a value text; the needle swings to each new value."),
         &Make<TVexGauge>,
         {{"Float", 62.0f}}},
        {QStringLiteral("TVexKnob"),
         QStringLiteral("controls/VexKnob.h"),
         QStringLiteral("Rotary knob"),
         QStringLiteral("A lit, shaded rotary knob turned with the mouse or the keyboard, with "
                        "ticks and a scale of numbers or captions on the knob or around it."),
         &Make<TVexKnob>,
         {{"Float", 62.0f}}},
        {QStringLiteral("TVexLCD"),
         QStringLiteral("controls/VexLCD.h"),
         QStringLiteral("Seven-segment LCD"),
         QStringLiteral("A number in seven-segment digits with a drop shadow over a lit, "
                        "grainy background, optionally showing a database field."),
         &Make<TVexLCD>,
         {{"Value", 42.0f}}},
        {QStringLiteral("TVexMatrix"),
         QStringLiteral("controls/VexMatrix.h"),
         QStringLiteral("Dot-matrix display"),
         QStringLiteral("One line of text in 5 x 7 dot characters with a moving highlight, "
                        "optionally showing a database field."),
         &Make<TVexMatrix>,
         {{"Text", QStringLiteral("VEX")}}},
        {QStringLiteral("TVexCylinderGauge"),
         QStringLiteral("controls/VexCylinderGauge.h"),
         QStringLiteral("Drum counter"),
         QStringLiteral("A scale of numbers on a shaded drum that rolls to each new value past "
                        "a fixed indicator band."),
         &Make<TVexCylinderGauge>,
         {}},
        {QStringLiteral("TVexSlider"),
         QStringLiteral("controls/VexSlider.h"),
         QStringLiteral("Slider"),
         QStringLiteral("A trackbar, range selector or liquid bar, horizontal or vertical."),
         &Make<TVexSlider>,
         {{"Position", 62.0f}}},
        {QStringLiteral("TVexButton"),
         QStringLiteral("controls/VexButton.h"),
         QStringLiteral("Animated button"),
         QStringLiteral("A push button or check box whose highlight fades in and out."),
         &Make<TVexButton>,
         {{"Caption", QStringLiteral("OK")}}},
        {QStringLiteral("TVexDBLabel"),
         QStringLiteral("controls/VexDBLabel.h"),
         QStringLiteral("Animated label"),
         QStringLiteral("A label that types, flashes, fades or raises its text, optionally "
                        "showing a database field."),
         &Make<TVexDBLabel>,
         {{"Text", QStringList{QStringLiteral("Abc")}}}},
    };
    return Widgets;
}

} // namespace Vex
