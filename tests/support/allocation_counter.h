#pragma once
// Counts every global allocation of the test program that includes this header. Include it in
// exactly one source file of a program: it replaces the global operator new and delete.

#include <cstdlib>
#include <new>

namespace testsupport {
inline long allocations = 0;
}  // namespace testsupport

void* operator new(std::size_t size) {
  ++testsupport::allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
