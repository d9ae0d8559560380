// The pixel routines the instruments run on every rebuild or frame, at a small knob, a gauge and a
// large surface, each against a plain copy of the same number of bytes: the memory-bound limit.

#include "toolkit/DIBFX.h"

#include "platform/core/Maths.h"
#include "platform/graphics/Bitmap.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace Vex {

namespace {
int64_t SurfaceBytes(int Side) {
    return int64_t(Side) * Side * TBitmap::BytesPerPixel;
}

void Speckle(TBitmap &B, uint32_t Seed) {
    B.Fill(clGray);
    SetRandSeed(Seed);
    AddNoise(B, 200);
}

void ReportBytes(benchmark::State &State, int Side) {
    State.SetBytesProcessed(State.iterations() * SurfaceBytes(Side));
}

void BM_Memcpy(benchmark::State &State) {
    const int Side = int(State.range(0));
    const std::vector<uint8_t> Source(size_t(SurfaceBytes(Side)), 0x5A);
    std::vector<uint8_t> Dest(Source.size());
    for (auto _ : State) {
        std::memcpy(Dest.data(), Source.data(), Source.size());
        benchmark::DoNotOptimize(Dest.data());
        benchmark::ClobberMemory();
    }
    ReportBytes(State, Side);
}

void BM_HalveBitmap(benchmark::State &State) {
    const int Side = int(State.range(0));
    TBitmap B(Side, Side);
    Speckle(B, 1);
    for (auto _ : State) {
        HalveBitmap(B, false);
        benchmark::ClobberMemory();
    }
    ReportBytes(State, Side);
}

void BM_RotateBitmap(benchmark::State &State) {
    const int Side = int(State.range(0));
    TBitmap Source(Side, Side), Dest(Side, Side);
    Speckle(Source, 2);
    for (auto _ : State) {
        RotateBitmap(Source, Dest, 0, 30, 1, 1, 0);
        benchmark::ClobberMemory();
    }
    ReportBytes(State, Side);
}

void BM_ApplyLightMap(benchmark::State &State) {
    const int Side = int(State.range(0));
    TBitmap Light(Side, Side), Target(Side, Side);
    Speckle(Light, 3);
    Speckle(Target, 4);
    for (auto _ : State) {
        ApplyLightMap(Light, Target);
        benchmark::ClobberMemory();
    }
    ReportBytes(State, Side);
}

void BM_AddNoise(benchmark::State &State) {
    const int Side = int(State.range(0));
    TBitmap B(Side, Side);
    B.Fill(clGray);
    for (auto _ : State) {
        AddNoise(B, 10);
        benchmark::ClobberMemory();
    }
    ReportBytes(State, Side);
}
} // namespace

BENCHMARK(BM_Memcpy)->Arg(124)->Arg(400)->Arg(1000);
BENCHMARK(BM_HalveBitmap)->Arg(124)->Arg(400)->Arg(1000);
BENCHMARK(BM_RotateBitmap)->Arg(124)->Arg(400)->Arg(1000);
BENCHMARK(BM_ApplyLightMap)->Arg(124)->Arg(400)->Arg(1000);
BENCHMARK(BM_AddNoise)->Arg(124)->Arg(400)->Arg(1000);

} // namespace Vex
