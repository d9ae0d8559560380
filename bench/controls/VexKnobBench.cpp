#include "controls/VexKnob.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace Vex {

namespace {
// A rendered knob of the benchmark's size on a form, turning toward its maximum.
struct TBenchKnob {
    explicit TBenchKnob(int Size, TKnobSurfaceType Type = kstMetal)
        : Target(Size, Size, QImage::Format_RGB32) {
        Knob.SetBounds(0, 0, Size, Size);
        Knob.SetKnobSurfaceType(Type);
        Knob.render(&Target);
        Knob.SetFloat(100);
    }
    QWidget Form;
    TVexKnob Knob{&Form};
    QImage Target;
};

// One animation frame: the spring's step and the paint, which turns, halves and lights the
// face and lays it over the stored background. BM_QDialPaint is the yardstick at these sizes.
void BM_KnobFrame(benchmark::State &State) {
    TBenchKnob Bench(int(State.range(0)));
    for (auto _ : State) {
        Bench.Knob.FrameTick();
        Bench.Knob.render(&Bench.Target);
    }
}

// The grip type draws its face again every frame.
void BM_KnobGripFrame(benchmark::State &State) {
    TBenchKnob Bench(int(State.range(0)), kstGrip);
    for (auto _ : State) {
        Bench.Knob.FrameTick();
        Bench.Knob.render(&Bench.Target);
    }
}

// The rebuild after a property change: face, shading map and background at double size.
void BM_KnobRebuild(benchmark::State &State) {
    TBenchKnob Bench(int(State.range(0)));
    TColor Color = clWhite;
    for (auto _ : State) {
        Color ^= 0x000101;
        Bench.Knob.SetKnobColor(Color);
    }
}
} // namespace

BENCHMARK(BM_KnobFrame)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KnobGripFrame)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KnobRebuild)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace Vex
