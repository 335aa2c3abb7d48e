#include "platform/shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/cp932.h"
#include "tests/support/scratch_dir.h"

namespace platform {
namespace {

using Args = std::vector<std::string>;

// A scratch folder with a fake xdg-open first on PATH; the fake writes its arguments, one per
// line, to a log file in that folder.
class ShellOpenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    log_ = dir_ + "/log";
    WriteScript(dir_ + "/xdg-open",
                "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + log_ +
                    ".part\"\nmv \"" + log_ + ".part\" \"" + log_ + "\"\n");
    oldPath_ = getenv("PATH");
    setenv("PATH", (dir_ + ":" + oldPath_).c_str(), 1);
  }
  void TearDown() override { setenv("PATH", oldPath_.c_str(), 1); }
  static void WriteScript(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
    chmod(path.c_str(), 0755);
  }
  // The recorded argument lines, once the detached program has written them.
  std::string WaitForLog() const {
    for (int i = 0; i < 500; ++i) {
      std::ifstream in(log_);
      if (in) {
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(nothing started)";
  }

  testsupport::ScratchDir scratch_;
  const std::string& dir_ = scratch_.Path();
  std::string log_, oldPath_;
};

TEST_F(ShellOpenTest, UrlsAndMailtoGoThroughXdgOpenAsUtf8WithoutEscaping) {
  std::string mailto = cp932::FromUtf8("mailto:a <x@y>?Subject=Re:件名 です&References=m0%20m1");
  EXPECT_EQ(ShellCommandFor(mailto),
            (Args{"xdg-open", "mailto:a <x@y>?Subject=Re:件名 です&References=m0%20m1"}));
  EXPECT_TRUE(ShellOpen(mailto));
  EXPECT_EQ(WaitForLog(), "mailto:a <x@y>?Subject=Re:件名 です&References=m0%20m1\n");
}

TEST_F(ShellOpenTest, BareWwwAddressesReachTheBrowser) {
  EXPECT_EQ(ShellCommandFor("www.example.jp/a?b=c"),
            (Args{"xdg-open", "http://www.example.jp/a?b=c"}));
  EXPECT_EQ(ShellCommandFor("WWW.example.jp"), (Args{"xdg-open", "http://WWW.example.jp"}));
  EXPECT_EQ(ShellCommandFor("http://www.example.jp"), (Args{"xdg-open", "http://www.example.jp"}));
}

TEST_F(ShellOpenTest, ProgramsStartDirectlyAndDocumentsKeepTheirPathBytes) {
  std::string program = dir_ + "/Quillcfg.exe";
  WriteScript(program, "#!/bin/sh\necho \"$#\" > \"" + log_ + ".part\"\nmv \"" + log_ +
                           ".part\" \"" + log_ + "\"\n");
  EXPECT_EQ(ShellCommandFor(program), (Args{program}));
  EXPECT_TRUE(ShellOpen(program));
  EXPECT_EQ(WaitForLog(), "0\n");  // started with no arguments

  std::string document = dir_ + "/\xE3\x83\xA1 doc.hlp";  // UTF-8 name, kept as bytes
  scratch_.Write("\xE3\x83\xA1 doc.hlp", "help");
  EXPECT_EQ(ShellCommandFor(document), (Args{"xdg-open", document}));
}

TEST_F(ShellOpenTest, LeavesNoChildToReap) {
  ASSERT_TRUE(ShellOpen("https://example.org/"));
  WaitForLog();
  // The intermediate child was reaped by ShellOpen; the program itself is not our child.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  EXPECT_FALSE(ShellOpen(""));
}

}  // namespace
}  // namespace platform
