// libFuzzer entry: arbitrary bytes as the header values of a reply.
#include "tests/fuzz/fuzz_mailto.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::MailtoBytes(data, size);
  return 0;
}
