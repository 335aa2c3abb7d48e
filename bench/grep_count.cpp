#include "bench/grep_count.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

void RunGrepCount(const std::string& pattern, const std::string& file) {
  pid_t pid = 0;
  const char* argv[] = {"grep", "-c", pattern.c_str(), file.c_str(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawnp(&pid, "grep", &actions, nullptr, const_cast<char**>(argv), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  waitpid(pid, &status, 0);
}

}  // namespace bench
