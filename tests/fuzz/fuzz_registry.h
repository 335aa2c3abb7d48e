#pragma once
// The registry-file fuzz body, shared by the libFuzzer target and the regression test that
// replays saved inputs. The input is a registry file's bytes. Every key path and value name
// comes out folded; a key whose path CP932 can spell opens by it; of the three reads of a value
// at most one succeeds, and the others raise the registry error.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void RegistryBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
