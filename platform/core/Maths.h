#pragma once
// Numeric helpers with the run-time semantics the instruments' numbers are defined by.

#include <cstdint>

namespace Vex {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4). NaN and out-of-range values saturate
// so that no conversion is undefined.
int Round(double Value);
// Toward zero, saturating like Round.
int Trunc(double Value);
// A * B / C rounded half away from zero, computed in 64 bits; C = 0 gives -1.
int MulDiv(int A, int B, int C);

// The process-wide pseudo-random generator (a 32-bit linear congruential generator).
// Random(n) is uniform in 0 .. n - 1; n <= 0 gives 0.
int Random(int N);
// A float uniform in [0, 1).
double RandomFloat();
// Seeds from the clock; every buffered control calls it on construction.
void Randomize();
// Fixed seed for reproducible tests.
void SetRandSeed(uint32_t Seed);
uint32_t RandSeed();

} // namespace Vex
