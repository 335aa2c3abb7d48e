#include "platform/strconv.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace platform {
namespace {

TEST(StrToInt, DecimalWithSignAndLeadingBlanks) {
  EXPECT_EQ(TryStrToInt("0"), 0);
  EXPECT_EQ(TryStrToInt("  42"), 42);
  EXPECT_EQ(TryStrToInt("-2147483643"), -2147483643);
  EXPECT_EQ(TryStrToInt("+7"), 7);
  EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
  EXPECT_EQ(TryStrToInt("-2147483648"), -2147483647 - 1);
  EXPECT_FALSE(TryStrToInt("2147483648"));
  EXPECT_FALSE(TryStrToInt("-2147483649"));
}

TEST(StrToInt, HexadecimalTakesAllThirtyTwoBits) {
  EXPECT_EQ(TryStrToInt("0x0000FF"), 255);
  EXPECT_EQ(TryStrToInt("0XfF"), 255);
  EXPECT_EQ(TryStrToInt("$C00000"), 0xC00000);
  EXPECT_EQ(TryStrToInt("0x80000005"), -2147483643);  // a system colour
  EXPECT_EQ(TryStrToInt("-$10"), -16);
  EXPECT_FALSE(TryStrToInt("0x100000000"));
}

TEST(StrToInt, RejectsAnythingElse) {
  for (const char* bad : {"", " ", "-", "+", "$", "0x", "12 ", "1.5", "x1", "0x1g", "\t3", "３"}) {
    EXPECT_FALSE(TryStrToInt(bad)) << bad;
  }
  try {
    StrToInt("a");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'a' は整数ではありません");
  }
}

}  // namespace
}  // namespace platform
