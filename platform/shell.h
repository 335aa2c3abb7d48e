#pragma once
// The desktop's "open" verb: a URL, a "mailto:" URL, a document or a program.

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The argument vector ShellOpen starts for `target`, empty for an empty target:
// - an existing executable file: the program itself, with no arguments;
// - an existing other file: xdg-open with the path's own bytes;
// - anything else is text in CP932 (a URL, "mailto:..."): xdg-open with the text converted to
//   UTF-8 and otherwise unchanged (no escaping), except that a bare "www." address gets
//   "http://" in front so that it reaches the browser rather than being taken for a file.
std::vector<std::string> ShellCommandFor(std::string_view target);

// Starts ShellCommandFor(target) detached: no shell, no waiting for it, no zombie left behind
// (the program is started by a short-lived intermediate child in a new session).
// Returns false when nothing could be started; the viewer ignores the result.
bool ShellOpen(std::string_view target);

}  // namespace platform
