// libFuzzer entry: arbitrary bytes as wrap options and a text to wrap.
#include "tests/fuzz/fuzz_wrap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::WrapBytes(data, size);
  return 0;
}
