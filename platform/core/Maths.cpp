#include "platform/core/Maths.h"

#include <chrono>
#include <climits>
#include <cmath>

namespace Vex {

namespace {
uint32_t GSeed = 0;

int Saturate(double Value) {
    if (std::isnan(Value))
        return 0;
    if (Value >= double(INT_MAX))
        return INT_MAX;
    if (Value <= double(INT_MIN))
        return INT_MIN;
    return int(Value);
}
} // namespace

int Round(double Value) {
    return Saturate(std::nearbyint(Value));
}

int Trunc(double Value) {
    return Saturate(std::trunc(Value));
}

int MulDiv(int A, int B, int C) {
    if (C == 0)
        return -1;
    const int64_t Product = int64_t(A) * B;
    const int64_t Half = (C < 0 ? -int64_t(C) : int64_t(C)) / 2;
    const bool Negative = (Product < 0) != (C < 0);
    const int64_t Magnitude =
        ((Product < 0 ? -Product : Product) + Half) / (C < 0 ? -int64_t(C) : C);
    const int64_t Result = Negative ? -Magnitude : Magnitude;
    if (Result > INT_MAX || Result < INT_MIN)
        return -1;
    return int(Result);
}

int Random(int N) {
    GSeed = GSeed * 0x08088405u + 1u;
    if (N <= 0)
        return 0;
    return int((uint64_t(GSeed) * uint32_t(N)) >> 32);
}

double RandomFloat() {
    GSeed = GSeed * 0x08088405u + 1u;
    return GSeed / 4294967296.0;
}

void Randomize() {
    const auto Now = std::chrono::steady_clock::now().time_since_epoch();
    GSeed = uint32_t(std::chrono::duration_cast<std::chrono::microseconds>(Now).count());
}

void SetRandSeed(uint32_t Seed) {
    GSeed = Seed;
}

uint32_t RandSeed() {
    return GSeed;
}

} // namespace Vex
