#pragma once
// Code page 932 (Shift_JIS as Windows extends it): the byte rules the text code relies on,
// and conversion to and from Unicode for display only. Text stays CP932 bytes everywhere else.

#include <string>
#include <string_view>

namespace platform::cp932 {

// Lead bytes of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Upper-cases ASCII letters only; the trail byte of a double-byte character is never changed,
// even when it happens to be an ASCII letter (0x61-0x7A are valid trail bytes).
std::string AnsiUpperCase(std::string_view text);

// CP932 bytes to UTF-8. A byte that does not start a valid character (or a lead byte cut off
// at the end) becomes one U+FFFD and decoding goes on with the very next byte.
std::string ToUtf8(std::string_view text);

// UTF-8 to CP932. Characters CP932 cannot hold become '?'; invalid UTF-8 bytes too.
std::string FromUtf8(std::string_view utf8);

}  // namespace platform::cp932
