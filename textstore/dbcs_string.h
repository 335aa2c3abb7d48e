#pragma once
// Character tests on CP932 byte strings. A lead byte always takes the next byte as its trail
// byte, whatever that byte is, so every test walks the string from its first byte. Indexes are
// 1-based byte positions; out-of-range indexes give False or byte 0, never an error.

#include <cstddef>
#include <string_view>

#include "platform/cp932.h"

namespace textstore {

// Bytes of the character that starts at 0-based `i`: 2 at a lead byte, even when the string
// ends before its trail byte, else 1.
inline size_t CharSize(std::string_view s, size_t i) {
  return platform::cp932::IsLeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
}

// Raw bytes equal to `ch` among the first min(length, limit) bytes; trail bytes count too.
std::ptrdiff_t CountChar(std::string_view s, char ch, std::ptrdiff_t limit);

// Byte `i` starts a double-byte character (a lone lead byte at the end counts). Both this and
// IsTrailByteAt walk the characters from the start of `s`: linear in `i`, so never call them
// per column of a row; walk the row once with a column cursor instead.
bool IsLeadByteAt(std::string_view s, std::ptrdiff_t i);

// Byte `i` is the second byte of a double-byte character.
bool IsTrailByteAt(std::string_view s, std::ptrdiff_t i);

// Byte `i`, or byte 0 outside 1 ... length.
char CharAt(std::string_view s, std::ptrdiff_t i);

// `ch` (one character of one or two bytes) is one of the characters of `list`; a match that
// would start on a trail byte of `list` does not count.
bool IncludesChar(std::string_view ch, std::string_view list);

}  // namespace textstore
