#pragma once
// Knob set-ups shared by the knob's tests.

#include "controls/VexKnob.h"

namespace Vex {

// A plain knob: a flat face of Color on a white page, nothing else drawn.
inline void MakePlainKnob(TVexKnob &K, TColor Color) {
    K.SetColor(clWhite);
    K.SetKnobColor(Color);
    K.SetKnobSurfaceType(kstNone);
    K.SetGranularityType(gtNone);
    K.SetIndicatorType(itNone);
    K.SetScaleType(stNone);
    K.SetBevelWidth(0);
    K.SetShadowX(0);
    K.SetShadowY(0);
}

} // namespace Vex
