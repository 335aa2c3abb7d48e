// libFuzzer entry: arbitrary bytes as a help file.
#include "tests/fuzz/fuzz_help.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::HelpBytes(data, size);
  return 0;
}
