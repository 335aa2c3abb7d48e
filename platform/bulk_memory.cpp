#include "platform/bulk_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace platform {
namespace {

// Populate writable pages (Linux 5.14); older headers do not name it.
constexpr int kPopulateWrite = 23;
// Below this a buffer's faults cost less than the request.
constexpr std::size_t kWorthIt = 1u << 20;
// The size of a transparent huge page on x86-64 and most other 64-bit machines.
constexpr std::size_t kHugePage = 2u << 20;

}  // namespace

void PopulateForWrite(void* data, std::size_t bytes) noexcept {
  if (data == nullptr || bytes < kWorthIt) return;
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(page - 1);
  if (end <= begin) return;
  // Where whole huge pages fit, ask for them: one fault per 2 MiB instead of one per 4 KiB,
  // which is most of what fresh memory costs on a virtual machine.
  const std::uintptr_t huge = kHugePage;
  const auto hugeBegin = (begin + huge - 1) & ~(huge - 1);
  const auto hugeEnd = end & ~(huge - 1);
  if (hugeEnd > hugeBegin) madvise(reinterpret_cast<void*>(hugeBegin), hugeEnd - hugeBegin, MADV_HUGEPAGE);
  madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
}

}  // namespace platform
