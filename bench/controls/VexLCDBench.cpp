// The LCD's work happens when its value changes: the whole double-size surface is rebuilt
// (lit background, grain, shadowed segments, 2 x 2 reduction). Beside it, Qt's own
// seven-segment widget of the same size painting the same text: the yardstick.

#include "controls/VexLCD.h"

#include <QImage>
#include <QLCDNumber>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace Vex {

namespace {
constexpr int KWidth = 360, KHeight = 100;

void BM_LCDRebuild(benchmark::State &State) {
    QWidget Form;
    TVexLCD LCD(&Form);
    LCD.SetBounds(0, 0, KWidth, KHeight);
    float Value = 0;
    for (auto _ : State) {
        LCD.SetValue(Value);
        Value = Value == 0 ? 88.88f : 0.0f;
        benchmark::ClobberMemory();
    }
}

// The rebuilt picture on its way to the screen.
void BM_LCDPaint(benchmark::State &State) {
    QWidget Form;
    TVexLCD LCD(&Form);
    LCD.SetBounds(0, 0, KWidth, KHeight);
    QImage Screen(KWidth, KHeight, QImage::Format_RGB32);
    for (auto _ : State) {
        LCD.render(&Screen);
        benchmark::ClobberMemory();
    }
}

void BM_QLCDNumberPaint(benchmark::State &State) {
    QLCDNumber Number(4);
    Number.resize(KWidth, KHeight);
    Number.setSegmentStyle(QLCDNumber::Filled);
    QImage Screen(KWidth, KHeight, QImage::Format_RGB32);
    bool Eights = false;
    for (auto _ : State) {
        Number.display(Eights ? QStringLiteral("88.88") : QStringLiteral("0.00"));
        Eights = !Eights;
        Number.render(&Screen);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(BM_LCDRebuild)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LCDPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QLCDNumberPaint)->Unit(benchmark::kMicrosecond);

} // namespace Vex
