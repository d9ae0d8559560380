// One animation frame of a fading button: the paint that fills the background with the blended
// colour, writes the caption, draws the border, halves a HighRes picture and copies it to the
// window. At the navigation column's 120 x 18 in both resolutions, and at twice that size.

#include "controls/VexButton.h"

#include "platform/graphics/Bitmap.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <benchmark/benchmark.h>

#include <climits>

namespace Vex {

namespace {
// Exposes the paint of one frame, so that it is timed without the window system's own work.
class TBenchButton : public TVexButton {
public:
    using TVexButton::Paint;
};

void BM_ButtonFadeFrame(benchmark::State &State) {
    const int Width = int(State.range(0));
    const int Height = int(State.range(1));
    const bool HighRes = State.range(2) != 0;
    TBenchButton B;
    B.SetBounds(0, 0, Width, Height);
    B.SetHighRes(HighRes);
    B.SetCaption(QStringLiteral("SEPTEMBER"));
    // A fade that does not end within the run, so that every timed frame blends.
    B.SetFrameCountEntered(INT_MAX);
    const QPointF At(1, 1);
    QEnterEvent Enter(At, At, At);
    QCoreApplication::sendEvent(&B, &Enter);
    TBitmap Window(Width, Height);
    for (auto _ : State) {
        B.Paint(Window.Canvas());
        benchmark::ClobberMemory();
    }
    const int Scale = HighRes ? 2 : 1;
    State.SetLabel(std::to_string(Width * Scale) + "x" + std::to_string(Height * Scale) +
                   " buffer");
}
BENCHMARK(BM_ButtonFadeFrame)
    ->ArgNames({"W", "H", "HighRes"})
    ->Args({120, 18, 0})
    ->Args({120, 18, 1})
    ->Args({240, 36, 1});
} // namespace

} // namespace Vex
