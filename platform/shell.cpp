#include "platform/shell.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/cp932.h"
#include "platform/paths.h"

namespace platform {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// Starts `command` detached, as the header describes.
bool Spawn(std::vector<std::string> command) {
  if (command.empty()) return false;
  // Everything the children need is prepared here: after fork only exec-safe calls are made.
  std::vector<char*> argv;
  for (std::string& arg : command) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);

  pid_t child = fork();
  if (child < 0) {
    if (devNull >= 0) close(devNull);
    return false;
  }
  if (child == 0) {
    setsid();
    pid_t grandchild = fork();
    if (grandchild == 0) {
      if (devNull >= 0) dup2(devNull, STDIN_FILENO);
      execvp(argv[0], argv.data());
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  if (devNull >= 0) close(devNull);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

std::vector<std::string> UrlCommandFor(std::string_view url) {
  if (url.empty() || url.front() == '-') return {};
  std::string text = cp932::ToUtf8(url);
  if (StartsWithNoCase(text, "www.")) text.insert(0, "http://");
  return {"xdg-open", text};
}

std::vector<std::string> ProgramCommandFor(const std::string& path) {
  if (path.empty() || !FileExists(path) || access(path.c_str(), X_OK) != 0) return {};
  // execvp searches PATH for a name without '/', so make a relative name explicit.
  return {path.find('/') == std::string::npos ? "./" + path : path};
}

bool ShellOpenUrl(std::string_view url) { return Spawn(UrlCommandFor(url)); }

bool StartProgram(const std::string& path) { return Spawn(ProgramCommandFor(path)); }

}  // namespace platform
