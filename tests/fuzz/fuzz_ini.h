#pragma once
// The settings-file fuzz body, shared by the libFuzzer target and the regression test that
// replays saved inputs. The input is a section name, a key, a value and a file's bytes, the
// first three each ended by a NUL; the value is set in the file, and the new bytes are checked:
// the value reads back, setting it again changes nothing, no line but the key's changes, and
// other keys read as before.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void IniBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
