// The dot matrix's text path: arbitrary text (any code, accented letters, characters outside
// the set) placed at arbitrary dot sizes, spacings, widths and alignments, then painted with the
// highlight. Input: PixelWidth, PixelHeight, CharSpacing and PixelSpacing as floats,
// LightBrightness as an integer, the width, the alignment, then the text as UTF-8.

#include "FuzzSupport.h"

#include "controls/VexMatrix.h"
#include "platform/core/Component.h"

#include <QWidget>
#include <algorithm>

namespace Vex {

namespace {
// The highlight touches every pixel on each paint: small sizes keep a run quick. Cells are
// placed the same way at any size, and rows below them only repeat the background.
constexpr int KMaxWidth = 1024;
constexpr int KMaxHeight = 64;

void CheckOne(TFuzzInput Input) {
    QWidget Form;
    TVexMatrix *Made = nullptr;
    uint8_t Alignment = 0;
    {
        // Set as a file would set them: the glyphs are made once when loading ends.
        TLoadingScope Loading;
        Made = new TVexMatrix(&Form);
        Made->SetPixelWidth(Input.Take<float>());
        Made->SetPixelHeight(Input.Take<float>());
        Made->SetCharSpacing(Input.Take<float>());
        Made->SetPixelSpacing(Input.Take<float>());
        Made->SetLightBrightness(Input.Take<int32_t>());
        Made->SetWidth(Input.Take<uint16_t>() % KMaxWidth);
        Alignment = Input.Take<uint8_t>();
        Made->SetAlignment(TVexMatrix::TAlignment(Alignment % 4));
        Made->SetText(QString::fromUtf8(Input.Rest()));
    }
    TVexMatrix &Matrix = *Made;
    Expect(int(Matrix.Alignment()) == Alignment % 4 || Alignment % 4 == 3,
           "a valid alignment was refused");
    Expect(Matrix.Height() == Matrix.LineHeight() || Matrix.Height() == 34,
           "the height does not follow the dot sizes");
    Matrix.SetHeight(std::min(Matrix.Height(), KMaxHeight));
    PaintAndTick(Matrix, 0);
    const std::vector<TVexMatrix::TCell> &Cells = Matrix.Cells();
    const int Width = Matrix.Width(), Glyph = Matrix.GlyphWidth();
    for (size_t I = 0; I < Cells.size(); ++I) {
        Expect(Cells[I].X < Width && Cells[I].X + Glyph > 0, "a cell outside the display");
        Expect(I == 0 || Cells[I - 1].X < Cells[I].X, "cells overlap or are out of order");
        Expect(Cells[I].Glyph >= 0 && Cells[I].Glyph < TVexMatrix::GlyphCount,
               "a cell without a glyph");
    }
}
} // namespace

} // namespace Vex

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    Vex::CheckOne(Vex::TFuzzInput(Data, Size));
    return 0;
}
