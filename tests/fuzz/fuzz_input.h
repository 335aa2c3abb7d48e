#pragma once
// Cutting one fuzz input into several values.

#include <algorithm>
#include <string_view>

namespace quillet::fuzz {

// The input's bytes up to the next NUL, which is dropped; all of them when there is none.
inline std::string_view NextPart(std::string_view& input) {
  const size_t nul = std::min(input.find('\0'), input.size());
  const std::string_view part = input.substr(0, nul);
  input.remove_prefix(std::min(nul + 1, input.size()));
  return part;
}

}  // namespace quillet::fuzz
