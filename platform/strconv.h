#pragma once
// Integer text conversion with the platform's rules: optional leading blanks, an optional sign,
// then decimal digits, or hexadecimal after "$" or "0x"/"0X". Nothing may follow the digits.
// Hexadecimal takes the full 32 bits (0x80000005 is a negative system colour); decimal must fit
// a signed 32-bit integer.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

std::optional<std::int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt, but throws EConvertError ("'%s' は整数ではありません") on failure.
std::int32_t StrToInt(std::string_view text);

}  // namespace platform
