// libFuzzer entry: arbitrary bytes as a registry file.
#include "tests/fuzz/fuzz_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::RegistryBytes(data, size);
  return 0;
}
