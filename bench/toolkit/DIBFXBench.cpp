// The pixel routines the instruments run on every rebuild or frame, at a small knob, a gauge and a
// large surface: the plain reference loops and every instruction set's fast loops side by side.
// Each reports memcpy_pct, its speed as a share of a memcpy of the surface's bytes timed just
// before it in the same run: a memory copy is the limit such a loop can reach. Times are the
// thread's processor time, which other work on the machine disturbs less than the wall clock.

#include "toolkit/DIBFXReference.h"
#include "toolkit/DIBFXRows.h"

#include "platform/core/Maths.h"
#include "platform/graphics/Bitmap.h"
#include "toolkit/DIBFX.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace Vex {

namespace {
constexpr int KSides[] = {124, 400, 1000};

size_t SurfaceBytes(int Side) {
    return size_t(Side) * Side * TBitmap::BytesPerPixel;
}

double ThreadSeconds() {
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return double(Now.tv_sec) + double(Now.tv_nsec) * 1e-9;
}

// Seconds per memcpy of Bytes: the best of several batches of about a millisecond each.
double MemcpySeconds(size_t Bytes) {
    const std::vector<uint8_t> Source(Bytes, 0x5A);
    std::vector<uint8_t> Dest(Bytes);
    const int Copies = int(std::max<size_t>(1, (size_t(16) << 20) / Bytes));
    double Best = 1e9;
    for (int Batch = 0; Batch < 7; ++Batch) {
        const double Start = ThreadSeconds();
        for (int I = 0; I < Copies; ++I) {
            std::memcpy(Dest.data(), Source.data(), Bytes);
            benchmark::DoNotOptimize(Dest.data());
            benchmark::ClobberMemory();
        }
        Best = std::min(Best, (ThreadSeconds() - Start) / Copies);
    }
    return Best;
}

void Speckle(TBitmap &B, uint32_t Seed) {
    B.Fill(clGray);
    SetRandSeed(Seed);
    TProcessRandom Process;
    Reference::Noise(PlaneOf(B), 200, Process);
}

// Runs Step once per iteration and reports the memcpy share of the surface's bytes.
void Measure(benchmark::State &State, int Side, const std::function<void()> &Step) {
    const double Copy = MemcpySeconds(SurfaceBytes(Side));
    const double Start = ThreadSeconds();
    for (auto _ : State) {
        Step();
        benchmark::ClobberMemory();
    }
    const double PerStep = (ThreadSeconds() - Start) / double(State.iterations());
    State.SetBytesProcessed(int64_t(State.iterations() * SurfaceBytes(Side)));
    State.counters["memcpy_pct"] = 100.0 * Copy / PerStep;
}

// An implementation of the five routines, as the benchmarks call them.
struct TImplementation {
    std::string Name;
    std::function<void(const TPixelPlane &)> Halve;
    std::function<void(const TConstPixelPlane &, const TPixelPlane &)> Light;
    std::function<void(const TConstPixelPlane &, const TPixelPlane &, const TRotation &)> Rotate;
    // Noise and raster noise each take their generator as the public routines seed it.
    std::function<void(const TPixelPlane &, int)> Noise;
    std::function<void(const TPixelPlane &, int)> RasterNoise;
};

std::vector<TImplementation> Implementations() {
    std::vector<TImplementation> Result;
    Result.push_back({"reference", Reference::Halve, Reference::Light, Reference::Rotate,
                      [](const TPixelPlane &P, int Amount) {
                          TProcessRandom Process;
                          Reference::Noise(P, Amount, Process);
                      },
                      [](const TPixelPlane &P, int Amount) {
                          TProcessRandom Process;
                          Reference::RasterNoise(P, Amount, Process);
                      }});
    for (const TPixelKernels &K : AvailablePixelKernels())
        Result.push_back({K.Name, K.Halve, K.Light, K.Rotate,
                          [&K](const TPixelPlane &P, int Amount) {
                              TGrainRandom Grain = TGrainRandom::FromProcessRandom();
                              K.Noise(P, Amount, Grain);
                          },
                          [&K](const TPixelPlane &P, int Amount) {
                              TGrainRandom Grain = TGrainRandom::FromProcessRandom();
                              K.RasterNoise(P, Amount, Grain);
                          }});
    return Result;
}

void BM_Memcpy(benchmark::State &State, int Side) {
    const std::vector<uint8_t> Source(SurfaceBytes(Side), 0x5A);
    std::vector<uint8_t> Dest(Source.size());
    Measure(State, Side, [&] {
        std::memcpy(Dest.data(), Source.data(), Source.size());
        benchmark::DoNotOptimize(Dest.data());
    });
}

void BM_Halve(benchmark::State &State, const TImplementation &Impl, int Side) {
    TBitmap B(Side, Side);
    Speckle(B, 1);
    const TPixelPlane Plane = PlaneOf(B);
    Measure(State, Side, [&] { Impl.Halve(Plane); });
}

void BM_Light(benchmark::State &State, const TImplementation &Impl, int Side) {
    TBitmap Light(Side, Side), Target(Side, Side);
    Speckle(Light, 3);
    Speckle(Target, 4);
    const TConstPixelPlane LightPlane = PlaneOf(std::as_const(Light));
    const TPixelPlane TargetPlane = PlaneOf(Target);
    Measure(State, Side, [&] { Impl.Light(LightPlane, TargetPlane); });
}

void BM_Rotate(benchmark::State &State, const TImplementation &Impl, int Side) {
    TBitmap Source(Side, Side), Dest(Side, Side);
    Speckle(Source, 2);
    const TConstPixelPlane SourcePlane = PlaneOf(std::as_const(Source));
    const TPixelPlane DestPlane = PlaneOf(Dest);
    const TRotation Turn{0, 30, 1, 1, 0};
    Measure(State, Side, [&] { Impl.Rotate(SourcePlane, DestPlane, Turn); });
}

void BM_Noise(benchmark::State &State, const TImplementation &Impl, int Side) {
    TBitmap B(Side, Side);
    B.Fill(clGray);
    const TPixelPlane Plane = PlaneOf(B);
    Measure(State, Side, [&] { Impl.Noise(Plane, 10); });
}

void BM_RasterNoise(benchmark::State &State, const TImplementation &Impl, int Side) {
    TBitmap B(Side, Side);
    B.Fill(clGray);
    const TPixelPlane Plane = PlaneOf(B);
    Measure(State, Side, [&] { Impl.RasterNoise(Plane, 10); });
}

using TRoutineBench = void (*)(benchmark::State &, const TImplementation &, int);

// Registered by routine, then size, then implementation, so that the lines to compare are
// neighbours in the output and in time.
const bool KRegistered = [] {
    static const std::vector<TImplementation> Impls = Implementations();
    const std::pair<const char *, TRoutineBench> Routines[] = {{"Halve", BM_Halve},
                                                               {"Light", BM_Light},
                                                               {"Rotate", BM_Rotate},
                                                               {"Noise", BM_Noise},
                                                               {"RasterNoise", BM_RasterNoise}};
    for (int Side : KSides)
        benchmark::RegisterBenchmark(("DIBFX/Memcpy/" + std::to_string(Side)).c_str(), BM_Memcpy,
                                     Side);
    for (const auto &[Routine, Bench] : Routines)
        for (int Side : KSides)
            for (const TImplementation &Impl : Impls)
                benchmark::RegisterBenchmark(
                    ("DIBFX/" + std::string(Routine) + "/" + Impl.Name + "/" + std::to_string(Side))
                        .c_str(),
                    Bench, std::cref(Impl), Side);
    return true;
}();
} // namespace

} // namespace Vex
