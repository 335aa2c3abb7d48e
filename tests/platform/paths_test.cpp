#include "platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/errors.h"
#include "platform/osversion.h"
#include "tests/support/scratch_dir.h"

namespace platform {
namespace {

TEST(Paths, ExtensionReplacement) {
  EXPECT_EQ(ChangeFileExt("/opt/q/quillet", ".ini"), "/opt/q/quillet.ini");
  EXPECT_EQ(ChangeFileExt("/opt/q/quillet.exe", ".hlp"), "/opt/q/quillet.hlp");
  EXPECT_EQ(ChangeFileExt("/opt/q.d/quillet", ".ini"), "/opt/q.d/quillet.ini");
  EXPECT_EQ(ChangeFileExt("a.tar.gz", ".x"), "a.tar.x");
  EXPECT_EQ(ExtractFilePath("/opt/q/quillet"), "/opt/q/");
  EXPECT_EQ(ExtractFilePath("quillet"), "");
  EXPECT_EQ(ExtractFileName("/opt/q/none"), "none");
}

TEST(Paths, ExePathIsThisTestProgram) {
  std::string exe = ExePath();
  EXPECT_EQ(ExtractFileName(exe), "platform_tests");
  EXPECT_TRUE(FileExists(exe));
  EXPECT_FALSE(FileExists(ExtractFilePath(exe)));  // a folder is no file
  EXPECT_FALSE(FileExists(exe + ".missing"));
}

TEST(Paths, ReadsBytesExactlyAndReportsUnopenableFiles) {
  testsupport::ScratchDir dir;
  std::string bytes("a\0b\r\xFF", 5);
  std::string name = dir.Write("\x8E\xF3\x90\x4D.eml", bytes);  // CP932 bytes in the name
  EXPECT_EQ(ReadFileBytes(name), bytes);
  unlink(name.c_str());
  try {
    ReadFileBytes(name);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + dir.Path() + "/受信.eml は開けません");
  }
  EXPECT_THROW(ReadFileBytes(dir.Path()), EFOpenError);  // a folder cannot be read as a message
}

// Both readers on `path` in a child process that an alarm ends, so that a read that blocks or
// never ends fails the test instead of hanging or exhausting the machine.
void ExpectRefusedPromptly(const std::string& path) {
  EXPECT_EXIT(
      {
        alarm(10);
        for (auto read : {ReadFileBytes, ReadTextBytes}) {
          try {
            read(path);
            _exit(1);
          } catch (const EFOpenError& e) {
            if (std::string(e.what()) != "ファイル " + path + " は開けません") _exit(2);
          }
        }
        _exit(0);
      },
      ::testing::ExitedWithCode(0), "")
      << path;
}

TEST(PathsDeathTest, OnlyRegularFilesAreReadAndNothingBlocks) {
  testsupport::ScratchDir dir;
  std::string fifo = dir.Path() + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/urandom"),
                                   std::string("/dev/null"), dir.Path()}) {
    ExpectRefusedPromptly(path);
  }
  // A link to a regular file is read like the file.
  std::string target = dir.Write("m.eml", "text");
  std::string link = dir.Path() + "/link";
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  EXPECT_EQ(ReadTextBytes(link), "text");
}

// Sparse files: large on paper, without the disk space or the time to write them.
std::string SparseFile(const testsupport::ScratchDir& dir, const std::string& name,
                       const std::string& head, off_t size) {
  std::string path = dir.Write(name, head);
  EXPECT_EQ(truncate(path.c_str(), size), 0);
  return path;
}

TEST(Paths, TextEndsAtItsFirstNulAndSizeIsBounded) {
  testsupport::ScratchDir dir;
  const auto limit = static_cast<off_t>(kMaxFileSize);
  // Just below the limit and NUL from the first byte: nothing is read or reserved.
  std::string empty = SparseFile(dir, "empty", "", limit);
  std::string text = ReadTextBytes(empty);
  EXPECT_EQ(text, "");
  EXPECT_LT(text.capacity(), 1u << 20);
  text = ReadTextBytes(SparseFile(dir, "ab", "ab", limit));
  EXPECT_EQ(text, "ab");
  EXPECT_LT(text.capacity(), 1u << 20);
  // NUL after the first piece read.
  std::string late(100000, 'x');
  late[70000] = '\0';
  EXPECT_EQ(ReadTextBytes(dir.Write("late", late)), late.substr(0, 70000));
  EXPECT_EQ(ReadFileBytes(dir.Path() + "/late"), late);
  // 2 GiB and more cannot be counted by the text model: refused, whatever the first byte.
  for (const char* head : {"", "a"}) {
    std::string big = SparseFile(dir, "big", head, limit + 1);
    EXPECT_THROW(ReadTextBytes(big), EFOpenError);
    EXPECT_THROW(ReadFileBytes(big), EFOpenError);
  }
}

TEST(OsVersion, ParsesKernelReleases) {
  OsVersion v = ParseKernelRelease("6.1.0-18-amd64");
  EXPECT_EQ(v.major, 6);
  EXPECT_EQ(v.minor, 1);
  v = ParseKernelRelease("10.12");
  EXPECT_EQ(v.major, 10);
  EXPECT_EQ(v.minor, 12);
  v = ParseKernelRelease("weird");
  EXPECT_EQ(v.major, 0);
  EXPECT_EQ(v.minor, 0);
  EXPECT_GT(PlatformVersion().major, 0);
}

}  // namespace
}  // namespace platform
