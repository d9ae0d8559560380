#pragma once
// The gauge's contact sheet: every face at a size that keeps its proportions, then every
// needle outline on the default face.

namespace Vex {

class TControlRenderer;

void AddGaugeSheet(TControlRenderer &Renderer);

} // namespace Vex
