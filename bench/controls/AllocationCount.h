#pragma once
// Counts the heap allocations of the benchmark program, so that a benchmark can report what one
// frame allocates (its own and Qt's).

#include <atomic>
#include <cstdint>

namespace Vex {

extern std::atomic<uint64_t> GAllocations;

} // namespace Vex
