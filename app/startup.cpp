#include "app/startup.h"

#include "app/message.h"

namespace quillet {

const char kRefusalText[] = "Quillet for Corvid! ver.2\r\n\r\nQuillet は単独起動を認めていません。";

int RunProgram(const std::vector<std::string>& args, StartupHost& host) {
  if (JoinArguments(args).empty()) {
    host.Beep();
    host.ShowWarning(kRefusalText);
    return 0;
  }
  host.RunMainWindow(args);
  return 0;
}

int VersionNumber(platform::OsVersion version) {
  std::string minor = std::to_string(version.minor);
  return std::stoi(std::to_string(version.major) + minor.substr(0, 1));
}

}  // namespace quillet
