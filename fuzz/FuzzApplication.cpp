// libFuzzer's start-up hook for the targets that make widgets: the offscreen application and
// the library's classes, once, before the first input.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    Vex::StartFuzzApplication();
    return 0;
}
