#include "platform/ini_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace platform::ini {
namespace {

std::string Find(std::string_view text, std::string_view section, std::string_view key) {
  return std::string(FindValue(text, section, key).value_or("<none>"));
}

TEST(IniText, NamesMatchInAsciiCaseOnlyAndTheFirstMatchWins) {
  const std::string text =
      "Top=0\r\n[editor\\caret]\r\nfreecaret=1\r\nFREECARET=2\r\n"
      "[\x83\x61]\nk=ya\n[\x83\x41]\nk=a\n[\x95\x5D]\nk=trail\n"  // ャ, ア, a ']' as second byte
      "[Editor\\Caret]\nOther=3\n";
  EXPECT_EQ(Find(text, "Editor\\Caret", "FreeCaret"), "1");
  EXPECT_EQ(Find(text, "EDITOR\\CARET", "Other"), "<none>");  // only the first section counts
  EXPECT_EQ(Find(text, "", "Top"), "<none>");                 // keys before any section
  EXPECT_EQ(Find(text, "\x83\x41", "K"), "a");                // ア: its 'A' is no letter
  EXPECT_EQ(Find(text, "\x83\x61", "K"), "ya");
  EXPECT_EQ(Find(text, "\x95\x5D", "k"), "trail");
}

TEST(IniText, BlanksQuotesCommentsAndLineEnds) {
  const std::string text =
      " \t[ S ] tail\r;k=comment\rplain line\r\n a \t= \t\"  x \" \t\nb='y'\nc=\"z'\nd=\"\ne=\r"
      "f=  \n  [T\ng=1";
  EXPECT_EQ(Find(text, "S", "a"), "  x ");
  EXPECT_EQ(Find(text, "S", "b"), "y");
  EXPECT_EQ(Find(text, "S", "c"), "\"z'");
  EXPECT_EQ(Find(text, "S", "d"), "\"");
  EXPECT_EQ(Find(text, "S", "e"), "");
  EXPECT_EQ(Find(text, "S", "f"), "");
  EXPECT_EQ(Find(text, "S", ";k"), "<none>");
  EXPECT_EQ(Find(text, "S", "plain line"), "<none>");
  EXPECT_EQ(Find(text, "T", "g"), "1");  // no ']', no final line break
}

TEST(IniText, ValuesAreCutAtTheLongestStringWithoutSplittingACharacter) {
  const std::string longest(kMaxValueSize, 'v');
  EXPECT_EQ(Find("[S]\nk=" + longest + "\n", "S", "k"), longest);
  EXPECT_EQ(Find("[S]\nk=" + longest + "w\n", "S", "k"), longest);
  const std::string kanji = std::string(kMaxValueSize - 1, 'v') + "\x8A\xBF";
  EXPECT_EQ(Find("[S]\nk=\"" + kanji + "\"", "S", "k"), kanji.substr(0, kMaxValueSize - 1));
}

// A file edited by hand: every byte but the value written stays.
TEST(IniText, WritesChangeOnlyTheirValue) {
  const std::string text =
      "; settings\r\n\r\n[Editor]\r\n  Color = 5  \r\n;last\r\n\r\n[Bar]\rToolbar=\"1\"\r\rEnd=x";
  auto with = [&text](std::string_view from, std::string_view to) {
    return std::string(text).replace(text.find(from), from.size(), to);
  };
  EXPECT_EQ(SetValue(text, "EDITOR", "color", "12"), with("= 5 ", "= 12 "));
  EXPECT_EQ(SetValue(text, "Editor", "WordWrap", "2"), with("5  \r\n", "5  \r\nWordWrap=2\r\n"));
  EXPECT_EQ(SetValue(text, "Bar", "Toolbar", "0"), with("\"1\"", "0"));
  EXPECT_EQ(SetValue(text, "bar", "Status", "1"), text + "\r\nStatus=1");
  EXPECT_EQ(SetValue(text, "Window", "Left", "-3"), text + "\r\n[Window]\r\nLeft=-3\r\n");
  EXPECT_EQ(SetValue("[A]\n", "A", "k", "v"), "[A]\nk=v\n");
  EXPECT_EQ(SetValue("x\ny\r\n", "B", "k", "v"), "x\ny\r\n[B]\nk=v\n");
  EXPECT_EQ(SetValue("", "Editor\\Caret", "InTab", "0"), "[Editor\\Caret]\r\nInTab=0\r\n");
}

TEST(IniText, AnyValueWithoutLineBreaksReadsBackAsWritten) {
  for (std::string value : {"", " lead", "trail\t", "\"q\"", "'q'", "\"", "a=b;c", "\x8A\xBF"}) {
    const auto text = SetValue("[S]\nk=old\n", "S", "k", value);
    ASSERT_TRUE(text) << value;
    EXPECT_EQ(Find(*text, "S", "k"), value);
  }
  EXPECT_EQ(SetValue("[S]\nk=old\n", "S", "k", " x"), "[S]\nk=\" x\"\n");
}

TEST(IniText, NamesAndValuesThatCannotBeReadBackAreRefused) {
  const std::pair<std::string, std::string> badNames[] = {
      {"a]b", "k"}, {" S", "k"}, {"S\x81", "k"}, {"S\n", "k"}, {"S", "a=b"},
      {"S", "k "},  {"S", "[k"}, {"S", ";k"},    {"S", "k\r"},
  };
  for (const auto& [section, key] : badNames) {
    EXPECT_FALSE(SetValue("[S]\n", section, key, "v")) << section << "/" << key;
  }
  EXPECT_FALSE(SetValue("[S]\n", "S", "k", "two\nlines"));
}

}  // namespace
}  // namespace platform::ini
