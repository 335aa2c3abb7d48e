// libFuzzer entry: arbitrary bytes as an ELF file, a version block or records to encode.
#include "tests/fuzz/fuzz_version.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::VersionBytes(data, size);
  return 0;
}
