#pragma once
// The message-loading fuzz body, shared by the libFuzzer target and the regression test that
// replays saved inputs: arbitrary bytes as a message file, through every step of a load.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void LoadMessageBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
