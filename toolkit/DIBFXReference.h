#pragma once
// The plain loops that define the output of the engines in DIBFXRows byte for byte: the routines
// as first written, a pixel (or a small block) at a time, with the channels and draws in the
// order the routines are specified. The tests hold the fast loops to them.

#include "platform/core/Maths.h"
#include "platform/core/VexExport.h"
#include "toolkit/DIBFXRows.h"

namespace Vex {

// The process-wide generator behind TGrainRandom's interface.
struct TProcessRandom {
    int Random(int N) { return Vex::Random(N); }
};

namespace Reference {

VEX_EXPORT void Halve(const TPixelPlane &Plane);
VEX_EXPORT void Light(const TConstPixelPlane &Light, const TPixelPlane &Target);
VEX_EXPORT void Rotate(const TConstPixelPlane &Source, const TPixelPlane &Dest,
                       const TRotation &Rotation);
// Three draws per pixel, for blue, green and red in that order, rows top to bottom.
VEX_EXPORT void Noise(const TPixelPlane &Plane, int Amount, TProcessRandom &Generator);
VEX_EXPORT void Noise(const TPixelPlane &Plane, int Amount, TGrainRandom &Generator);
VEX_EXPORT void RasterNoise(const TPixelPlane &Plane, int Amount, TProcessRandom &Generator);
VEX_EXPORT void RasterNoise(const TPixelPlane &Plane, int Amount, TGrainRandom &Generator);

} // namespace Reference
} // namespace Vex
