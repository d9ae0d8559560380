#pragma once
// Registers every control and component class of the library with the component registry, so
// control files and page descriptions can create them by name. Safe to call more than once.

#include "platform/core/VexExport.h"

namespace Vex {

VEX_EXPORT void RegisterControlClasses();

} // namespace Vex
