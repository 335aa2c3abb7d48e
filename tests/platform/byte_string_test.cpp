#include "platform/byte_string.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace platform {
namespace {

TEST(ByteString, CopiesShareMovesHandOverAndEveryByteIsKept) {
  static_assert(sizeof(ByteString) == sizeof(void*));
  const std::string_view bytes("\x82\xA0\0\r\n", 5);
  ByteString a(bytes);
  ByteString b = a;
  EXPECT_EQ(a.data(), b.data());
  EXPECT_EQ(a.use_count(), 2u);
  ByteString c = std::move(b);
  EXPECT_TRUE(b.empty());  // NOLINT(bugprone-use-after-move): the moved-from state is the contract
  c = ByteString();
  EXPECT_EQ(a.use_count(), 1u);
  EXPECT_EQ(a.view(), bytes);
  EXPECT_EQ(a.data()[5], '\0');

  // A handle carries one reference through raw memory and back.
  ByteString::Handle handle = ByteString(a).release();
  EXPECT_EQ(a.use_count(), 2u);
  EXPECT_EQ(ByteString::share(handle).data(), a.data());
  EXPECT_EQ(ByteString::adopt(handle).use_count(), 2u);
  EXPECT_EQ(a.use_count(), 1u);

  ByteString empty("");
  EXPECT_EQ(empty.use_count(), 0u);  // holds no memory
  EXPECT_STREQ(empty.data(), "");
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

TEST(ByteStringArena, StringsOutliveTheirArenaAndKeepTheirBytes) {
  std::vector<ByteString> kept;
  {
    ByteStringArena arena;
    for (int i = 0; i < 50000; ++i) kept.emplace_back("row " + std::to_string(i));  // many blocks
    kept.emplace_back(std::string(2u << 20, 'x'));  // larger than a block: the heap
    {
      ByteStringArena inner;  // arenas nest
      kept.emplace_back("inner");
    }
    kept.emplace_back("after inner");
  }
  kept.emplace_back("no arena");
  EXPECT_EQ(kept[12345], "row 12345");
  EXPECT_EQ(kept[12345].data()[kept[12345].size()], '\0');
  EXPECT_EQ(kept[50000].size(), 2u << 20);
  EXPECT_EQ(kept[50001], "inner");
  EXPECT_EQ(kept[50002], "after inner");
  // Copies share, and the blocks go with their last strings (the sanitizer build checks that
  // nothing is freed early or leaked).
  ByteString copy = kept[7];
  kept.erase(kept.begin(), kept.begin() + 40000);
  EXPECT_EQ(copy, "row 7");
  EXPECT_EQ(copy.use_count(), 1u);
}

}  // namespace
}  // namespace platform
