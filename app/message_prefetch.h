#pragma once
// Reading the message while the program starts: the read of a large file overlaps the setting
// up of the window instead of following it. Nothing of it shows: the first load of the same
// path takes the result, and an error of the read is raised there, as the load's own.

#include <optional>
#include <string>

#include "app/message.h"

namespace quillet {

// Starts reading `path` on another thread. At most one read is pending; a second call waits
// for the first and drops its result.
void PrefetchMessage(const std::string& path);

// The message read for `path`, waiting for it if need be; nothing when no read of that path
// is pending. Rethrows what the read threw. Either way no read is pending afterwards.
std::optional<MessageSource> TakePrefetchedMessage(const std::string& path);

}  // namespace quillet
