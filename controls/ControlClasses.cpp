#include "controls/ControlClasses.h"

#include "controls/VexButton.h"
#include "controls/VexDBLabel.h"
#include "controls/VexGauge.h"
#include "controls/VexKnob.h"
#include "platform/streaming/ComponentRegistry.h"
#include "toolkit/VexTexGen.h"

namespace Vex {

void RegisterControlClasses() {
    RegisterComponentClass<TVexButton>(QStringLiteral("TVexButton"));
    RegisterComponentClass<TVexDBLabel>(QStringLiteral("TVexDBLabel"));
    RegisterComponentClass<TVexGauge>(QStringLiteral("TVexGauge"));
    RegisterComponentClass<TVexKnob>(QStringLiteral("TVexKnob"));
    RegisterComponentClass<TVexTexGen>(QStringLiteral("TVexTexGen"));
}

} // namespace Vex
