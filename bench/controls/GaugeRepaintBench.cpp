// What a user pays for a gauge frame: the paint through Qt's repaint path of a shown window,
// the round outline and what lies beneath it included, next to Qt's own dial of the same size.
// The window's pixel ratio is the screen's: run once as it is and once with QT_SCALE_FACTOR=2.
//
// - GaugeWidgetRepaint: a moved needle, then the whole gauge repainted at once (repaint()).
// - GaugeFrame: one frame as the frame timer delivers it: the needle's step, its invalidation
//   and the window's repaint of what changed, with the heap allocations of the frame counted
//   (Qt's repaint path allocates its regions, events and painter state).
// - QDialWidgetRepaint: a QDial given a new value and repainted whole.

#include "AllocationCount.h"
#include "controls/VexGauge.h"

#include <QApplication>
#include <QDial>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace Vex {

namespace {
constexpr int KSize = 161;

// A form on screen holding one widget of the benchmark's size, after its first paint.
template <typename TChild> struct TShownForm {
    QWidget Form;
    TChild *Child = new TChild(&Form);
    TShownForm() {
        Form.resize(KSize + 20, KSize + 20);
        Child->setGeometry(10, 10, KSize, KSize);
        Form.show();
        QApplication::processEvents();
    }
};

void Describe(benchmark::State &State, const QWidget &W) {
    State.SetLabel("ratio " + std::to_string(W.devicePixelRatioF()).substr(0, 4));
}

// Keeps the needle moving: a slow spring, and a new target at the end of each swing.
void KeepSwinging(TVexGauge &G) {
    if (G.DisplayValue() == G.Float()) {
        G.SetInertia(99);
        G.SetFloat(G.Float() < 50 ? 100.0f : 0.0f);
    }
}

void BM_GaugeWidgetRepaint(benchmark::State &State) {
    TShownForm<TVexGauge> Shown;
    TVexGauge &G = *Shown.Child;
    for (auto _ : State) {
        KeepSwinging(G);
        G.FrameTick();
        G.repaint();
    }
    Describe(State, G);
}

void BM_GaugeFrame(benchmark::State &State) {
    TShownForm<TVexGauge> Shown;
    TVexGauge &G = *Shown.Child;
    uint64_t Allocations = 0;
    for (auto _ : State) {
        KeepSwinging(G);
        const uint64_t Before = GAllocations.load(std::memory_order_relaxed);
        G.FrameTick();
        // What the window's update request does when the platform delivers it.
        QEvent Request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&Shown.Form, &Request);
        Allocations += GAllocations.load(std::memory_order_relaxed) - Before;
    }
    State.counters["allocs_per_frame"] =
        benchmark::Counter(double(Allocations) / double(State.iterations()));
    Describe(State, G);
}

void BM_QDialWidgetRepaint(benchmark::State &State) {
    TShownForm<QDial> Shown;
    QDial &Dial = *Shown.Child;
    Dial.setNotchesVisible(true);
    int Value = 0;
    for (auto _ : State) {
        Dial.setValue(Value++ % 100);
        Dial.repaint();
    }
    Describe(State, Dial);
}
} // namespace

// Process time: Qt may hand parts of a paint to its worker threads.
BENCHMARK(BM_GaugeWidgetRepaint)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GaugeFrame)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QDialWidgetRepaint)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

} // namespace Vex
