// The byte search against the character search: random CP932 texts full of trail bytes that
// look like ASCII or like lead bytes, and the cases where only one of them may answer.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "textstore/search_detail.h"

namespace textstore {
namespace {

using Hit = std::optional<std::pair<std::ptrdiff_t, std::ptrdiff_t>>;  // start and length

Hit Outcome(bool found, const TSearchPosition& position) {
  return found ? Hit{{position.Start, position.Length}} : std::nullopt;
}

Hit ByCharacters(std::string_view text, TSearchPosition from, std::string_view pattern,
                 TSearchOptions options) {
  return Outcome(detail::SearchCharacters(text, from, pattern, options, DefaultWordDelimiters()),
                 from);
}

// Nothing when the byte search leaves the search to the character search.
std::optional<Hit> ByBytes(std::string_view text, TSearchPosition from, std::string_view pattern,
                           TSearchOptions options) {
  std::optional<bool> found =
      detail::SearchBytes(text, from, pattern, options, DefaultWordDelimiters());
  if (!found) return std::nullopt;
  return Outcome(*found, from);
}

// Double-byte characters with trail bytes 'A', 'a', '`', 'b', '\\' and 0x81 and 0x9F, loose
// lead-byte values that pair with whatever follows, letters of both cases, delimiters, the
// underscore, line breaks, a half-width kana.
const std::vector<std::string> kPieces = {
    "a",        "A",        "b",        "B",        "_",        " ",        ".",
    "\r\n",     "\xB1",     "\x83\x41", "\x83\x61", "\x82\x60", "\x82\x62", "\x83\x5C",
    "\x82\x81", "\x88\x9F", "\x81\x40", "\x81",     "\x9F",     "\xE0"};

class RandomSearches {
 public:
  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

  std::string Pieces(size_t count) {
    std::string text;
    for (size_t n = 0; n < count; ++n) text += kPieces[Pick(kPieces.size())];
    return text;
  }

  // Often cut out of the text at any byte, so that it starts or ends inside a character, with
  // ASCII letters (trail bytes too) switched in case now and then.
  std::string PatternFor(const std::string& text) {
    if (Pick(3) == 0) return Pieces(1 + Pick(3));
    const size_t at = Pick(text.size());
    std::string pattern = text.substr(at, 1 + Pick(6));
    for (char& c : pattern) {
      if (Pick(4) == 0 && std::isalpha(static_cast<unsigned char>(c))) c ^= 0x20;
    }
    return pattern;
  }

  TSearchPosition PositionIn(const std::string& text) {
    const size_t start = Pick(text.size() + 1);
    const size_t length = Pick(2) ? 0 : Pick(text.size() - start + 1);
    return {static_cast<std::ptrdiff_t>(start), static_cast<std::ptrdiff_t>(length)};
  }

 private:
  std::mt19937 random_{932};
};

TEST(SearchBytes, AgreesWithTheCharacterSearch) {
  RandomSearches random;
  int answered = 0;
  constexpr int kSearches = 60000;
  for (int n = 0; n < kSearches; ++n) {
    std::string text = random.Pieces(1 + random.Pick(random.Pick(4) == 0 ? 150 : 12));
    if (random.Pick(8) == 0) text += "\x83";  // a lone lead byte at the end
    const std::string pattern = random.PatternFor(text);
    const TSearchPosition from = random.PositionIn(text);
    // Forward, case and word; now and then width folded.
    auto options = static_cast<TSearchOptions>(random.Pick(8) * soForward |
                                               (random.Pick(4) == 0 ? soIgnoreWidth : 0));
    const std::optional<Hit> bytes = ByBytes(text, from, pattern, options);
    if (!bytes) continue;
    ++answered;
    ASSERT_EQ(*bytes, ByCharacters(text, from, pattern, options))
        << "text " << ::testing::PrintToString(text) << " pattern "
        << ::testing::PrintToString(pattern) << " from " << from.Start << "+" << from.Length
        << " options " << options;
  }
  EXPECT_GT(answered, kSearches / 2);
}

TEST(SearchBytes, LeavesFoldingSearchesToTheCharacterSearch) {
  const std::string text = "x\x82\x81 a\r\nb";
  for (TSearchOptions folding : {soIgnoreWidth, soAcrossLineBreaks, soIgnoreBlanks}) {
    EXPECT_EQ(ByBytes(text, {}, "a", soForward | folding), std::nullopt);
  }
  EXPECT_EQ(ByBytes(text, {}, "x\x82", soForward), std::nullopt);  // ends in a lone lead byte
  // Folding width changes nothing for a kanji, which has no half-width form; ｱ folds into ア.
  EXPECT_EQ(ByBytes("\x83\x41\x88\x9F", {}, "\x88\x9F", soForward | soIgnoreWidth).value(), Hit({{2, 2}}));
  EXPECT_EQ(ByBytes("\x83\x41\x88\x9F", {}, "\x83\x41", soForward | soIgnoreWidth), std::nullopt);
  // A full-width capital matches its small letter too unless case must match.
  EXPECT_EQ(ByBytes(text, {}, "\x82\x60", soForward), std::nullopt);
  EXPECT_EQ(ByBytes(text, {}, "\x82\x81", soForward | soMatchCase).value(), Hit({1, 2}));
  EXPECT_EQ(ByBytes(text, {}, "\x83\x41", soForward).value(), Hit());
}

TEST(SearchBytes, FindsCharacterStartsBehindLongRunsOfLeadByteValues) {
  // Pairs of 0x81 bytes are characters; an odd run makes the 'A' after it a trail byte.
  const std::string even(2000, '\x81');
  const std::string odd = even + '\x81';
  // The first and the last 'A' that starts a character.
  auto firstAndLast = [](const std::string& text) {
    const TSearchPosition end{static_cast<std::ptrdiff_t>(text.size()), 0};
    return std::pair{ByBytes(text, {}, "A", soForward).value(), ByBytes(text, end, "A", 0).value()};
  };
  EXPECT_EQ(firstAndLast("A" + even + "AA"), std::pair(Hit({0, 1}), Hit({2002, 1})));
  EXPECT_EQ(firstAndLast(odd + "A" + odd + "A"), std::pair(Hit(), Hit()));
  EXPECT_EQ(firstAndLast(odd + "AA" + even + "A"), std::pair(Hit({2002, 1}), Hit({4003, 1})));
  EXPECT_EQ(ByBytes("A" + even + "A", {1, 0}, "A", soForward).value(), Hit({2001, 1}));
}

}  // namespace
}  // namespace textstore
