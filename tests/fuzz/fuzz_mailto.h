#pragma once
// The "mailto:" fuzz body, shared by the libFuzzer target and the regression test that
// replays saved inputs. The input is From, Reply-To, Subject, Message-Id and In-Reply-To, the
// first four each ended by a NUL. The URLs built from them are checked: the address ends at the
// first "?", the reply has exactly its three fields, nothing starts a fragment, and decoding
// the percent-encoding gives back every value as it went in.

#include <cstddef>
#include <cstdint>

namespace quillet::fuzz {

void MailtoBytes(const std::uint8_t* data, std::size_t size);

}  // namespace quillet::fuzz
