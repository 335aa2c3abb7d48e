#pragma once
// Where the settings file and the files that go with it are looked for.
//
// The settings file is named after the executable with the extension ".ini". It lies beside
// the executable when this user may write in that folder; otherwise (a system install) in the
// user's configuration folder: $XDG_CONFIG_HOME/quillet, or $HOME/.config/quillet when
// XDG_CONFIG_HOME is unset or not an absolute path. A folder without any write bit counts as
// not writable even for root, as the settings writer treats a file without one. The keyword
// files and the tool bar's image file are looked for in the settings folder first, then among
// the program's own files (app/program_files.h).

#include <string>
#include <string_view>

namespace quillet {

// The folder for the executable `exePath`, with its trailing '/'. `xdgConfigHome` and `home`
// are the environment's values (nullptr when unset); `home` falls back to the user's entry in
// the password database.
std::string SettingsFolderFor(std::string_view exePath, const char* xdgConfigHome,
                              const char* home);

// SettingsFolderFor for this program and its environment.
std::string SettingsFolder();

// The settings file of this program.
std::string SettingsFilePath();

// `name` in the settings folder when a file of that name is there, otherwise as
// FindProgramFile finds it.
std::string FindBesideSettings(std::string_view name);

// Makes the folder that holds `settingsFile` when it is missing (only this user may use it),
// so that a first write can make the file. Errors are left to that write to report.
void PrepareSettingsFolder(const std::string& settingsFile);

}  // namespace quillet
