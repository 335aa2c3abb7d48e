#pragma once
// Replaces the global operator new and delete to measure the heap that C++ code holds and to
// make large allocations fail on demand, as they do when memory runs out. Include it in exactly
// one source file of a program.

#include <malloc.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <new>

namespace testsupport {

inline std::atomic<std::size_t> heapLive{0};
inline std::atomic<std::size_t> heapPeak{0};
inline std::atomic<std::size_t> failAllocationsFrom{std::numeric_limits<std::size_t>::max()};

// While it lives, every single allocation of at least `bytes` throws std::bad_alloc.
class FailLargeAllocations {
 public:
  explicit FailLargeAllocations(std::size_t bytes) { failAllocationsFrom = bytes; }
  ~FailLargeAllocations() { failAllocationsFrom = std::numeric_limits<std::size_t>::max(); }
  FailLargeAllocations(const FailLargeAllocations&) = delete;
  FailLargeAllocations& operator=(const FailLargeAllocations&) = delete;
};

// Starts a new peak from what is held now.
inline void ResetHeapPeak() { heapPeak = heapLive.load(); }

}  // namespace testsupport

void* operator new(std::size_t size) {
  if (size >= testsupport::failAllocationsFrom) throw std::bad_alloc();
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  std::size_t live = testsupport::heapLive += malloc_usable_size(p);
  std::size_t peak = testsupport::heapPeak;
  while (live > peak && !testsupport::heapPeak.compare_exchange_weak(peak, live)) {
  }
  return p;
}
// Kept out of line: inlined into its callers, the free() would look to the compiler like a
// mismatch with the new that made the block.
__attribute__((noinline)) void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  testsupport::heapLive -= malloc_usable_size(p);
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
