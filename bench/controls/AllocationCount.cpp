#include "AllocationCount.h"

#include <cstdlib>
#include <new>

namespace Vex {
std::atomic<uint64_t> GAllocations{0};
} // namespace Vex

// The program's global allocation functions: counted, then the C heap.
void *operator new(std::size_t Size) {
    Vex::GAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void *P = std::malloc(Size ? Size : 1))
        return P;
    throw std::bad_alloc();
}

void *operator new[](std::size_t Size) {
    return operator new(Size);
}

void operator delete(void *P) noexcept {
    std::free(P);
}

void operator delete[](void *P) noexcept {
    std::free(P);
}

void operator delete(void *P, std::size_t) noexcept {
    std::free(P);
}

void operator delete[](void *P, std::size_t) noexcept {
    std::free(P);
}
