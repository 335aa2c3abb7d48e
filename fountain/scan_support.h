#pragma once
// Byte tests shared by the scanning procedures. Every helper stops at the NUL that ends the
// scanned text, so no scan reads past it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/ascii.h"
#include "platform/cp932.h"

namespace fountain::scan {

inline unsigned char Byte(const char* p) {
  return static_cast<unsigned char>(*p);
}

// NUL, CR and LF end every token.
constexpr bool IsLineEnd(unsigned char c) {
  return c == 0 || c == '\r' || c == '\n';
}

constexpr bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

constexpr bool IsHexDigit(unsigned char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

using platform::AsciiUpper;

// Bytes of the character at p (not at the end of its text): 2 for a lead byte, except that a
// lead byte right before NUL, CR or LF stands alone, so that no step goes over the end.
inline int CharLength(const char* p) {
  return platform::cp932::IsLeadByte(Byte(p)) && !IsLineEnd(Byte(p + 1)) ? 2 : 1;
}

// True when the text at p begins with Literal, byte for byte. An empty literal never matches.
inline bool StartsWith(const char* p, std::string_view Literal) {
  if (Literal.empty()) return false;
  for (std::size_t i = 0; i < Literal.size(); ++i) {
    if (p[i] == '\0' || p[i] != Literal[i]) return false;
  }
  return true;
}

// The same with ASCII letters compared in upper case on both sides.
inline bool StartsWithIgnoreCase(const char* p, std::string_view Literal) {
  if (Literal.empty()) return false;
  for (std::size_t i = 0; i < Literal.size(); ++i) {
    if (p[i] == '\0' || AsciiUpper(Byte(p + i)) != AsciiUpper(static_cast<unsigned char>(Literal[i])))
      return false;
  }
  return true;
}

// A set of byte values as a 256-bit table.
class TByteSet {
 public:
  constexpr explicit TByteSet(std::string_view Members) {
    for (char c : Members) {
      auto b = static_cast<unsigned char>(c);
      words_[b >> 6] |= std::uint64_t{1} << (b & 63);
    }
  }
  constexpr bool Contains(unsigned char c) const { return (words_[c >> 6] >> (c & 63)) & 1; }

 private:
  std::array<std::uint64_t, 4> words_{};
};

// Bytes of a mail address: no "+", "#", "'", "(", ")", ":", "<", ">", "[", "]", "{", "|", "}",
// "`", space, nor any byte of 0x80 or above.
inline constexpr TByteSet MailChars(
    "!$%&*,-./0123456789;=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ^_abcdefghijklmnopqrstuvwxyz~");

// Bytes of a URL after its opener: no "!", "$", "'", "(", ")", "*", ",", ";", "@", "[", "]",
// "^", "{", "|", "}", space, nor any byte of 0x80 or above.
inline constexpr TByteSet UrlChars(
    "#%&+-./0123456789:=?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz~");

}  // namespace fountain::scan
