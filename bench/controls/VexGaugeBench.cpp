#include "controls/VexGauge.h"

#include <QDial>
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

// Qt's own dial of the same size, painted the same way: the yardstick for a frame.
void BM_QDialPaint(benchmark::State &State) {
    const int Size = int(State.range(0));
    QDial Dial;
    Dial.resize(Size, Size);
    Dial.setNotchesVisible(true);
    QImage Target(Size, Size, QImage::Format_RGB32);
    int Value = 0;
    for (auto _ : State) {
        Dial.setValue(Value++ % 100);
        Dial.render(&Target);
    }
}
} // namespace

BENCHMARK(BM_GaugePaint)->Arg(161)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GaugeRenderBackground)->Arg(161)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QDialPaint)->Arg(161)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace Vex
