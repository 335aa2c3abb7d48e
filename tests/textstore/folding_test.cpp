#include <gtest/gtest.h>

#include <string>

#include "platform/cp932.h"
#include "textstore/case_fold.h"
#include "textstore/width_fold.h"

namespace textstore {
namespace {

using platform::cp932::FromUtf8;
using platform::cp932::ToUtf8;

std::string Bytes(int first, int last) {
  std::string s;
  for (int b = first; b <= last; ++b) s += static_cast<char>(b);
  return s;
}

TEST(WidthFold, AsciiBecomesItsFullWidthForm) {
  EXPECT_EQ(ToFullWidth(Bytes(0x20, 0x7E)),
            FromUtf8("　！”＃＄％＆’（）＊＋，－．／０１２３４５６７８９：；＜＝＞？"
                     "＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ［￥］＾＿"
                     "｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ｛｜｝￣"));
}

TEST(WidthFold, HalfWidthKatakanaBecomesFullWidth) {
  EXPECT_EQ(ToFullWidth(Bytes(0xA1, 0xDF)),
            FromUtf8("。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソ"
                     "タチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜"));
}

TEST(WidthFold, VoicedAndSemiVoicedMarksFoldIntoTheKana) {
  std::string voiced;
  for (int b : {0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0,
                0xC1, 0xC2, 0xC3, 0xC4, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xB3}) {
    voiced += static_cast<char>(b);
    voiced += '\xDE';
  }
  EXPECT_EQ(ToFullWidth(voiced), FromUtf8("ガギグゲゴザジズゼゾダヂヅデドバビブベボヴ"));
  EXPECT_EQ(ToFullWidth("\xCA\xDF\xCB\xDF\xCC\xDF\xCD\xDF\xCE\xDF"), FromUtf8("パピプペポ"));
  EXPECT_EQ(ToFullWidth("\xB6\xDE"), "\x83\x4B");
  EXPECT_EQ(ToFullWidth("\xCA\xDF"), "\x83\x70");
  // Kana without such a form keep the mark as a character of its own.
  EXPECT_EQ(ToFullWidth("\xB1\xDE\xB6\xDF\xB3\xDF"), FromUtf8("ア゛カ゜ウ゜"));
  EXPECT_EQ(ToFullWidth("\xDE\xDE"), FromUtf8("゛゛"));
}

TEST(WidthFold, OtherBytesStayAsTheyAre) {
  EXPECT_EQ(ToFullWidth("\t\r\n\x7F\x80\xA0\xFD\xFE\xFF"), "\t\r\n\x7F\x80\xA0\xFD\xFE\xFF");
  // Double-byte characters are copied, their trail bytes untouched; a lone lead byte too.
  const std::string kataSmallA = "\x83\x61";  // ァ, whose trail byte is 'a'
  EXPECT_EQ(ToFullWidth(kataSmallA + "a\x82"), kataSmallA + "\x82\x81" + "\x82");
}

std::uint16_t Code(const std::string& c) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(c[0]) << 8 |
                                    static_cast<unsigned char>(c[1]));
}

TEST(CaseFold, CapitalsHaveTheirSmallLetterAndNothingElseChanges) {
  // Both ends of every range, Cyrillic around its gap at 0x847F.
  const char* pairs[][2] = {{"Ａ", "ａ"}, {"Ｚ", "ｚ"}, {"Α", "α"}, {"Ω", "ω"}, {"А", "а"},
                            {"Н", "н"},   {"О", "о"},   {"Я", "я"}, {"Ё", "ё"}};
  for (const auto& pair : pairs) {
    std::uint16_t capital = Code(FromUtf8(pair[0]));
    std::uint16_t small = Code(FromUtf8(pair[1]));
    EXPECT_EQ(SmallLetterOf(capital), small) << pair[0];
    EXPECT_EQ(SmallLetterOf(small), small) << pair[1];
  }
  // Small Roman numerals in the NEC-selected rows for the capitals of row 13.
  EXPECT_EQ(ToUtf8("\xEE\xEF\xEE\xF8\x87\x54\x87\x5D"), "ⅰⅹⅠⅩ");
  EXPECT_EQ(SmallLetterOf(0x8754), 0xEEEF);
  EXPECT_EQ(SmallLetterOf(0x875D), 0xEEF8);
  // Just outside the ranges: Ｚ + 1 and the codes before Α and after Я.
  for (std::uint16_t other : {0x827A, 0x839E, 0x8461, 0x875E, 0x0041}) {
    EXPECT_EQ(SmallLetterOf(other), other) << other;
  }
}

}  // namespace
}  // namespace textstore
