#pragma once
// The byte set that ends a word, shared by the column map and the search.

#include <bitset>

namespace textstore {

using ByteSet = std::bitset<256>;

// The text view's initial delimiters: 0x00-0x2F, 0x3A-0x40, 0x5B-0x5E, 0x60, 0x7B-0x80,
// 0xA0-0xA5 and 0xFD-0xFF. Digits, Latin letters, the underscore, the lead-byte ranges and the
// half-width katakana 0xA6-0xDF are word characters.
ByteSet DefaultWordDelimiters();

}  // namespace textstore
