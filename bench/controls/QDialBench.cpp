#include <QDial>
#include <QImage>
#include <benchmark/benchmark.h>

namespace Vex {

namespace {
// Qt's own dial painted the way the instruments' benchmarks paint theirs: the yardstick for a
// frame, at the sizes those benchmarks use.
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

BENCHMARK(BM_QDialPaint)->Arg(100)->Arg(161)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace Vex
