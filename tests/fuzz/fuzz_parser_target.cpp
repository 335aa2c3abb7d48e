// libFuzzer entry: arbitrary bytes as tokeniser options, a row state and text.
#include "tests/fuzz/fuzz_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::ParseBytes(data, size);
  return 0;
}
