#pragma once
// The two ways SearchText finds a match, apart so that tests can hold one against the other.
// Both take the arguments as SearchText has checked them: a text and a pattern that are not
// empty, and a position inside the text.

#include <cstddef>
#include <optional>
#include <string_view>

#include "textstore/search.h"

namespace textstore::detail {

// Character by character, for every option: the reference the byte search must agree with.
bool SearchCharacters(std::string_view text, TSearchPosition& position, std::string_view pattern,
                      TSearchOptions options, const ByteSet& wordDelimiters);

// The same answer from a scan over the bytes, for the searches where matching bytes on a
// character start mean matching characters: no width folding, no skipped line breaks or
// blanks, and no double-byte letter folded in case. Nothing for any other search, and for a
// pattern that ends in a lone lead byte.
std::optional<bool> SearchBytes(std::string_view text, TSearchPosition& position,
                                std::string_view pattern, TSearchOptions options,
                                const ByteSet& wordDelimiters);

// CountMatches by each of the two ways, with the same conditions; options hold soForward.
std::size_t CountCharacters(std::string_view text, std::string_view pattern,
                            TSearchOptions options, const ByteSet& wordDelimiters,
                            std::size_t limit);
std::optional<std::size_t> CountBytes(std::string_view text, std::string_view pattern,
                                      TSearchOptions options, const ByteSet& wordDelimiters,
                                      std::size_t limit);

// Steps a finder's forward search along the text, each search after the last match.
template <typename Finder>
std::size_t CountFound(Finder& finder, std::size_t limit) {
  std::size_t count = 0;
  for (TSearchPosition position; finder.Find(position) &&
                                 static_cast<std::size_t>(position.Start) < limit;) {
    ++count;
  }
  return count;
}

}  // namespace textstore::detail
