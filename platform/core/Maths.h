#pragma once
// Numeric helpers with the run-time semantics the instruments' numbers are defined by.

#include "platform/core/VexExport.h"
#include <cstdint>

namespace Vex {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4). NaN and out-of-range values saturate
// so that no conversion is undefined.
VEX_EXPORT int Round(double Value);
// Toward zero, saturating like Round.
VEX_EXPORT int Trunc(double Value);
// A * B / C rounded half away from zero, computed in 64 bits; C = 0 gives -1.
VEX_EXPORT int MulDiv(int A, int B, int C);

// The process-wide pseudo-random generator (a 32-bit linear congruential generator).
// Random(n) is uniform in 0 .. n - 1; n <= 0 gives 0.
VEX_EXPORT int Random(int N);
// A float uniform in [0, 1).
VEX_EXPORT double RandomFloat();
// Seeds from the clock; every buffered control calls it on construction.
VEX_EXPORT void Randomize();
// Fixed seed for reproducible tests.
VEX_EXPORT void SetRandSeed(uint32_t Seed);
VEX_EXPORT uint32_t RandSeed();

} // namespace Vex
