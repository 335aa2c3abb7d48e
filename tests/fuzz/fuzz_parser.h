#pragma once
// The tokeniser fuzz body, shared by the libFuzzer target and the regression test that
// replays saved inputs. The first bytes choose the fountain's options, brackets, a starting
// row state and a wrap width; the rest is the text, scanned whole from that state, laid out
// as wrapped rows whose states ParseRow computes, and scanned row by row from those states.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void ParseBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
