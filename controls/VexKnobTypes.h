#pragma once
// The knob's enumerations. They live in their own meta-object namespace so that the knob, its
// shading generator and the control files share one set of names; the names are brought into
// namespace Vex, so code writes kstMetal or TItemType as it writes the gauge's own types.

#include "platform/core/VexExport.h"

#include <QObject>

namespace Vex {

namespace VexKnobTypes {
Q_NAMESPACE_EXPORT(VEX_EXPORT)

// Every enumeration has int as its fixed type: a number written through the meta-object system
// (an editor, a script) is then a value of the type, which the setters refuse when it names no
// enumerator, instead of an invalid enumerator.

// The relief the shading map gives the knob's face.
enum TKnobSurfaceType : int {
    kstNone,
    kstConic,
    kstStandard,
    kstAmplifier,
    kstFat,
    kstFlat,
    kstSoft,
    kstBump,
    kstSphere,
    kstSmooth,
    kstDisc,
    kstMetal,
    kstMetal2,
    kstFlat2,
    kstTest,
    kstGrip
};
Q_ENUM_NS(TKnobSurfaceType)

// The grain added to the face: per-pixel noise, none, or streaks along the rows.
enum TGranularityType : int { gtNoise, gtNone, gtRaster };
Q_ENUM_NS(TGranularityType)

// The shape of ticks and of the indicator.
enum TItemType : int { itNone, itTriangle, itRectangle, itCircle, itLine };
Q_ENUM_NS(TItemType)

// Whether a mark is printed on the turning face or on the fixed background.
enum TItemLocation : int { ilNowhere, ilOnKnob, ilOnBackground };
Q_ENUM_NS(TItemLocation)

// Where the scale is printed (on the knob or around it) and how its text is turned: level,
// or along the arc with a further 0, 90, 180 or 270 degrees.
enum TScaleType : int {
    stNone,
    stKnobHorizontal,
    stKnobRot0,
    stKnobRot90,
    stKnobRot180,
    stKnobRot270,
    stBackHorizontal,
    stBackRot0,
    stBackRot90,
    stBackRot180,
    stBackRot270
};
Q_ENUM_NS(TScaleType)

// Where a level label stands against its point on the scale's arc.
enum TCaptionAlign : int { caInwards, caOutwards, caCenter };
Q_ENUM_NS(TCaptionAlign)
} // namespace VexKnobTypes

using VexKnobTypes::TCaptionAlign;
using VexKnobTypes::TGranularityType;
using VexKnobTypes::TItemLocation;
using VexKnobTypes::TItemType;
using VexKnobTypes::TKnobSurfaceType;
using VexKnobTypes::TScaleType;
using enum VexKnobTypes::TCaptionAlign;
using enum VexKnobTypes::TGranularityType;
using enum VexKnobTypes::TItemLocation;
using enum VexKnobTypes::TItemType;
using enum VexKnobTypes::TKnobSurfaceType;
using enum VexKnobTypes::TScaleType;

} // namespace Vex
