// The LCD's text path: a value formatted with an arbitrary picture and drawn as cells at
// arbitrary cell proportions, margins and sizes. Input: Value, CharWidth, SegmentWidth,
// LightIntensity and GradientRate as floats, HMargin as an integer, width and height, then the
// picture as UTF-8.

#include "FuzzSupport.h"

#include "controls/VexLCD.h"
#include "platform/core/Component.h"
#include "platform/format/FloatFormat.h"

#include <QWidget>
#include <cmath>

namespace Vex {

namespace {
// Every pixel of the double-size surface is drawn on each rebuild: small sizes keep a run
// quick, and larger ones only take longer. Cells are placed the same way at any size.
constexpr int KMaxWidth = 256;
constexpr int KMaxHeight = 64;

void CheckOne(TFuzzInput Input) {
    QWidget Form;
    TVexLCD *Made = nullptr;
    const float Value = Input.Take<float>();
    int Width = 0, Height = 0;
    {
        // Set as a file would set them: one rebuild when loading ends.
        TLoadingScope Loading;
        Made = new TVexLCD(&Form);
        Made->SetValue(Value);
        Made->SetCharWidth(Input.Take<float>());
        Made->SetSegmentWidth(Input.Take<float>());
        Made->SetLightIntensity(Input.Take<float>());
        Made->SetGradientRate(Input.Take<float>());
        Made->SetHMargin(Input.Take<int32_t>());
        Width = Input.Take<uint16_t>() % KMaxWidth;
        Height = Input.Take<uint16_t>() % KMaxHeight;
        Made->SetBounds(0, 0, Width, Height);
        Made->SetFormat(QString::fromUtf8(Input.Rest()));
    }
    TVexLCD &LCD = *Made;
    PaintAndTick(LCD, 0);

    const float Shown = std::isfinite(Value) ? Value : 0.0f;
    Expect(LCD.DisplayText() == FormatFloat(LCD.Format(), Shown), "the cells show another text");
    // A control without area is not rebuilt, and its cells are those of the last rebuild.
    if (Width == 0 || Height == 0)
        return;
    const std::vector<int> &Cells = LCD.CellLefts();
    Expect(qsizetype(Cells.size()) <= LCD.DisplayText().size(), "more cells than characters");
    Expect(std::is_sorted(Cells.begin(), Cells.end()) || LCD.Geometry().CellWidth < 0,
           "cells out of order");
}
} // namespace

} // namespace Vex

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    Vex::CheckOne(Vex::TFuzzInput(Data, Size));
    return 0;
}
