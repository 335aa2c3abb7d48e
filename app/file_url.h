#pragma once
// Paths handed over by the desktop. A file manager or launcher may pass a message as a file://
// URL instead of a path; everything else is a path as the host mail client passes it.

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The local path a file:// URL names: its percent-escapes decoded to bytes. Only a URL starting
// exactly with "file://" whose host is empty or "localhost" (in any case) is decoded; any
// other text, a malformed escape's bytes and an escape of NUL (which no path can hold) stay as
// given, so that the file error names what was passed.
std::string LocalPathFromUrl(std::string_view text);

// The message path of the command line `args` (args[0] is the program): the arguments joined
// with single spaces, a file:// URL taken as its local path. Empty means the viewer refuses.
std::string MessagePathFromArguments(const std::vector<std::string>& args);

}  // namespace quillet
