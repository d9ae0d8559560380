#include "controls/VexGauge.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace Vex {

namespace {
// A ready gauge of the benchmark's size on a form, painted once into Target.
struct TBenchGauge {
    explicit TBenchGauge(int Size) : Target(Size, Size, QImage::Format_RGB32) {
        Gauge.SetBounds(0, 0, Size, Size);
        Gauge.render(&Target);
    }
    QWidget Form;
    TVexGauge Gauge{&Form};
    QImage Target;
};

// One animation frame: the paint of a moving needle over the stored background.
void BM_GaugePaint(benchmark::State &State) {
    TBenchGauge Bench(int(State.range(0)));
    Bench.Gauge.SetFloat(100);
    for (auto _ : State) {
        Bench.Gauge.FrameTick();
        Bench.Gauge.render(&Bench.Target);
    }
}

// The rebuild after a property change: face, labels, ticks at double size, then halving.
void BM_GaugeRenderBackground(benchmark::State &State) {
    TBenchGauge Bench(int(State.range(0)));
    TColor Color = clWhite;
    for (auto _ : State) {
        Color ^= 0x000101;
        Bench.Gauge.SetTickColor(Color);
    }
}
} // namespace

BENCHMARK(BM_GaugePaint)->Arg(161)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GaugeRenderBackground)->Arg(161)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace Vex
