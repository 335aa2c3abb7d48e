#pragma once
// The two ways SearchText finds a match, apart so that tests can hold one against the other.
// Both take the arguments as SearchText has checked them: a text and a pattern that are not
// empty, and a position inside the text.

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

}  // namespace textstore::detail
