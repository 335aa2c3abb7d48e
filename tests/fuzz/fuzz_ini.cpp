#include "tests/fuzz/fuzz_ini.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/cp932.h"
#include "platform/ini_text.h"
#include "tests/fuzz/fuzz_input.h"

namespace quillet::fuzz {
namespace {

using platform::ini::FindValue;
using platform::ini::SetValue;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "ini: %s\n", what);
  std::abort();
}

bool SameName(std::string_view a, std::string_view b) {
  return platform::cp932::AnsiUpperCase(a) == platform::cp932::AnsiUpperCase(b);
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

// What a read of `value` gives: all of it, or its first kMaxValueSize bytes less perhaps one.
bool ReadsAs(std::string_view read, std::string_view value) {
  const size_t max = platform::ini::kMaxValueSize;
  if (value.size() <= max) return read == value;
  return read.size() + 1 >= max && read.size() <= max && value.starts_with(read);
}

// The bytes `before` lost on the way to `after`, and those it gained, once their common start
// and end are set aside.
std::pair<std::string_view, std::string_view> Difference(std::string_view before,
                                                         std::string_view after) {
  const size_t shorter = std::min(before.size(), after.size());
  size_t head = 0;
  while (head < shorter && before[head] == after[head]) ++head;
  size_t tail = 0;
  while (tail < shorter - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  return {before.substr(head, before.size() - head - tail),
          after.substr(head, after.size() - head - tail)};
}

}  // namespace

void IniBytes(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view section = NextPart(input);
  const std::string_view key = NextPart(input);
  const std::string_view value = NextPart(input);
  const std::string_view text = input;

  const std::optional<std::string_view> old = FindValue(text, section, key);
  const std::optional<std::string> written = SetValue(text, section, key, value);
  if (written.has_value() != SetValue("", section, key, value).has_value()) {
    Fail("whether a value can be stored depends on the file");
  }
  if (!written) return;
  const std::optional<std::string_view> now = FindValue(*written, section, key);
  if (!now || !ReadsAs(*now, value)) Fail("the value does not read back");
  if (SetValue(*written, section, key, value) != *written) Fail("a second write changes bytes");

  const auto [lost, gained] = Difference(text, *written);
  if (HasLineBreak(lost)) Fail("a line break was lost");
  if (old && HasLineBreak(gained)) Fail("replacing a value added a line");

  const std::string_view probes[] = {section, key, "", "S", "k"};
  for (std::string_view probeSection : probes) {
    for (std::string_view probeKey : probes) {
      if (SameName(probeSection, section) && SameName(probeKey, key)) continue;
      if (FindValue(text, probeSection, probeKey) != FindValue(*written, probeSection, probeKey)) {
        Fail("another key changed");
      }
    }
  }
}

}  // namespace quillet::fuzz
