#pragma once
// The help-file fuzz body, shared by the libFuzzer target and the regression test that replays
// saved inputs. The input is a help file's bytes; its topics are checked for valid UTF-8 and
// trimmed words, one topic for every title line, the same topics whatever the line ends, and
// the same again when written back in the format.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void HelpBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
