// libFuzzer entry: arbitrary bytes loaded as a message file.
#include "tests/fuzz/fuzz_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::LoadMessageBytes(data, size);
  return 0;
}
