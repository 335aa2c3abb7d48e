#include "textstore/split_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace textstore {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, EachBreakEndsOneLineAndAFinalBreakAddsNone) {
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("\r\n"), Lines{""});
  EXPECT_EQ(SplitLines("a"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\n"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("a\rb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitLines("\n\n"), (Lines{"", ""}));
  // LF CR is two breaks, CR CR too.
  EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\r\rb\r\n"), (Lines{"a", "", "b"}));
}

TEST(SplitLines, LinesEndedByCrAloneGoBeyondTheLfCount) {
  EXPECT_EQ(SplitLines("a\rb\nc\rd\re"), (Lines{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(SplitLines("\r\r\r"), (Lines{"", "", ""}));
  EXPECT_EQ(LfLineCount("a\r\nb"), 2u);
  EXPECT_EQ(LfLineCount("a\r\n\n"), 2u);
  EXPECT_EQ(LfLineCount("a\rb\nc\rd\re"), 2u);
}

TEST(SplitLines, KeepsEveryOtherByte) {
  using namespace std::string_literals;
  EXPECT_EQ(SplitLines("a\0b\r\n\x83\x0D"s), (Lines{"a\0b"s, "\x83"}));
}

}  // namespace
}  // namespace textstore
