#pragma once
// Large buffers that are about to be filled completely: asking the kernel to back all of their
// pages at once costs a fraction of taking a page fault for every page as the copy reaches it,
// which dominates loading a large message on machines with expensive faults.

#include <cstddef>

namespace platform {

// Backs the whole pages inside [data, data + bytes) with memory now. Best effort: small
// ranges and kernels without the request are left as they are.
void PopulateForWrite(void* data, std::size_t bytes) noexcept;

}  // namespace platform
