#pragma once
// The shortcut-text fuzz body, shared by the libFuzzer target and the regression test that
// replays saved inputs. The input is a shortcut text; what it gives is checked against the
// same text in other letter cases and with each modifier prefix put in front.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void ShortCutBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
