#include "textstore/column_map.h"

#include <gtest/gtest.h>

#include <string>

#include "textstore/dbcs_string.h"

namespace textstore {
namespace {

const std::string kSo = "\x83\x5C";  // ソ, whose trail byte is '\\'

ColumnRules Rules(int tabWidth, bool wordWrap = false, int wrapWidth = 80) {
  ColumnRules rules;
  rules.TabWidth = tabWidth;
  rules.WordWrap = wordWrap;
  rules.WrapWidth = wrapWidth;
  return rules;
}

TEST(ColumnMap, ClassesOfCharacters) {
  // word, delimiter, double-byte, underscore, half-width kana, half-width full stop, 0x80
  EXPECT_EQ(ColumnMap("a \x82\xA0_\xB1\xA1\x80", Rules(8)), "12451122");
  // A trail byte that looks like a delimiter belongs to its character.
  EXPECT_EQ(ColumnMap(kSo + "a", Rules(8)), "451");
  EXPECT_EQ(ColumnMap("ab\x82", Rules(8)), "1145");  // lone lead byte at the end
  ColumnRules noSpace = Rules(8);
  noSpace.Delimiters.reset(' ');
  EXPECT_EQ(ColumnMap("a b", noSpace), "111");
}

TEST(ColumnMap, TabFillsToTheNextStopAndStopsAtTheWrapWidth) {
  const std::string before(21, 'x');
  EXPECT_EQ(ColumnMap(before + "\t", Rules(8)), std::string(21, '1') + "233");
  EXPECT_EQ(ColumnMap(before + "\t", Rules(8, true, 23)), std::string(21, '1') + "23");
  // The wrap cut only applies with word wrap on.
  EXPECT_EQ(ColumnMap(before + "\t", Rules(8, false, 23)), std::string(21, '1') + "233");
  EXPECT_EQ(ColumnMap("\t\x82\xA0\t", Rules(4)), "23334523");
  // A tab on the last column before a stop takes just its own column.
  EXPECT_EQ(ColumnMap("abc\td", Rules(4)), "11121");
}

TEST(ColumnMap, StopsAfterTheCharacterThatReachesTheLimit) {
  const std::string longRow(1200, 'a');
  EXPECT_EQ(ColumnMap(longRow, Rules(8)).size(), 1000u);
  EXPECT_EQ(ColumnMap(longRow, Rules(8, true, 20)).size(), 23u);
  // A double-byte character or a tab on the limit overshoots it.
  const ColumnRules wrapAt20 = Rules(8, true, 20);
  EXPECT_EQ(ColumnMap(std::string(22, 'a') + kSo + "bbb", wrapAt20).size(), 24u);
  EXPECT_EQ(ColumnMap(std::string(22, 'a') + "\tbbb", wrapAt20).size(), 24u);
}

TEST(ColumnMap, ExtendingTheMapOfAPrefixGivesTheMapOfTheWhole) {
  const ColumnRules wrapAt20 = Rules(8, true, 20);
  const std::string text = "ab\t" + kSo + "c d\t\t" + std::string(30, 'e') + "\x82";
  for (size_t from = 0; from <= text.size(); ++from) {
    std::string map = ColumnMap(text.substr(0, from), wrapAt20);
    if (map.size() >= 23 || (from > 0 && from < text.size() && IsTrailByteAt(text, from + 1))) {
      continue;  // the prefix already fills the map, or ends inside a character
    }
    size_t mapped = ExtendColumnMap(map, text, from, wrapAt20);
    EXPECT_EQ(map, ColumnMap(text, wrapAt20)) << from;
    EXPECT_EQ(mapped, 13u) << from;  // up to the third 'e', on column 23
  }
  std::string map;
  EXPECT_EQ(ExtendColumnMap(map, "ab\x82", 0, wrapAt20), 3u);  // a lone lead byte: 3, not 4
  EXPECT_EQ(map, "1145");
}

TEST(ColumnMap, ColumnWidthAgreesWithTheMapAndHasNoLimit) {
  EXPECT_EQ(ColumnWidth("a\tb", Rules(4)), 5);
  EXPECT_EQ(ColumnWidth("", Rules(4)), 0);
  ColumnRules wrap = Rules(8, true, 23);
  for (std::string s : {std::string(21, 'x') + "\tb", std::string("\x82\xA0\tq\x83\x41\t"),
                        std::string("abc\x82"), std::string("\t\t\t")}) {
    EXPECT_EQ(ColumnWidth(s, wrap), static_cast<std::ptrdiff_t>(ColumnMap(s, wrap).size())) << s;
    EXPECT_EQ(ColumnWidth(s, Rules(4)), static_cast<std::ptrdiff_t>(ColumnMap(s, Rules(4)).size()))
        << s;
  }
  EXPECT_EQ(ColumnWidth(std::string(1500, 'a') + "\t", Rules(8)), 1504);
}

TEST(ColumnMap, LeadingWidthCountsBlanksOnly) {
  EXPECT_EQ(LeadingWidth("", Rules(8)), -1);
  EXPECT_EQ(LeadingWidth("x ", Rules(8)), 0);
  EXPECT_EQ(LeadingWidth(" \x81\x40\tx", Rules(8)), 8);
  EXPECT_EQ(LeadingWidth("   ", Rules(8)), 3);
  EXPECT_EQ(LeadingWidth("\x81\x41 ", Rules(8)), 0);  // a double-byte character, not the space
  EXPECT_EQ(LeadingWidth("\x81", Rules(8)), 0);
  // 21 spaces and a tab: to 24 with tab stops of 8, to 23 when wrapping at 23.
  EXPECT_EQ(LeadingWidth(std::string(21, ' ') + "\tx", Rules(8)), 24);
  EXPECT_EQ(LeadingWidth(std::string(21, ' ') + "\tx", Rules(8, true, 23)), 23);
}

}  // namespace
}  // namespace textstore
