#include "textstore/dbcs_string.h"

#include <gtest/gtest.h>

#include <string>

namespace textstore {
namespace {

const std::string kKataA = "\x83\x41";  // ア, whose trail byte is 'A'

// 0x82 three times: a character 0x82 0x82, then a lone lead byte.
constexpr std::string_view kLeads = "\x82\x82\x82";

TEST(DbcsString, ByteRolesComeFromWalkingFromTheStart) {
  EXPECT_TRUE(IsLeadByteAt(kLeads, 1));
  EXPECT_FALSE(IsLeadByteAt(kLeads, 2));
  EXPECT_TRUE(IsTrailByteAt(kLeads, 2));
  EXPECT_TRUE(IsLeadByteAt(kLeads, 3));  // lone lead byte at the end
  EXPECT_FALSE(IsTrailByteAt(kLeads, 3));
  // 0x41 is a trail byte after 0x83, a character of its own after it.
  EXPECT_TRUE(IsTrailByteAt(kKataA + "A", 2));
  EXPECT_FALSE(IsTrailByteAt(kKataA + "A", 3));
  for (std::ptrdiff_t outside : {-1, 0, 4}) {
    EXPECT_FALSE(IsLeadByteAt(kLeads, outside)) << outside;
    EXPECT_FALSE(IsTrailByteAt(kLeads, outside)) << outside;
    EXPECT_EQ(CharAt(kLeads, outside), '\0') << outside;
  }
  EXPECT_EQ(CharAt("abc", 3), 'c');
}

TEST(DbcsString, CountCharCountsRawBytesUpToTheLimit) {
  const std::string s = kKataA + "AA";  // trail byte 'A', then two characters 'A'
  EXPECT_EQ(CountChar(s, 'A', 100), 3);
  EXPECT_EQ(CountChar(s, 'A', 2), 1);
  EXPECT_EQ(CountChar(s, 'A', -5), 0);
}

TEST(DbcsString, IncludesCharMatchesOnlyAtCharacterBoundaries) {
  EXPECT_FALSE(IncludesChar("A", kKataA));
  EXPECT_TRUE(IncludesChar("A", kKataA + "A"));
  EXPECT_TRUE(IncludesChar(kKataA, "x" + kKataA));
  // 0x83 0x41 appears in the bytes, but from the trail byte of 0x83 0x83.
  EXPECT_FALSE(IncludesChar(kKataA, "\x83" + kKataA));
  // A lead byte alone is no match for the character it begins.
  EXPECT_FALSE(IncludesChar("\x83", kKataA));
  EXPECT_FALSE(IncludesChar("", "abc"));
  EXPECT_FALSE(IncludesChar(kKataA, "A"));
}

}  // namespace
}  // namespace textstore
