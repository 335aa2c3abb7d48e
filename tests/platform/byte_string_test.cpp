#include "platform/byte_string.h"

#include <gtest/gtest.h>

#include <utility>

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
