#pragma once
// Text search over CP932 bytes with optional case and width folding, whole words, and line
// breaks or blanks skipped inside a match.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "textstore/word_delimiters.h"

namespace textstore {

using TSearchOptions = std::uint16_t;
inline constexpr TSearchOptions soForward = 0x0001;           // towards the end
inline constexpr TSearchOptions soMatchCase = 0x0002;         // letters must match in case
inline constexpr TSearchOptions soWholeWord = 0x0004;         // word start to delimiter
inline constexpr TSearchOptions soIgnoreWidth = 0x0008;       // half and full width alike
inline constexpr TSearchOptions soAcrossLineBreaks = 0x0080;  // CR and LF skipped in a match
inline constexpr TSearchOptions soIgnoreBlanks = 0x0100;      // tab, space, 0x8140 skipped

// A byte range of the searched text: where the search starts and, on success, the match.
struct TSearchPosition {
  std::ptrdiff_t Start = 0;
  std::ptrdiff_t Length = 0;
};

// Looks for `pattern` in `text`. Forward the first candidate is Start + Length, just after
// the match or selection shown; backward the last place where the pattern fits before Start.
// `wordDelimiters` is the text view's set; for whole words the underscore is a delimiter too.
// On a match returns true and stores its offset and its length in text bytes (skipped line
// breaks and blanks included) in `position`; otherwise returns false and leaves `position`
// alone. An empty text or pattern, or a start outside the text, finds nothing.
bool SearchText(std::string_view text, TSearchPosition& position, std::string_view pattern,
                TSearchOptions options, const ByteSet& wordDelimiters);

// The matches that forward searches from the text's start step through, each search starting
// just after the last match: how many of them begin before `limit` (all by default). Counts as
// SearchText finds, with one preparation of the text and the pattern for all of them.
std::size_t CountMatches(std::string_view text, std::string_view pattern, TSearchOptions options,
                         const ByteSet& wordDelimiters, std::size_t limit = SIZE_MAX);

}  // namespace textstore
