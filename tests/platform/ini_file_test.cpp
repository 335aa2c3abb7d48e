#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/ini_text.h"
#include "platform/paths.h"
#include "tests/support/scratch_dir.h"

namespace platform {
namespace {

mode_t Mode(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

std::vector<std::string> Entries(const testsupport::ScratchDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void ExpectRefused(TIniFile& ini, std::string_view key) {
  try {
    ini.WriteString("S", key, "new");
    ADD_FAILURE() << "written: " << key;
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.what(), ini.FileName() + " に書き込めません");
  }
}

// Runs `work` in a child process that exits with 0 when it returns and 1 when it throws; an
// alarm ends a child that runs away.
template <class Work>
pid_t InChild(Work work) {
  const pid_t child = fork();
  if (child == 0) {
    alarm(60);
    try {
      work();
    } catch (...) {
      _exit(1);
    }
    _exit(0);
  }
  return child;
}

// The child's exit code, or the number of the signal that ended it.
int Wait(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status);
}

TEST(IniFile, MissingFileReadsDefaultsAndTheFirstWriteMakesIt) {
  testsupport::ScratchDir dir;
  TIniFile ini(dir.Path() + "/q.ini");
  EXPECT_EQ(ini.ReadString("Editor\\Font", "Name", "x"), "x");
  EXPECT_EQ(ini.ReadInteger("Editor", "Color", -5), -5);
  EXPECT_TRUE(ini.ReadBool("Bar", "Toolbar", true));
  ini.WriteBool("Bar", "Toolbar", false);
  ini.WriteInteger("Editor", "Color", static_cast<std::int32_t>(0x80000005));
  ini.WriteBool("Bar", "StatusBar", true);
  EXPECT_EQ(ReadFileBytes(ini.FileName()),
            "[Bar]\r\nToolbar=0\r\nStatusBar=1\r\n[Editor]\r\nColor=-2147483643\r\n");
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(Mode(ini.FileName()), 0666 & ~mask);
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"q.ini"});
}

// The integer syntax itself is StrToInt's; here what the file adds to it.
TEST(IniFile, IntegersWrapFromHexadecimalAndAnythingElseGivesTheDefault) {
  testsupport::ScratchDir dir;
  TIniFile ini(
      dir.Write("q.ini", "[N]\nhex=0x80000005\nbig=2147483648\njunk=12a\nempty=\nq=\"7\"\n"));
  const std::pair<const char*, std::int32_t> cases[] = {
      {"hex", -2147483643}, {"q", 7}, {"big", 9}, {"junk", 9}, {"empty", 9}, {"none", 9},
  };
  for (const auto& [key, value] : cases) EXPECT_EQ(ini.ReadInteger("N", key, 9), value) << key;
  EXPECT_TRUE(ini.ReadBool("N", "q", false));
  EXPECT_TRUE(ini.ReadBool("N", "junk", true));
  // Nothing is cached: each read sees the file as it is now.
  dir.Write("q.ini", "[N]\nq=0\n");
  EXPECT_FALSE(ini.ReadBool("N", "q", true));
}

TEST(IniFile, RefusedWritesChangeNothing) {
  testsupport::ScratchDir dir;
  const std::string before = "[S]\r\nk=1";
  TIniFile ini(dir.Write("q.ini", before));
  ExpectRefused(ini, "a=b");            // a key that could not be read back
  chmod(ini.FileName().c_str(), 0444);  // no write bit: refused even for root
  ExpectRefused(ini, "k");
  EXPECT_EQ(ReadFileBytes(ini.FileName()), before);
  EXPECT_EQ(Mode(ini.FileName()), 0444);
  TIniFile missing(dir.Path() + "/new.ini");
  ExpectRefused(missing, "[k");
  TIniFile folder(dir.Path());
  ExpectRefused(folder, "k");
  EXPECT_EQ(folder.ReadString("S", "k", "d"), "d");
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"q.ini"});
}

// Root reads and writes whatever the permission bits say (the CI runs as root), so these
// refusals can only be seen by other users.
// Several values as one version of the file; a batch that stores nothing new is no write.
TEST(IniFile, BatchesWriteEveryValueAtOnceOrNothing) {
  testsupport::ScratchDir dir;
  const std::string before = "; mine\n[S]\nk = 1 ; kept\n\n[T]\nx=\"a\"\n";
  TIniFile ini(dir.Write("q.ini", before));
  const std::vector<TIniValue> refused = {{"S", "k", "2"}, {"S", "a=b", "3"}};
  EXPECT_THROW(ini.WriteStrings(refused), EIniFileException);
  EXPECT_EQ(ReadFileBytes(ini.FileName()), before);

  struct stat old {};
  stat(ini.FileName().c_str(), &old);
  const std::vector<TIniValue> same = {{"s", "K", "1 ; kept"}};
  ini.WriteStrings(same);
  struct stat now {};
  stat(ini.FileName().c_str(), &now);
  EXPECT_EQ(now.st_ino, old.st_ino);

  const std::vector<TIniValue> batch = {{"S", "k", "2"}, {"T", "y", "b"}, {"U", "z", ""}};
  ini.WriteStrings(batch);
  EXPECT_EQ(ReadFileBytes(ini.FileName()),
            "; mine\n[S]\nk = 2\n\n[T]\nx=\"a\"\ny=b\n[U]\nz=\n");
  TIniFile missing(dir.Path() + "/new.ini");
  missing.WriteStrings({});
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"q.ini"});
}

TEST(IniFile, UnreadableFilesAndReadOnlyFoldersAreRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root bypasses file permissions";
  testsupport::ScratchDir dir;
  TIniFile ini(dir.Write("q.ini", "[S]\nk=1\n"));
  chmod(ini.FileName().c_str(), 0200);
  EXPECT_EQ(ini.ReadString("S", "k", "absent"), "absent");
  ExpectRefused(ini, "k");
  chmod(ini.FileName().c_str(), 0644);
  chmod(dir.Path().c_str(), 0555);
  ExpectRefused(ini, "k");
  TIniFile missing(dir.Path() + "/new.ini");
  ExpectRefused(missing, "k");
  chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(ReadFileBytes(ini.FileName()), "[S]\nk=1\n");
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"q.ini"});
}

TEST(IniFile, WritesFollowLinksAndKeepModeBits) {
  testsupport::ScratchDir dir;
  const std::string target = dir.Write("real.ini", "[S]\nk=1\n");
  chmod(target.c_str(), 0640);
  const std::string link = dir.Path() + "/q.ini";
  ASSERT_EQ(symlink("real.ini", link.c_str()), 0);
  TIniFile(link).WriteString("S", "k", "2");
  EXPECT_EQ(ReadFileBytes(target), "[S]\nk=2\n");
  EXPECT_EQ(Mode(target), 0640);
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  // A link to nothing yet: its target is made.
  const std::string dangling = dir.Path() + "/d.ini";
  ASSERT_EQ(symlink("made.ini", dangling.c_str()), 0);
  TIniFile(dangling).WriteInteger("S", "k", 3);
  EXPECT_EQ(ReadFileBytes(dir.Path() + "/made.ini"), "[S]\r\nk=3\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(dangling));
}

// Writers of separate processes, each changing its own key from a missing file on: the lock
// keeps every write, so both last values are there.
TEST(IniFile, ConcurrentWritersLoseNoWrite) {
  testsupport::ScratchDir dir;
  const std::string path = dir.Path() + "/q.ini";
  constexpr int kWrites = 60;
  std::vector<pid_t> writers;
  for (const char* key : {"a", "b"}) {
    writers.push_back(InChild([&path, key] {
      for (int i = 1; i <= kWrites; ++i) TIniFile(path).WriteInteger("S", key, i);
    }));
  }
  for (pid_t writer : writers) EXPECT_EQ(Wait(writer), 0);
  EXPECT_EQ(TIniFile(path).ReadInteger("S", "a", 0), kWrites);
  EXPECT_EQ(TIniFile(path).ReadInteger("S", "b", 0), kWrites);
}

// A writer killed at any moment leaves the old file or a new one, whole; the temporary file it
// may leave is never read and goes with the next write.
TEST(IniFile, KilledWritersLeaveOneWholeVersion) {
  testsupport::ScratchDir dir;
  std::string base;
  for (int i = 0; i < 1000; ++i) base += "; a comment line long enough to spread the file\r\n";
  TIniFile ini(dir.Write("q.ini", base));
  auto value = [](int i) {
    return std::string(ini::kMaxValueSize, static_cast<char>('a' + i % 26));
  };
  std::vector<std::string> versions{base};
  for (int i = 0; i < 26; ++i) versions.push_back(*ini::SetValue(base, "S", "k", value(i)));
  std::mt19937 random(1);
  for (int round = 0; round < 20; ++round) {
    const pid_t writer = InChild([&] {
      for (int i = 0;; ++i) ini.WriteString("S", "k", value(i));
    });
    usleep(random() % 20000);
    kill(writer, SIGKILL);
    EXPECT_EQ(Wait(writer), SIGKILL);
    EXPECT_NE(std::find(versions.begin(), versions.end(), ReadFileBytes(ini.FileName())),
              versions.end())
        << "round " << round;
  }
  dir.Write("q.ini.tmp-AbC123", "[S]\r\nk=stale\r\n");
  ini.WriteString("S", "k", value(0));
  EXPECT_EQ(ini.ReadString("S", "k", ""), value(0));
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"q.ini"});
}

}  // namespace
}  // namespace platform
