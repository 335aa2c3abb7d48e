#include "platform/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
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

// In a child process that an alarm ends: a read that blocks or never ends fails the test
// instead of hanging it or exhausting the machine.
TEST(PathsDeathTest, OnlyRegularFilesAreReadAndNothingBlocks) {
  testsupport::ScratchDir dir;
  std::string fifo = dir.Path() + "/fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (std::string path :
       {fifo, std::string("/dev/zero"), std::string("/dev/urandom"), dir.Path()}) {
    EXPECT_EXIT(
        {
          alarm(10);
          auto file = [](const std::string& p) { ReadFileBytes(p); };
          auto text = [](const std::string& p) { ReadTextBytes(p); };
          for (void (*read)(const std::string&) : {+file, +text}) {
            try {
              read(path);
            } catch (const EFOpenError& e) {
              if (e.what() == "ファイル " + path + " は開けません") continue;
            }
            _exit(1);
          }
          _exit(0);
        },
        ::testing::ExitedWithCode(0), "")
        << path;
  }
}

TEST(Paths, TextEndsAtItsFirstNulAndSizeIsBounded) {
  testsupport::ScratchDir dir;
  // Sparse files, NUL but for their first bytes: nothing past the NUL is read or reserved.
  std::string path = dir.Write("sparse", "ab");
  ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(kMaxFileSize)), 0);
  EXPECT_EQ(ReadTextBytes(path), "ab");
  // 2 GiB and more cannot be counted by the text model.
  ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(kMaxFileSize) + 1), 0);
  EXPECT_THROW(ReadTextBytes(path), EFOpenError);
  EXPECT_THROW(ReadFileBytes(path), EFOpenError);
}

// Large files are read in parts by two threads: every byte lands in its place, and the first NUL
// ends a text whichever part it is in.
TEST(Paths, LargeFilesReadWholeAndTextsEndAtTheirFirstNul) {
  testsupport::ScratchDir dir;
  std::string bytes(20u << 20, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + (i * 7 + i / 4093) % 26);
  std::string path = dir.Write("large", bytes);
  EXPECT_TRUE(ReadTextBytes(path) == bytes);
  for (size_t nul : {size_t{5} << 20, size_t{15} << 20, bytes.size() - 1}) {
    std::string withNul = bytes;
    withNul[nul] = '\0';
    withNul[nul + 1 < withNul.size() ? nul + 1 : nul] = '\0';
    path = dir.Write("large", withNul);
    EXPECT_TRUE(ReadTextBytes(path) == std::string_view(bytes).substr(0, nul)) << nul;
    EXPECT_TRUE(ReadFileBytes(path) == withNul) << nul;
  }
}

// Whether a text is already in CR LF form is judged piece by piece while it is read; a lone
// break at any seam between pieces (the first buffer, the reading steps, the two threads' parts)
// must still count, and what follows a NUL must not.
TEST(Paths, CrLfFormIsJudgedAcrossEverySeam) {
  auto crLfForm = [](std::string_view text) {
    text = text.substr(0, std::min(text.size(), text.find('\0')));
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
      if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    }
    return text.empty() || text.back() == '\n';
  };
  testsupport::ScratchDir dir;
  std::string base;
  for (size_t line = 0; base.size() < (9u << 20) + 12345; ++line) base += std::string(line % 97, 'q') + "\r\n";
  const size_t piece = 65536, seam = piece + (base.size() - piece) / 2, step = 4u << 20;
  struct Edit {
    size_t back;  // bytes before the seam that the edit starts
    std::string bytes;
  };
  const Edit edits[] = {{1, "\r\n"}, {0, "\n"}, {0, "\r"}, {1, "\r"}, {0, "x"}, {1, std::string("\r\0", 2)}};
  for (size_t at : {size_t{0}, piece, piece + step, seam, seam + step, base.size() - 1}) {
    for (const Edit& edit : edits) {
      std::string text = base;
      text.replace(at >= edit.back ? at - edit.back : at, edit.bytes.size(), edit.bytes);
      text.resize(base.size());
      EXPECT_EQ(ReadTextLines(dir.Write("seam", text)).crLfLines, crLfForm(text)) << at << " " << edit.back;
    }
  }
  for (std::string_view small : {"", "a", "a\r\n", "a\r", "\na\r\n", "a\r\nb\r\r\n"}) {
    EXPECT_EQ(ReadTextLines(dir.Write("small", std::string(small))).crLfLines, crLfForm(small)) << small;
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
