#pragma once
// The version-information fuzz body, shared by the libFuzzer target and the regression test
// that replays saved inputs. The first byte says what the rest is: 0 an ELF file, whose version
// section is looked for and looked up; 1 a version block, looked up; 2 paths and values, each
// ended by a NUL, encoded as a block that must parse and give back each path's first value.
// A section found is never larger than the reader allows.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void VersionBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
