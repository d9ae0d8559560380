// The dot matrix's paint is its whole per-change work: background, cached glyphs placed along
// the line, the sine highlight over every pixel, the copy to the screen. A 310-pixel line in
// the default look; beside it the glyph rebuild that a colour or size change costs.

#include "controls/VexMatrix.h"

#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace Vex {

namespace {
void BM_MatrixPaint(benchmark::State &State) {
    QWidget Form;
    TVexMatrix Matrix(&Form);
    Matrix.SetText(QStringLiteral("VEXMATRIX"));
    Matrix.SetAlignment(TVexMatrix::TAlignment(State.range(0)));
    QImage Screen(Matrix.Width(), Matrix.Height(), QImage::Format_RGB32);
    for (auto _ : State) {
        Matrix.render(&Screen);
        benchmark::ClobberMemory();
    }
}

void BM_MatrixGlyphRebuild(benchmark::State &State) {
    QWidget Form;
    TVexMatrix Matrix(&Form);
    TColor Color = clBlack;
    for (auto _ : State) {
        Color ^= 0x000101;
        Matrix.SetLitPixelColor(Color);
    }
}
} // namespace

BENCHMARK(BM_MatrixPaint)
    ->ArgName("Alignment")
    ->Arg(TVexMatrix::taLeftJustify)
    ->Arg(TVexMatrix::taRightJustify)
    ->Arg(TVexMatrix::taCenter)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MatrixGlyphRebuild)->Unit(benchmark::kMicrosecond);

} // namespace Vex
