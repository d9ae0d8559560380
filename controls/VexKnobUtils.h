#pragma once
// The knob's shading generator: a grey relief map whose level at each pixel says how much the
// knob's face is brightened (above 128) or darkened (below 128) there.

#include "controls/VexKnobTypes.h"
#include "platform/core/VexExport.h"

namespace Vex {

class TBitmap;

// Writes the relief of SurfaceType over the unit disc inscribed in Bitmap, lit from LightAngle
// (radians, counter-clockwise from the right, so 3 pi / 4 lights the upper left) and scaled by
// Contrast. Each pixel is computed on its own in one pass; pixels outside the disc, and the
// whole map for kstNone and kstStandard, are set to the neutral 128, so nothing of an earlier
// map survives. kstTest alone writes different values to the three channels. A map without a
// centre distinct from its edge (width or height 1) is neutral throughout.
VEX_EXPORT void RenderSurfaceAlpha(TBitmap &Bitmap, int Contrast, TKnobSurfaceType SurfaceType,
                                   float LightAngle);

} // namespace Vex
