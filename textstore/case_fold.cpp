#include "textstore/case_fold.h"

#include <string>

#include "platform/cp932.h"

namespace textstore {
namespace {

struct SmallRange {
  std::uint16_t First;
  std::uint16_t Last;
  std::uint16_t Capital;  // capital of First; the following ones run in order
};

constexpr std::array<SmallRange, 5> kSmallLetters = {{
    {0x8281, 0x829A, 0x8260},  // full-width Latin
    {0x83BF, 0x83D6, 0x839F},  // Greek
    {0x8470, 0x847E, 0x8440},  // Cyrillic, before the gap at 0x847F
    {0x8480, 0x8491, 0x844F},  // Cyrillic, after it
    {0xEEEF, 0xEEF8, 0x8754},  // Roman numerals
}};

}  // namespace

const std::array<unsigned char, 256>& UpperCaseTable() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> upper{};
    for (int b = 0; b < 256; ++b) {
      std::string upperCased = platform::cp932::AnsiUpperCase(std::string(1, static_cast<char>(b)));
      upper[b] = static_cast<unsigned char>(upperCased[0]);
    }
    return upper;
  }();
  return table;
}

std::uint16_t SmallLetterOf(std::uint16_t capital) {
  for (const SmallRange& range : kSmallLetters) {
    int offset = capital - range.Capital;
    if (offset >= 0 && offset <= range.Last - range.First) {
      return static_cast<std::uint16_t>(range.First + offset);
    }
  }
  return capital;
}

}  // namespace textstore
