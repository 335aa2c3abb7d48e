#include "app/program_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/decoration.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

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

// The keyword files installed with the program hold exactly the built-in lists, so that an
// installed program decorates as one without them.
TEST(DefaultKeywordFiles, HoldTheBuiltInLists) {
  TDecorationList builtIn, installed;
  const std::string none = "/nonexistent/";
  builtIn.LoadQuoteMarkers(none + "Quote.kwd");
  builtIn.LoadHeaderNames(none + "Header.kwd");
  installed.LoadQuoteMarkers(QUILLET_RESOURCES "/Quote.kwd");
  installed.LoadHeaderNames(QUILLET_RESOURCES "/Header.kwd");
  EXPECT_EQ(installed.QuoteMarkerCount(), builtIn.QuoteMarkerCount());
  ASSERT_EQ(installed.Entries().size(), builtIn.Entries().size());
  for (size_t i = 0; i < builtIn.Entries().size(); ++i) {
    EXPECT_EQ(installed.Entries()[i].Text, builtIn.Entries()[i].Text) << i;
    EXPECT_EQ(installed.Entries()[i].Kind, builtIn.Entries()[i].Kind) << i;
  }
}

}  // namespace
}  // namespace quillet
