#pragma once
// The program entry: refuse to run without a message path, otherwise run the main window.

#include <string>
#include <vector>

#include "platform/osversion.h"

namespace quillet {

// What the entry needs from the desktop; the real one is Qt, tests use a fake.
class StartupHost {
 public:
  virtual ~StartupHost() = default;
  virtual void Beep() = 0;
  virtual void ShowWarning(const std::string& utf8Text) = 0;
  // Creates the main window for `args` and runs the message loop until it closes.
  virtual void RunMainWindow(const std::vector<std::string>& args) = 0;
};

// The refusal shown when the program is started without a message path (UTF-8).
extern const char kRefusalText[];

// Runs the program for the command line `args` (args[0] is the program). The exit code is 0
// whether the program refused or ran.
int RunProgram(const std::vector<std::string>& args, StartupHost& host);

// The platform version as one number: the digits of the major version followed by the first
// digit of the minor version (5.1 gives 51, 10.0 gives 100, 6.12 gives 61).
int VersionNumber(platform::OsVersion version);

}  // namespace quillet
