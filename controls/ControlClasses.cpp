#include "controls/ControlClasses.h"

#include "controls/VexButton.h"
#include "controls/VexCylinderGauge.h"
#include "controls/VexDBLabel.h"
#include "controls/VexGauge.h"
#include "controls/VexKnob.h"
#include "controls/VexLCD.h"
#include "controls/VexMatrix.h"
#include "controls/VexSlider.h"
#include "platform/streaming/ComponentRegistry.h"
#include "toolkit/VexTexGen.h"

namespace Vex {

void RegisterControlClasses() {
    RegisterComponentClass<TVexButton>(QStringLiteral("TVexButton"));
    RegisterComponentClass<TVexCylinderGauge>(QStringLiteral("TVexCylinderGauge"));
    RegisterComponentClass<TVexDBLabel>(QStringLiteral("TVexDBLabel"));
    RegisterComponentClass<TVexGauge>(QStringLiteral("TVexGauge"));
    RegisterComponentClass<TVexLCD>(QStringLiteral("TVexLCD"));
    RegisterComponentClass<TVexMatrix>(QStringLiteral("TVexMatrix"));
    RegisterComponentClass<TVexSlider>(QStringLiteral("TVexSlider"));
    RegisterComponentClass<TVexKnob>(QStringLiteral("TVexKnob"));
    RegisterComponentClass<TVexTexGen>(QStringLiteral("TVexTexGen"));
}

} // namespace Vex
