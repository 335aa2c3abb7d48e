#pragma once
// UTF-8 and UTF-16 code units, for the registry, which holds its text in UTF-16. Nothing is
// refused: what cannot be converted becomes U+FFFD and conversion goes on.

#include <string>
#include <string_view>

namespace platform::utf16 {

// A byte that starts no valid UTF-8 sequence (overlong forms, surrogates and values past
// U+10FFFF included) becomes one U+FFFD; decoding goes on at the next byte.
std::u16string FromUtf8(std::string_view utf8);

// A surrogate without its partner becomes U+FFFD.
std::string ToUtf8(std::u16string_view units);

// Little-endian bytes, two a unit; an odd last byte is dropped.
std::u16string FromLittleEndian(std::string_view bytes);
std::string ToLittleEndian(std::u16string_view units);

}  // namespace platform::utf16
