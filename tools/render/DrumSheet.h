#pragma once
// The drum counter's contact sheet: its default look and the looks the demonstration pages
// give it, each rolled to a value.

namespace Vex {

class TControlRenderer;

void AddDrumSheet(TControlRenderer &Renderer);

} // namespace Vex
