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

}  // namespace

void PopulateForWrite(void* data, std::size_t bytes) noexcept {
  if (data == nullptr || bytes < kWorthIt) return;
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(page - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, kPopulateWrite);
}

}  // namespace platform
