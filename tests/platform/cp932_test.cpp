#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace platform::cp932 {
namespace {

TEST(Cp932, LeadByteRanges) {
  for (int c = 0; c < 256; ++c) {
    bool expected = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(c)), expected) << c;
  }
}

TEST(Cp932, UpperCaseTouchesAsciiLettersButNotTrailBytes) {
  EXPECT_EQ(AnsiUpperCase("Subject: abc-xyz"), "SUBJECT: ABC-XYZ");
  // 0x83 0x61 is katakana; the trail byte 'a' must stay, the following 'a' must not.
  EXPECT_EQ(AnsiUpperCase("\x83" "aa"), "\x83" "aA");
  // Half-width katakana and accented bytes have no case.
  EXPECT_EQ(AnsiUpperCase("\xB1\xE9"), "\xB1\xE9");
}

TEST(Cp932, RoundTripsJapaneseText) {
  std::string sjis = FromUtf8("差出人：  山田");
  EXPECT_EQ(sjis, "\x8D\xB7\x8F\x6F\x90\x6C\x81\x46  \x8E\x52\x93\x63");
  EXPECT_EQ(ToUtf8(sjis), "差出人：  山田");
  // Backslash and tilde stay ASCII, as the text's own bytes.
  EXPECT_EQ(ToUtf8("C:\\~"), "C:\\~");
}

TEST(Cp932, InvalidBytesBecomeOneReplacementEachAndLoseNothing) {
  // 0x80 and 0xA0 are no characters; a lead byte at the end is cut off.
  EXPECT_EQ(ToUtf8("a\x80" "b\xA0" "c"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD" "c");
  EXPECT_EQ(ToUtf8("ab\x82"), "ab\xEF\xBF\xBD");
  // A lead byte followed by an impossible trail byte: the trail byte is kept as itself.
  EXPECT_EQ(ToUtf8("\x82\x0D\x0A"), "\xEF\xBF\xBD\r\n");
}

TEST(Cp932, UnrepresentableCharactersBecomeOneQuestionMark) {
  EXPECT_EQ(FromUtf8("a€b"), "a?b");
  EXPECT_EQ(FromUtf8("a\xE3" "b"), "a?b");  // broken sequence: the 'b' survives
}

}  // namespace
}  // namespace platform::cp932
