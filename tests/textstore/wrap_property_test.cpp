// The wrap routine over many generated lines and settings: the invariants every layout keeps
// (tests/support/wrap_invariants.h), CountRows against WrapLines, and whole texts against
// their lines one by one.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "tests/support/wrap_invariants.h"
#include "textstore/dbcs_string.h"
#include "textstore/split_lines.h"
#include "textstore/wrap.h"

namespace textstore {
namespace {

// Mail-like lines: ASCII words and signs, blanks, tabs, kanji, kana, half-width katakana, the
// characters of the three built-in lists, and lead bytes with whatever follows them.
class LineMaker {
 public:
  explicit LineMaker(unsigned seed) : random_(seed) {}

  std::string Line() {
    size_t size = Pick(20) == 0 ? 2000 + Pick(3000) : Pick(400);
    std::string line;
    while (line.size() < size) AddPiece(line);
    return line;
  }

  TLineWrapper Wrapper() {
    static const int widths[] = {20, 21, 22, 23, 24, 25, 40, 79, 80, 81, 249, 250};
    TWrapSettings settings;
    settings.WrapByte = Pick(3) == 0 ? 20 + Pick(231) : widths[Pick(std::size(widths))];
    settings.FollowRetMark = Pick(2);
    settings.FollowPunctuation = Pick(2);
    settings.Leading = Pick(2);
    settings.WordBreak = Pick(2);
    static const int tabs[] = {1, 2, 4, 8, 13};
    TLineWrapper wrapper;
    wrapper.SetOptions(settings);
    wrapper.SetTabWidth(tabs[Pick(std::size(tabs))]);
    wrapper.SetWordWrap(true);
    return wrapper;
  }

  size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random_); }

 private:
  void AddPiece(std::string& line) {
    static const std::string lists =
        DefaultFollowStr().str() + DefaultLeadStr().str() + DefaultPunctuationStr().str();
    static const std::string word = "abcdefghijklmnopqrstuvwxyzABCXYZ0123456789_";
    static const std::string signs = "!\"#$%&'()*+,-./:;<=>?@[\\]^`{|}~";
    auto byte = [](size_t b) { return static_cast<char>(b); };
    switch (Pick(12)) {
      case 0:
      case 1:
        for (size_t n = 1 + Pick(12); n > 0; --n) line += word[Pick(word.size())];
        break;
      case 2:
        line += Pick(3) == 0 ? "\t" : " ";
        break;
      case 3:
      case 4:
        for (size_t n = 1 + Pick(10); n > 0; --n) {
          line += byte(Pick(2) ? 0x88 + Pick(0x18) : 0xE0 + Pick(0x0B));
          line += byte(0x40 + Pick(0x3F));
        }
        break;
      case 5:
        for (size_t n = 1 + Pick(8); n > 0; --n) {
          bool hiragana = Pick(2);
          line += byte(hiragana ? 0x82 : 0x83);
          line += byte(hiragana ? 0x9F + Pick(0x53) : 0x40 + Pick(0x3F));
        }
        break;
      case 6:
        for (size_t n = 1 + Pick(6); n > 0; --n) line += byte(0xA6 + Pick(0x3A));
        break;
      case 7:
      case 8:
      case 9: {
        // A character of the lists, at one of its character boundaries.
        size_t i = 0;
        for (size_t steps = Pick(lists.size()); steps > 0 && i < lists.size(); --steps) {
          i += CharSize(lists, i);
        }
        if (i >= lists.size()) i = 0;
        line += lists.substr(i, CharSize(lists, i));
        break;
      }
      case 10:
        line += signs[Pick(signs.size())];
        break;
      default:
        line += byte(Pick(2) ? 0x81 + Pick(0x1F) : 0xE0 + Pick(0x1D));  // a lead byte
        break;
    }
  }

  std::mt19937 random_;
};

std::string Escaped(std::string_view bytes) {
  std::string text;
  for (unsigned char b : bytes) {
    if (b >= 0x20 && b < 0x7F && b != '\\') {
      text += static_cast<char>(b);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      text += hex;
    }
  }
  return text;
}

std::string Describe(const TLineWrapper& wrapper, std::string_view line) {
  const TWrapSettings& o = wrapper.Options();
  return "W=" + std::to_string(o.WrapByte) + " tab=" + std::to_string(wrapper.Columns().TabWidth) +
         " retmark=" + std::to_string(o.FollowRetMark) +
         " punct=" + std::to_string(o.FollowPunctuation) + " leading=" + std::to_string(o.Leading) +
         " wordbreak=" + std::to_string(o.WordBreak) + "\nline: " + Escaped(line);
}

TEST(WrapProperty, EveryLayoutKeepsTheInvariants) {
  LineMaker maker(20240611);
  for (int i = 0; i < 3000; ++i) {
    TLineWrapper wrapper = maker.Wrapper();
    const std::string line = maker.Line();
    ASSERT_EQ(testsupport::WrapViolation(wrapper, line), "") << Describe(wrapper, line);
  }
}

TEST(WrapProperty, CountRowsEqualsTheRowsOfWrapLinesUnderEverySetting) {
  LineMaker maker(7);
  for (int width : {20, 80, 250}) {
    for (int switches = 0; switches < 16; ++switches) {
      TWrapSettings settings;
      settings.WrapByte = width;
      settings.FollowRetMark = switches & 1;
      settings.FollowPunctuation = switches & 2;
      settings.Leading = switches & 4;
      settings.WordBreak = switches & 8;
      TLineWrapper wrapper;
      wrapper.SetOptions(settings);
      for (bool wrap : {true, false}) {
        wrapper.SetWordWrap(wrap);
        for (int i = 0; i < 60; ++i) {
          const std::string line = maker.Line();
          ASSERT_EQ(wrapper.CountRows(line),
                    static_cast<int>(testsupport::WrapLine(wrapper, line).Rows.size()))
              << "wrap=" << wrap << ' ' << Describe(wrapper, line);
        }
      }
    }
  }
}

TEST(WrapProperty, ATextIsCutLineByLine) {
  LineMaker maker(99);
  static const char* const breaks[] = {"\r\n", "\r", "\n"};
  for (int i = 0; i < 200; ++i) {
    TLineWrapper wrapper = maker.Wrapper();
    std::string text;
    for (size_t n = 1 + maker.Pick(8); n > 0; --n) {
      text += maker.Line();
      text += breaks[maker.Pick(3)];
    }
    if (maker.Pick(2)) text += maker.Line();
    testsupport::WrappedLine expected;
    for (const std::string& line : SplitLines(text)) {
      testsupport::WrappedLine rows = testsupport::WrapLine(wrapper, line);
      expected.Rows.insert(expected.Rows.end(), rows.Rows.begin(), rows.Rows.end());
      expected.Kinds.insert(expected.Kinds.end(), rows.Kinds.begin(), rows.Kinds.end());
    }
    ASSERT_TRUE(testsupport::WrapLine(wrapper, text) == expected) << Describe(wrapper, text);
  }
}

}  // namespace
}  // namespace textstore
