// libFuzzer entry: arbitrary bytes as a name, a key, a value and a settings file.
#include "tests/fuzz/fuzz_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quillet::fuzz::IniBytes(data, size);
  return 0;
}
