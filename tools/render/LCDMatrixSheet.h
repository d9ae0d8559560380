#pragma once
// A contact sheet of the seven-segment LCD and the dot-matrix display: the default look of each,
// the looks their demonstration pages give them, and the cases worth a glance (a negative
// value, every alignment, accented and unknown characters).

namespace Vex {

class TControlRenderer;

void AddLCDMatrixSheet(TControlRenderer &Renderer);

} // namespace Vex
