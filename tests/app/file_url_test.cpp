#include "app/file_url.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/program_files.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

TEST(LocalPathFromUrl, DecodesLocalFileUrlsToBytes) {
  EXPECT_EQ(LocalPathFromUrl("file:///home/me/Mail%20Box/1.eml"), "/home/me/Mail Box/1.eml");
  EXPECT_EQ(LocalPathFromUrl("file://localhost/a%25b"), "/a%b");
  EXPECT_EQ(LocalPathFromUrl("file://LocalHost/x"), "/x");
  // UTF-8 escapes become the name's bytes, upper or lower case hex alike.
  EXPECT_EQ(LocalPathFromUrl("file:///%E3%83%A1%e3%83%bc%e3%83%ab.eml"), "/メール.eml");
  // Bytes that were never escaped stay, spaces included.
  EXPECT_EQ(LocalPathFromUrl("file:///a b/#1?.eml"), "/a b/#1?.eml");
}

TEST(LocalPathFromUrl, LeavesEverythingElseAsGiven) {
  for (const char* text :
       {"/home/me/1.eml", "D:\\Mail Box\\1.eml", "file:/a%20b", "FILE:///a%20b",
        "file://server/a%20b", "file://localhost", "http://x/a%20b", " file:///a%20b", ""}) {
    EXPECT_EQ(LocalPathFromUrl(text), text);
  }
  // A malformed or NUL escape keeps its bytes; the escapes around it are decoded.
  EXPECT_EQ(LocalPathFromUrl("file:///%41%4%zz%00%"), "/A%4%zz%00%");
}

TEST(MessagePathFromArguments, JoinsThenDecodes) {
  EXPECT_EQ(MessagePathFromArguments({"quillet", "file:///Mail", "Box/a%2520b.eml"}),
            "/Mail Box/a%20b.eml");
  EXPECT_EQ(MessagePathFromArguments({"quillet", "x", "file:///y"}), "x file:///y");
  EXPECT_EQ(MessagePathFromArguments({"quillet"}), "");
}

TEST(FindProgramFile, BesideTheExecutableThenInTheDataFolder) {
  testsupport::ScratchDir dir;
  std::filesystem::create_directories(dir.Path() + "/bin");
  std::filesystem::create_directories(dir.Path() + "/share/quillet");
  const std::string exe = dir.Path() + "/bin/quillet";
  // Neither: the name beside the executable, as the program documents it.
  EXPECT_EQ(FindProgramFile(exe, "quillet.hlp"), dir.Path() + "/bin/quillet.hlp");
  const std::string data = dir.Write("share/quillet/quillet.hlp", "# a\n");
  EXPECT_EQ(FindProgramFile(exe, "quillet.hlp"), dir.Path() + "/bin/../share/quillet/quillet.hlp");
  const std::string beside = dir.Write("bin/quillet.hlp", "# b\n");
  EXPECT_EQ(FindProgramFile(exe, "quillet.hlp"), beside);
  // A folder of that name is no file.
  std::filesystem::create_directories(dir.Path() + "/share/quillet/Quote.kwd");
  EXPECT_EQ(FindProgramFile(exe, "Quote.kwd"), dir.Path() + "/bin/Quote.kwd");
}

}  // namespace
}  // namespace quillet
