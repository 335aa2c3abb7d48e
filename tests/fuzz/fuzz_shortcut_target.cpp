// libFuzzer entry: arbitrary bytes as a shortcut text.
#include "tests/fuzz/fuzz_shortcut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::ShortCutBytes(data, size);
  return 0;
}
