#pragma once
// ASCII letter case, byte by byte. Callers that walk CP932 text skip the second bytes of
// double-byte characters themselves: only single-byte letters are folded.

namespace platform {

constexpr bool IsAsciiLower(unsigned char c) { return c >= 'a' && c <= 'z'; }

constexpr unsigned char AsciiUpper(unsigned char c) {
  return IsAsciiLower(c) ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

constexpr char AsciiUpper(char c) {
  return static_cast<char>(AsciiUpper(static_cast<unsigned char>(c)));
}

}  // namespace platform
