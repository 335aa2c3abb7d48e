#pragma once
// quillet-drive: loads a message into a real text view on its Qt window, runs a script of
// steps on it and prints the view's state after each step as JSON.

#include <ostream>
#include <string>
#include <vector>

namespace drive {

// Runs the driver on a command line (args[0] is the program). A QApplication must exist.
// Returns the exit status: 0 after the report, 1 when a message, a script file or a step fails
// (the error's message on `err`), 2 for a bad command line or a bad step (with the usage).
int RunDrive(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace drive
