#pragma once
// The knob's contact sheet: every surface type with each grain type, then the knob
// configurations of the demonstration pages.

namespace Vex {

class TControlRenderer;

void AddKnobSheet(TControlRenderer &Renderer);

} // namespace Vex
