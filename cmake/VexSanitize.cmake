# Sanitizer and fuzzing builds. VEX_SANITIZE builds every target that follows with
# AddressSanitizer and UndefinedBehaviorSanitizer; any finding stops the program. VEX_FUZZ
# (clang only) does the same, instruments the code for libFuzzer's coverage feedback and adds
# the fuzz targets of fuzz/. One such tree serves both the sanitized test suite and the fuzzers;
# scripts/sanitize.sh and scripts/fuzz.sh run them with the sanitizers' options.
option(VEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VEX_FUZZ "Build the libFuzzer targets (clang; implies VEX_SANITIZE)" OFF)

if(VEX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VEX_FUZZ needs clang (libFuzzer): configure with CXX=clang++")
  endif()
  set(VEX_SANITIZE ON)
endif()

if(VEX_SANITIZE)
  set(_vex_sanitizers -fsanitize=address,undefined)
  add_compile_options(${_vex_sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(${_vex_sanitizers})
  if(VEX_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
  endif()
endif()

