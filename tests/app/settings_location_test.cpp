#include "app/settings_location.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;

class SettingsLocationTest : public ::testing::Test {
 protected:
  std::string Folder(const std::string& name, fs::perms perms) {
    const std::string folder = dir_ + "/" + name;
    fs::create_directories(folder);
    fs::permissions(folder, perms);
    return folder;
  }
  testsupport::ScratchDir scratch_;
  const std::string& dir_ = scratch_.Path();
};

TEST_F(SettingsLocationTest, BesideAWritableExecutableElseInTheUsersConfiguration) {
  const std::string open = Folder("open", fs::perms::owner_all);
  EXPECT_EQ(SettingsFolderFor(open + "/quillet", "/xdg", "/home/u"), open + "/");

  // No write bit at all: not writable, for root too.
  const std::string system = Folder("system", fs::perms::owner_read | fs::perms::owner_exec |
                                                  fs::perms::others_read | fs::perms::others_exec);
  EXPECT_EQ(SettingsFolderFor(system + "/quillet", "/xdg", "/home/u"), "/xdg/quillet/");
  EXPECT_EQ(SettingsFolderFor(system + "/quillet", nullptr, "/home/u"), "/home/u/.config/quillet/");
  // A relative XDG_CONFIG_HOME is ignored, as the base directory rules say.
  EXPECT_EQ(SettingsFolderFor(system + "/quillet", "rel", "/home/u"), "/home/u/.config/quillet/");
  EXPECT_EQ(SettingsFolderFor(system + "/quillet", "", "/home/u"), "/home/u/.config/quillet/");
  EXPECT_EQ(SettingsFolderFor(dir_ + "/missing/quillet", "/xdg", nullptr), "/xdg/quillet/");
  fs::permissions(system, fs::perms::owner_all);
}

TEST_F(SettingsLocationTest, TheFirstWriteFindsItsFolder) {
  const std::string file = dir_ + "/config/quillet/quillet.ini";
  PrepareSettingsFolder(file);
  struct stat info {};
  ASSERT_EQ(stat((dir_ + "/config/quillet").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  // An existing folder keeps its permissions.
  const std::string shared = Folder("shared", fs::perms::owner_all | fs::perms::group_read |
                                                  fs::perms::group_exec);
  PrepareSettingsFolder(shared + "/quillet.ini");
  ASSERT_EQ(stat(shared.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0750u);
}

TEST(SettingsPath, IsTheProgramsNameWithIni) {
  const std::string path = SettingsFilePath();
  EXPECT_TRUE(path.ends_with("/settings_tests.ini")) << path;
  EXPECT_EQ(path.substr(0, path.rfind('/') + 1), SettingsFolder());
}

}  // namespace
}  // namespace quillet
