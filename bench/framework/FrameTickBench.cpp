#include "framework/VexMeter.h"
#include "framework/VexVBlankTimer.h"

#include <QWidget>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace Vex {

namespace {
constexpr int KMeters = 1000;

// One frame of the shared timer over 1000 meters on a hidden form: the work of the tick itself,
// without painting.
void FrameTick(benchmark::State &State, bool Moving) {
    QWidget Form;
    std::vector<std::unique_ptr<TVexMeter>> Meters;
    for (int I = 0; I < KMeters; ++I)
        Meters.push_back(std::make_unique<TVexMeter>(&Form));
    TVexVBlankTimer *Timer = TVexVBlankTimer::Find();
    Timer->stop();
    int Frame = 0;
    for (auto _ : State) {
        if (Moving && Frame++ % 50 == 0)
            for (auto &M : Meters)
                M->SetFloat(M->Float() < 50 ? 100.0f : 0.0f);
        Timer->Tick();
    }
    State.SetItemsProcessed(State.iterations() * KMeters);
}

void BM_FrameTickAtRest(benchmark::State &State) {
    FrameTick(State, false);
}
void BM_FrameTickMoving(benchmark::State &State) {
    FrameTick(State, true);
}
} // namespace

BENCHMARK(BM_FrameTickAtRest);
BENCHMARK(BM_FrameTickMoving);

} // namespace Vex
