#pragma once
// The word-wrap fuzz body, shared by the libFuzzer target and the regression test that
// replays saved inputs. The first bytes choose the wrap options, the tab width and perhaps
// the three character lists; the rest is a text, cut into rows by WrapLines and line by line,
// and every line's layout is checked against the rules every layout keeps.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void WrapBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
