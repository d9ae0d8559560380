#pragma once
// The gauge's 21 blank faces, compiled into the library as JPEG resources.

#include "platform/core/VexExport.h"

#include <QImage>
#include <memory>

namespace Vex {

// Face Index (1 .. 21) as drawn by the face generator, or nothing for any other index.
VEX_EXPORT std::unique_ptr<QImage> LoadGaugeFace(int Index);

} // namespace Vex
