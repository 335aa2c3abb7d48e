#pragma once
// Case folding for the search. Character codes as in width_fold.h.

#include <array>
#include <cstdint>

namespace textstore {

// Upper-case form of every single byte, from the platform's ANSI upper-casing.
const std::array<unsigned char, 256>& UpperCaseTable();

// The small letter that matches double-byte capital `capital` when case is folded (full-width
// Latin, Greek, Cyrillic, Roman numerals); any other code comes back as itself. Folding is one
// way: a small letter in the text matches its capital in the upper-cased pattern, a capital
// in the text does not match a small letter in the pattern.
std::uint16_t SmallLetterOf(std::uint16_t capital);

}  // namespace textstore
