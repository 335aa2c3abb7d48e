#include "platform/utf16.h"

#include <gtest/gtest.h>

namespace platform::utf16 {
namespace {

TEST(Utf16, InvalidUtf8BecomesOneReplacementPerByte) {
  const struct {
    std::string utf8;
    std::u16string units;
  } cases[] = {
      {"a\xC3\xA9\xE3\x82\xA2", u"a\u00E9\u30A2"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},     // a surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // past U+10FFFF
      {"\xE3\x82", u"\uFFFD\uFFFD"},              // cut off
      {"\xE3\x82z", u"\uFFFD\uFFFDz"},
  };
  for (const auto& each : cases) EXPECT_EQ(FromUtf8(each.utf8), each.units) << each.utf8;
}

TEST(Utf16, UnpairedSurrogatesBecomeReplacements) {
  EXPECT_EQ(ToUtf8(u"\U0001F600x"), "\xF0\x9F\x98\x80x");
  EXPECT_EQ(ToUtf8(std::u16string{0xD800, u'a', 0xDC00}), "\xEF\xBF\xBD" "a\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8(std::u16string{0xD83D}), "\xEF\xBF\xBD");
  EXPECT_EQ(ToUtf8(std::u16string(1, u'\0')), std::string(1, '\0'));
}

TEST(Utf16, LittleEndianBytesDropAnOddLastByte) {
  EXPECT_EQ(FromLittleEndian(std::string("A\0\xA2\x30\x7F", 5)), u"A\u30A2");
  EXPECT_EQ(ToLittleEndian(u"A\u30A2"), std::string("A\0\xA2\x30", 4));
}

}  // namespace
}  // namespace platform::utf16
