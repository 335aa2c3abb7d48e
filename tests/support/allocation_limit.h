#pragma once
// Replaces the global operator new and delete to measure the heap that C++ code holds and to
// make large allocations fail on demand, as they do when memory runs out. Include it in exactly
// one source file of a program.

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace testsupport {

inline std::atomic<size_t> heapLive{0};
inline std::atomic<size_t> heapPeak{0};
inline std::atomic<size_t> failAllocationsFrom{std::numeric_limits<size_t>::max()};

// While it lives, every single allocation of at least `bytes` throws std::bad_alloc.
struct FailLargeAllocations {
  explicit FailLargeAllocations(size_t bytes) { failAllocationsFrom = bytes; }
  ~FailLargeAllocations() { failAllocationsFrom = std::numeric_limits<size_t>::max(); }
};

// Starts a new peak from what is held now.
inline void ResetHeapPeak() { heapPeak = heapLive.load(); }

}  // namespace testsupport

void* operator new(size_t size) {
  void* p = size < testsupport::failAllocationsFrom ? std::malloc(size == 0 ? 1 : size) : nullptr;
  if (p == nullptr) throw std::bad_alloc();
  size_t live = testsupport::heapLive += malloc_usable_size(p);
  for (size_t peak = testsupport::heapPeak; live > peak;) {
    if (testsupport::heapPeak.compare_exchange_weak(peak, live)) break;
  }
  return p;
}
// Out of line: inlined into its callers, the free() would look to the compiler like a mismatch
// with the new that made the block.
__attribute__((noinline)) void operator delete(void* p) noexcept {
  if (p != nullptr) testsupport::heapLive -= malloc_usable_size(p);
  std::free(p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }
