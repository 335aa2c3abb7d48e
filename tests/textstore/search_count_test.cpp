// Counting matches: the count is what stepping SearchText forward from the start meets, with
// both ways of searching (bytes, and characters for width folding).
#include <gtest/gtest.h>

#include <string>

#include "platform/cp932.h"
#include "textstore/search.h"

namespace textstore {
namespace {

using platform::cp932::FromUtf8;

// The reference: forward searches, each from the end of the last match.
std::size_t Stepped(std::string_view text, std::string_view pattern, TSearchOptions options,
                    std::size_t limit = SIZE_MAX) {
  std::size_t count = 0;
  TSearchPosition position;
  while (SearchText(text, position, pattern, options | soForward, DefaultWordDelimiters()) &&
         static_cast<std::size_t>(position.Start) < limit) {
    ++count;
  }
  return count;
}

std::size_t Count(std::string_view text, std::string_view pattern, TSearchOptions options,
                  std::size_t limit = SIZE_MAX) {
  return CountMatches(text, pattern, options, DefaultWordDelimiters(), limit);
}

TEST(CountMatches, AgreesWithSteppedSearchesForEveryWay) {
  const std::string text = FromUtf8("aaaa Apple apple ＡＰＰＬＥ ｱｯﾌﾟﾙ アップル\r\nAPPLE 林檎 aa");
  const struct {
    std::string pattern;
    TSearchOptions options;
    std::size_t expected;
  } cases[] = {
      {"aa", 0, 3},  // matches do not overlap: "aaaa" holds two
      {"apple", 0, 3},
      {"apple", soMatchCase, 1},
      {"apple", soIgnoreWidth, 4},                  // the full-width capitals too
      {"apple", soIgnoreWidth | soMatchCase, 1},    // small letters only
      {FromUtf8("アップル"), soIgnoreWidth, 2},     // half-width kana with their marks
      {FromUtf8("アップル"), 0, 1},
      {FromUtf8("林檎"), soMatchCase, 1},
      {"apple", soWholeWord, 3},
      {"zzz", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pattern + " options " + std::to_string(c.options));
    EXPECT_EQ(Count(text, c.pattern, c.options), c.expected);
    EXPECT_EQ(Count(text, c.pattern, c.options), Stepped(text, c.pattern, c.options));
    // Only the matches that begin before the limit.
    for (std::size_t limit : {std::size_t{0}, std::size_t{7}, std::size_t{30}, text.size()}) {
      EXPECT_EQ(Count(text, c.pattern, c.options, limit),
                Stepped(text, c.pattern, c.options, limit));
    }
  }
}

TEST(CountMatches, EmptyTextOrPatternAndTrailBytes) {
  EXPECT_EQ(Count("", "a", 0), 0u);
  EXPECT_EQ(Count("abc", "", 0), 0u);
  // 0x82 0x60 is one character: the byte 0x60 inside it is no match of "`".
  EXPECT_EQ(Count("\x82\x60`", "`", soMatchCase), 1u);
  EXPECT_EQ(Count("\x82\x60`", "`", soIgnoreWidth), 1u);
}

}  // namespace
}  // namespace textstore
