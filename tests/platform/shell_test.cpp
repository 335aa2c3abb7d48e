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
  void TearDown() override {
    setenv("PATH", oldPath_.c_str(), 1);
    if (!oldDir_.empty()) {
      EXPECT_EQ(chdir(oldDir_.c_str()), 0);
    }
  }
  // The scratch folder becomes the working folder until the test ends.
  void EnterScratchFolder() {
    char dir[4096];
    ASSERT_NE(getcwd(dir, sizeof dir), nullptr);
    oldDir_ = dir;
    ASSERT_EQ(chdir(dir_.c_str()), 0);
  }
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
  std::string log_, oldPath_, oldDir_;
};

TEST_F(ShellOpenTest, UrlsAndMailtoGoThroughXdgOpenAsUtf8WithoutEscaping) {
  std::string mailto = cp932::FromUtf8("mailto:a <x@y>?Subject=Re:件名 です&References=m0%20m1");
  EXPECT_EQ(UrlCommandFor(mailto),
            (Args{"xdg-open", "mailto:a <x@y>?Subject=Re:件名 です&References=m0%20m1"}));
  EXPECT_TRUE(ShellOpenUrl(mailto));
  EXPECT_EQ(WaitForLog(), "mailto:a <x@y>?Subject=Re:件名 です&References=m0%20m1\n");
}

TEST_F(ShellOpenTest, BareWwwAddressesReachTheBrowser) {
  EXPECT_EQ(UrlCommandFor("www.example.jp/a?b=c"),
            (Args{"xdg-open", "http://www.example.jp/a?b=c"}));
  EXPECT_EQ(UrlCommandFor("WWW.example.jp"), (Args{"xdg-open", "http://WWW.example.jp"}));
  EXPECT_EQ(UrlCommandFor("http://www.example.jp"), (Args{"xdg-open", "http://www.example.jp"}));
}

// A link in a message may name a program lying in the working folder: it is still only a URL.
TEST_F(ShellOpenTest, AUrlNamingAProgramInTheWorkingFolderIsNotStarted) {
  const std::string trap = "www.example.jp";
  WriteScript(dir_ + "/" + trap, "#!/bin/sh\necho started > \"" + log_ + "\"\n");
  WriteScript(dir_ + "/http:x", "#!/bin/sh\necho started > \"" + log_ + "\"\n");
  EnterScratchFolder();
  EXPECT_EQ(UrlCommandFor(trap), (Args{"xdg-open", "http://" + trap}));
  EXPECT_EQ(UrlCommandFor("http:x"), (Args{"xdg-open", "http:x"}));
  EXPECT_TRUE(ShellOpenUrl("http:x"));
  EXPECT_EQ(WaitForLog(), "http:x\n");
}

TEST_F(ShellOpenTest, NothingThatXdgOpenWouldTakeForAnOptionIsHandedToIt) {
  for (const char* url : {"--help", "--manual", "-x", "-", ""}) {
    SCOPED_TRACE(url);
    EXPECT_EQ(UrlCommandFor(url), Args{});
    EXPECT_FALSE(ShellOpenUrl(url));
  }
  EXPECT_EQ(UrlCommandFor("x-y"), (Args{"xdg-open", "x-y"}));
}

TEST_F(ShellOpenTest, ProgramsStartDirectlyWithoutArgumentsAndOnlyWhenExecutable) {
  std::string program = dir_ + "/Quillcfg.exe";
  WriteScript(program, "#!/bin/sh\necho \"$#\" > \"" + log_ + ".part\"\nmv \"" + log_ +
                           ".part\" \"" + log_ + "\"\n");
  EXPECT_EQ(ProgramCommandFor(program), (Args{program}));
  EXPECT_EQ(ProgramCommandFor("Quillcfg.exe"), Args{});  // not in the working folder
  EXPECT_TRUE(StartProgram(program));
  EXPECT_EQ(WaitForLog(), "0\n");  // started with no arguments

  const std::string document = scratch_.Write("Quillcfg.txt", "not a program");
  for (const std::string& path : {document, dir_, dir_ + "/missing", std::string()}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(ProgramCommandFor(path), Args{});
    EXPECT_FALSE(StartProgram(path));
  }
}

TEST_F(ShellOpenTest, ARelativeProgramNameIsNeverSearchedOnPath) {
  EnterScratchFolder();
  // The fake xdg-open is first on PATH, but the name means the file in the working folder.
  EXPECT_EQ(ProgramCommandFor("xdg-open"), (Args{"./xdg-open"}));
}

TEST_F(ShellOpenTest, LeavesNoChildToReap) {
  ASSERT_TRUE(ShellOpenUrl("https://example.org/"));
  WaitForLog();
  // The intermediate child was reaped by ShellOpenUrl; the program itself is not our child.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace platform
