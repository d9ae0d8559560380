#pragma once
// What a shared build of the library exports: the classes and functions marked VEX_EXPORT.
// Everything else is hidden. A static build (VEX_STATIC, set for its users by the package) needs
// no marks.

#if defined(VEX_STATIC)
#define VEX_EXPORT
#else
#define VEX_EXPORT __attribute__((visibility("default")))
#endif
