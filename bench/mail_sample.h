#pragma once
// A large generated mail message in Shift_JIS for the benchmarks: Japanese and ASCII prose,
// hard-wrapped and as long paragraph lines (some of several thousand bytes), quotations,
// header-like address lines, URLs, base64 blocks and empty lines, CR LF line ends. The same
// size always gives the same bytes.

#include <cstddef>
#include <string>

namespace bench {

std::string MailSample(size_t bytes);

// 64 MB of it: about 745,000 lines.
inline constexpr size_t kLargeMailBytes = 64u << 20;

}  // namespace bench
