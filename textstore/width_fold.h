#pragma once
// Folding half-width characters to full width, so that both forms of a character compare
// equal. Characters are handled as codes: a single byte b as b, a double-byte character as
// lead * 256 + trail, so every double-byte code is at least 0x8100.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace textstore {

struct FoldedChar {
  std::uint16_t Code;  // a byte without a full-width form stays itself
  size_t Size;         // text bytes taken: 2 when a voiced or semi-voiced mark folded in
};

// Full-width form of the single-byte character at 0-based `i` of `s`. A half-width kana with
// a voiced form takes a following voiced mark 0xDE with it (ｶﾞ to ガ, ｳﾞ to ヴ), and ﾊ ﾋ ﾌ ﾍ ﾎ
// a following semi-voiced mark 0xDF (ﾊﾟ to パ). A semi-voiced mark after any other kana is not
// folded in: it becomes ゜ on its own.
FoldedChar FoldToFullWidth(std::string_view s, size_t i);

// `s` with every single-byte character folded by FoldToFullWidth; double-byte characters are
// copied.
std::string ToFullWidth(std::string_view s);

}  // namespace textstore
