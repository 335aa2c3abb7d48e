#include "textstore/search.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "platform/cp932.h"

namespace textstore {
namespace {

using platform::cp932::FromUtf8;

using Hit = std::pair<std::ptrdiff_t, std::ptrdiff_t>;  // start and length

std::optional<Hit> Find(std::string_view text, std::string_view pattern, TSearchOptions options,
                        TSearchPosition from = {}) {
  TSearchPosition position = from;
  if (!SearchText(text, position, pattern, options, DefaultWordDelimiters())) {
    EXPECT_EQ(position.Start, from.Start);
    EXPECT_EQ(position.Length, from.Length);
    return std::nullopt;
  }
  return Hit{position.Start, position.Length};
}

constexpr TSearchOptions kFwd = soForward;
const std::string kKataA = "\x83\x41";      // ア, whose trail byte is 'A'
const std::string kSo = "\x83\x5C";         // ソ, whose trail byte is '\\'
const std::string kWideSpace = "\x81\x40";  // double-byte space
const std::string kHalfGa = "\xB6\xDE";     // ｶﾞ

TEST(Search, ForwardStartsAfterTheShownMatchAndCase) {
  EXPECT_EQ(Find("abc Abc", "abc", kFwd), (Hit{0, 3}));
  EXPECT_EQ(Find("abc Abc", "abc", kFwd, {0, 3}), (Hit{4, 3}));
  EXPECT_EQ(Find("abc Abc", "abc", kFwd | soMatchCase, {0, 3}), std::nullopt);
  EXPECT_EQ(Find("abc Abc", "ABC", kFwd, {4, 3}), std::nullopt);
  // A trail byte is not a character: 'A' after 0x83 is part of ア.
  EXPECT_EQ(Find(kKataA + "A", "A", kFwd | soMatchCase), (Hit{2, 1}));
  // A start on a second byte moves on to the next character.
  EXPECT_EQ(Find(kKataA + "A", "A", kFwd, {1, 0}), (Hit{2, 1}));
}

TEST(Search, BadArgumentsFindNothing) {
  EXPECT_EQ(Find("", "a", kFwd), std::nullopt);
  EXPECT_EQ(Find("a", "", kFwd), std::nullopt);
  EXPECT_EQ(Find("aaa", "a", kFwd, {-1, 0}), std::nullopt);
  EXPECT_EQ(Find("aaa", "a", kFwd, {4, 0}), std::nullopt);
  EXPECT_EQ(Find("aaa", "a", kFwd, {0, -1}), std::nullopt);
  EXPECT_EQ(Find("aaa", "a", kFwd, {2, 5}), std::nullopt);
  // A range whose end does not fit the integer type is outside the text too, either way.
  constexpr std::ptrdiff_t kMax = std::numeric_limits<std::ptrdiff_t>::max();
  EXPECT_EQ(Find("a", "a", kFwd, {1, kMax}), std::nullopt);
  EXPECT_EQ(Find("aaa", "a", 0, {2, kMax}), std::nullopt);
  EXPECT_EQ(Find("aaa", "aaaa", kFwd), std::nullopt);
  EXPECT_EQ(Find("ab\x82", "\x82", kFwd), std::nullopt);  // lone lead byte in text and pattern
  // The text ends after a lead byte: the byte behind it in memory is not its trail byte.
  const std::string buffer = "ab" + kKataA;
  EXPECT_EQ(Find(std::string_view(buffer).substr(0, 3), kKataA, kFwd | soIgnoreWidth),
            std::nullopt);
  EXPECT_EQ(Find("ab\x82", "b", kFwd), (Hit{1, 1}));
}

TEST(Search, IgnoreWidthMatchesHalfAndFullWidthForms) {
  const std::string wideSmall = "\x82\x81\x82\x82\x82\x83";  // ａｂｃ
  EXPECT_EQ(Find("xabc", wideSmall, kFwd | soIgnoreWidth | soMatchCase), (Hit{1, 3}));
  EXPECT_EQ(Find("xabc", wideSmall, kFwd | soMatchCase), std::nullopt);
  EXPECT_EQ(Find("xABC", wideSmall, kFwd | soIgnoreWidth | soMatchCase), std::nullopt);
  EXPECT_EQ(Find("x" + wideSmall, "abc", kFwd | soIgnoreWidth), (Hit{1, 6}));
  // A half-width kana takes its voiced mark with it.
  const std::string ga = FromUtf8("ガ");
  EXPECT_EQ(Find("a" + kHalfGa + "b", ga, kFwd | soIgnoreWidth), (Hit{1, 2}));
  EXPECT_EQ(Find(FromUtf8("aガb"), "\xB6\xDE", kFwd | soIgnoreWidth), (Hit{1, 2}));
  EXPECT_EQ(Find("\xB6\xDE", FromUtf8("カ"), kFwd | soIgnoreWidth), std::nullopt);
  EXPECT_EQ(Find("\xB6\xDF", FromUtf8("カ゜"), kFwd | soIgnoreWidth), (Hit{0, 2}));
  EXPECT_EQ(Find("a \xB1", FromUtf8("　ア"), kFwd | soIgnoreWidth), (Hit{1, 2}));
}

TEST(Search, DoubleByteLettersFoldOneWay) {
  const std::string small = FromUtf8("xｑαё");
  const std::string capital = FromUtf8("ＱΑЁ");
  EXPECT_EQ(Find(small, capital, kFwd), (Hit{1, 6}));
  EXPECT_EQ(Find(small, capital, kFwd | soMatchCase), std::nullopt);
  EXPECT_EQ(Find(FromUtf8("xＱΑЁ"), FromUtf8("ｑαё"), kFwd), std::nullopt);
  // Small Roman numeral one in the text, capital one in the pattern: different lead bytes.
  EXPECT_EQ(Find("x\xEE\xEF", "\x87\x54", kFwd), (Hit{1, 2}));
  EXPECT_EQ(Find("x\xEE\xEF", "\x87\x54", kFwd | soMatchCase), std::nullopt);
}

TEST(Search, WholeWordsEndAtDelimitersAndUnderscores) {
  const TSearchOptions word = kFwd | soWholeWord;
  EXPECT_EQ(Find("concatenate", "cat", word), std::nullopt);
  EXPECT_EQ(Find("a cat.", "cat", word), (Hit{2, 3}));
  EXPECT_EQ(Find("foo_bar", "foo", word), (Hit{0, 3}));
  EXPECT_EQ(Find("bar_foo", "foo", word), (Hit{4, 3}));
  EXPECT_EQ(Find("cats cat", "cat", word), (Hit{5, 3}));
  EXPECT_EQ(Find("xfoo_bar", "foo", word), std::nullopt);
  // Double-byte characters are word characters, whatever their trail byte looks like.
  EXPECT_EQ(Find(kSo + "cat", "cat", word), std::nullopt);
  EXPECT_EQ(Find("cat\x83\x5C", "cat", word), std::nullopt);
  TSearchPosition from;
  ByteSet noSpace = DefaultWordDelimiters();
  noSpace.reset(' ');
  EXPECT_FALSE(SearchText("a cat", from, "cat", word, noSpace));
}

TEST(Search, LineBreaksAndBlanksAreSkippedInsideAMatch) {
  EXPECT_EQ(Find("ab\r\ncd", "abcd", kFwd | soAcrossLineBreaks), (Hit{0, 6}));
  EXPECT_EQ(Find("ab\r\ncd", "abcd", kFwd), std::nullopt);
  EXPECT_EQ(Find("ab\r\ncd", "abcd", kFwd | soIgnoreBlanks), std::nullopt);
  EXPECT_EQ(Find("a \x81\x40\tbc", "abc", kFwd | soIgnoreBlanks), (Hit{0, 7}));
  EXPECT_EQ(Find("a \x81\x40\tbc", "abc", kFwd | soAcrossLineBreaks), std::nullopt);
  EXPECT_EQ(Find("a\r\n b", "ab", kFwd | soIgnoreBlanks | soAcrossLineBreaks), (Hit{0, 5}));
  // Only inside a match: leading and trailing blanks are not part of it.
  EXPECT_EQ(Find(" \nab \n", "ab", kFwd | soIgnoreBlanks | soAcrossLineBreaks), (Hit{2, 2}));
  // A blank in the pattern matches a blank; more blanks in the text are skipped.
  EXPECT_EQ(Find("a   b", "a b", kFwd | soIgnoreBlanks), (Hit{0, 5}));
  EXPECT_EQ(Find("a" + kWideSpace + "b", "ab", kFwd | soIgnoreBlanks | soIgnoreWidth), (Hit{0, 4}));
}

TEST(Search, BackwardFindsTheMatchBeforeTheStart) {
  EXPECT_EQ(Find("abc abc abc", "abc", 0, {11, 0}), (Hit{8, 3}));
  EXPECT_EQ(Find("abc abc abc", "abc", 0, {8, 3}), (Hit{4, 3}));
  EXPECT_EQ(Find("abc abc abc", "abc", 0, {2, 0}), std::nullopt);
  EXPECT_EQ(Find("cat concat", "cat", soWholeWord, {10, 0}), (Hit{0, 3}));
  EXPECT_EQ(Find(kKataA + kKataA + "A", "A", 0, {5, 0}), (Hit{4, 1}));
  EXPECT_EQ(Find("A\x83\x41\x83\x41", "A", 0, {5, 0}), (Hit{0, 1}));
  EXPECT_EQ(Find(kKataA + "x", "Ax", 0, {3, 0}), std::nullopt);
  // Two-byte steps must not walk past the start of the text.
  EXPECT_EQ(Find("\x83\x41\x83\x41\x83\x41z", "q", 0, {7, 0}), std::nullopt);
  EXPECT_EQ(Find("\x83\x41\x83\x41\x83\x41z", "q", soWholeWord, {7, 0}), std::nullopt);
  // Ignoring width, one text character per pattern character; a kana and its mark are one.
  EXPECT_EQ(Find("aaa", FromUtf8("ａ"), soIgnoreWidth, {2, 1}), (Hit{1, 1}));
  EXPECT_EQ(Find("aa", FromUtf8("ａａ"), soIgnoreWidth, {1, 0}), std::nullopt);
  EXPECT_EQ(Find("\xB6\xDE\xB6\xDE", FromUtf8("ガ"), soIgnoreWidth, {4, 0}), (Hit{2, 2}));
}

}  // namespace
}  // namespace textstore
