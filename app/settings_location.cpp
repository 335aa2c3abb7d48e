#include "app/settings_location.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/program_files.h"
#include "platform/paths.h"

namespace quillet {
namespace {

bool FolderWritable(const std::string& folder) {
  struct stat info {};
  const std::string path = folder.empty() ? std::string(".") : folder;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & 0222) != 0 &&
         access(path.c_str(), W_OK) == 0;
}

std::string HomeFolder(const char* home) {
  if (home != nullptr && *home != '\0') return home;
  const passwd* entry = getpwuid(getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

}  // namespace

std::string SettingsFolderFor(std::string_view exePath, const char* xdgConfigHome,
                              const char* home) {
  std::string folder = platform::ExtractFilePath(exePath);
  if (FolderWritable(folder)) return folder;
  if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/') {
    return std::string(xdgConfigHome) + "/quillet/";
  }
  return HomeFolder(home) + "/.config/quillet/";
}

std::string SettingsFolder() {
  return SettingsFolderFor(platform::ExePath(), std::getenv("XDG_CONFIG_HOME"),
                           std::getenv("HOME"));
}

std::string SettingsFilePath() {
  const std::string exe = platform::ExePath();
  return SettingsFolder() + platform::ExtractFileName(platform::ChangeFileExt(exe, ".ini"));
}

std::string FindBesideSettings(std::string_view name) {
  const std::string inSettings = SettingsFolder() + std::string(name);
  if (platform::FileExists(inSettings)) return inSettings;
  return FindProgramFile(platform::ExePath(), name);
}

void PrepareSettingsFolder(const std::string& settingsFile) {
  const std::string folder = platform::ExtractFilePath(settingsFile);
  std::error_code ignored;
  if (folder.empty() || std::filesystem::exists(folder, ignored)) return;
  if (std::filesystem::create_directories(folder, ignored)) {
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
  }
}

}  // namespace quillet
