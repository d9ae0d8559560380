// The pixel routines the instruments run on every rebuild or frame, at a small knob, a gauge and a
// large surface: the plain reference loops and every instruction set's fast loops side by side.
// Each reports memcpy_pct, its speed as a share of a memcpy of the surface's bytes timed right
// beside it: a memory copy is the limit such a loop can reach. Times are the thread's processor
// time, which other work on the machine disturbs less than the wall clock.

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
// Samples per benchmark (see Measure); --benchmark_repetitions repeats the whole set.
constexpr int KSamples = 15;

size_t SurfaceBytes(int Side) {
    return size_t(Side) * Side * TBitmap::BytesPerPixel;
}

double ThreadSeconds() {
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return double(Now.tv_sec) + double(Now.tv_nsec) * 1e-9;
}

void Speckle(TBitmap &B, uint32_t Seed) {
    B.Fill(clGray);
    SetRandSeed(Seed);
    TProcessRandom Process;
    Reference::Noise(PlaneOf(B), 200, Process);
}

// Processor seconds per call of Call, over Calls calls.
template <typename TCall> double SecondsPerCall(const TCall &Call, int Calls) {
    const double Start = ThreadSeconds();
    for (int I = 0; I < Calls; ++I)
        Call();
    return (ThreadSeconds() - Start) / Calls;
}

// How many calls of Call fill about 50 microseconds (at least one).
template <typename TCall> int CallsPerBatch(const TCall &Call) {
    Call();
    const double Once = std::max(SecondsPerCall(Call, 1), 1e-9);
    return int(std::clamp(50e-6 / Once, 1.0, 1e6));
}

double Median(std::vector<double> Values) {
    std::sort(Values.begin(), Values.end());
    return Values[Values.size() / 2];
}

// Two surfaces of Side x Side speckled pixels: the routines work on them, and the memcpy they are
// measured against copies First onto Second, so that both meet the same caches.
struct TSurfaces {
    TBitmap First, Second;

    explicit TSurfaces(int Side) : First(Side, Side), Second(Side, Side) {
        Speckle(First, 1);
        Speckle(Second, 2);
    }
};

// Every iteration is one sample of a few milliseconds: short batches of memcpys of the surface's
// bytes and of Steps, taking turns, so that both meet the same load on the machine. Reports the
// medians over the samples of the step's time and of its speed as a share of memcpy's.
void Measure(benchmark::State &State, TSurfaces &Surfaces, const std::function<void()> &Step) {
    const size_t Bytes = size_t(Surfaces.First.Height()) * size_t(Surfaces.First.BytesPerLine());
    const uint8_t *const From = std::as_const(Surfaces.First).ScanLine(0);
    uint8_t *const To = Surfaces.Second.ScanLine(0);
    const auto Copy = [&] {
        std::memcpy(To, From, Bytes);
        benchmark::DoNotOptimize(To);
        benchmark::ClobberMemory();
    };
    const auto Run = [&] {
        Step();
        benchmark::ClobberMemory();
    };
    const int Copies = CallsPerBatch(Copy);
    const int Steps = CallsPerBatch(Run);
    const int Turns = std::max(1, int(1e-3 / (SecondsPerCall(Run, Steps) * Steps)));
    std::vector<double> Shares, StepSeconds;
    for (auto _ : State) {
        double CopySeconds = 0, RunSeconds = 0;
        for (int Turn = 0; Turn < Turns; ++Turn) {
            // A call ahead of each batch, untimed, brings back into the caches what the other
            // kind or the machine's other work pushed out.
            Copy();
            CopySeconds += SecondsPerCall(Copy, Copies);
            Run();
            RunSeconds += SecondsPerCall(Run, Steps);
        }
        StepSeconds.push_back(RunSeconds / Turns);
        Shares.push_back(CopySeconds / RunSeconds);
    }
    State.counters["memcpy_pct"] = 100.0 * Median(Shares);
    State.counters["step_us"] = 1e6 * Median(StepSeconds);
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

// The yardstick against itself: near 100 % when the machine is quiet.
void BM_Memcpy(benchmark::State &State, int Side) {
    TSurfaces S(Side);
    const size_t Bytes = SurfaceBytes(Side);
    Measure(State, S, [&] {
        std::memcpy(S.Second.ScanLine(0), std::as_const(S.First).ScanLine(0), Bytes);
        benchmark::DoNotOptimize(S.Second.ScanLine(0));
    });
}

void BM_Halve(benchmark::State &State, const TImplementation &Impl, int Side) {
    TSurfaces S(Side);
    const TPixelPlane Plane = PlaneOf(S.First);
    Measure(State, S, [&] { Impl.Halve(Plane); });
}

void BM_Light(benchmark::State &State, const TImplementation &Impl, int Side) {
    TSurfaces S(Side);
    const TConstPixelPlane Light = PlaneOf(std::as_const(S.First));
    const TPixelPlane Target = PlaneOf(S.Second);
    Measure(State, S, [&] { Impl.Light(Light, Target); });
}

void BM_Rotate(benchmark::State &State, const TImplementation &Impl, int Side) {
    TSurfaces S(Side);
    const TConstPixelPlane Source = PlaneOf(std::as_const(S.First));
    const TPixelPlane Dest = PlaneOf(S.Second);
    const TRotation Turn{0, 30, 1, 1, 0};
    Measure(State, S, [&] { Impl.Rotate(Source, Dest, Turn); });
}

void BM_Noise(benchmark::State &State, const TImplementation &Impl, int Side) {
    TSurfaces S(Side);
    const TPixelPlane Plane = PlaneOf(S.First);
    Measure(State, S, [&] { Impl.Noise(Plane, 10); });
}

void BM_RasterNoise(benchmark::State &State, const TImplementation &Impl, int Side) {
    TSurfaces S(Side);
    const TPixelPlane Plane = PlaneOf(S.First);
    Measure(State, S, [&] { Impl.RasterNoise(Plane, 10); });
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
                                     Side)
            ->Iterations(KSamples);
    for (const auto &[Routine, Bench] : Routines)
        for (int Side : KSides)
            for (const TImplementation &Impl : Impls)
                benchmark::RegisterBenchmark(
                    ("DIBFX/" + std::string(Routine) + "/" + Impl.Name + "/" + std::to_string(Side))
                        .c_str(),
                    Bench, std::cref(Impl), Side)
                    ->Iterations(KSamples);
    return true;
}();
} // namespace

} // namespace Vex
