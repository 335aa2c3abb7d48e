#pragma once
// The desktop's "open" verb, in two kinds kept apart: a URL (a "mailto:" URL, a link from the
// message or one of our own) only ever goes to xdg-open as a URL, and only a program the
// viewer names itself is ever started as a program.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The argument vector ShellOpenUrl starts for `url` (CP932): xdg-open with the text converted to
// UTF-8 and otherwise unchanged (no escaping), except that a bare "www." address gets "http://"
// in front so that it reaches the browser rather than being taken for a file. Never a program
// named by the text, even when a file of that name exists. Empty, so that nothing starts, for an
// empty text and for one beginning with "-", which xdg-open would take for an option (it knows no
// "--" to end its options).
std::vector<std::string> UrlCommandFor(std::string_view url);

// The argument vector StartProgram starts for `path`: the program itself with no arguments (a
// relative name made explicit, never searched on PATH). Empty when `path` is no executable file.
std::vector<std::string> ProgramCommandFor(const std::string& path);

// Start UrlCommandFor(url) or ProgramCommandFor(path) detached: no shell, no waiting for it, no
// zombie left behind (the program is started by a short-lived intermediate child in a new
// session). False when nothing could be started; the viewer ignores the result.
bool ShellOpenUrl(std::string_view url);
bool StartProgram(const std::string& path);

}  // namespace platform
