// One frame of a rolling drum at the sizes the demonstration pages use: the roll step, then the
// paint, which renders the drum afresh (flat drum with labels and ticks, indicator band, edge
// shading, bend, 2 x 2 reduction) and copies it to the screen.

#include "controls/VexCylinderGauge.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace Vex {

namespace {
// Paints frames onto an image standing in for the screen.
class TFrameDrum : public TVexCylinderGauge {
public:
    using TVexCylinderGauge::TVexCylinderGauge;
    void PaintFrame(TCanvas &Screen) { Paint(Screen); }
};

void BM_DrumRollingFrame(benchmark::State &State) {
    const int Width = int(State.range(0)), Height = int(State.range(1));
    QWidget Form;
    TFrameDrum Drum(&Form);
    Drum.SetBounds(0, 0, Width, Height);
    QImage Screen(Width, Height, QImage::Format_RGB32);
    TCanvas Canvas(&Screen);
    float Target = 0;
    for (auto _ : State) {
        // A new target whenever the drum arrives, so that every frame rolls.
        if (Drum.Settled()) {
            Target = Target == 0 ? 480 : 0;
            Drum.SetPosition(Target);
        }
        Drum.FrameTick();
        Drum.PaintFrame(Canvas);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrumRollingFrame)
    ->ArgNames({"Width", "Height"})
    ->Args({40, 150})
    ->Args({48, 129})
    ->Args({89, 177})
    ->Unit(benchmark::kMicrosecond);
} // namespace

} // namespace Vex
