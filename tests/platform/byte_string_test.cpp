#include "platform/byte_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
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

namespace platform {
namespace {

TEST(ByteString, FilledKeepsWhatTheFillWroteAndNothingWhenItThrows) {
  ByteString s = ByteString::Filled(10, [](char* room) {
    std::memcpy(room, "abc", 3);
    return size_t{3};
  });
  EXPECT_EQ(s, "abc");
  EXPECT_EQ(s.data()[3], '\0');
  EXPECT_TRUE(ByteString::Filled(10, [](char*) { return size_t{0}; }).empty());
  EXPECT_THROW(ByteString::Filled(10, [](char*) -> size_t { throw std::runtime_error("x"); }),
               std::runtime_error);
}

// Slices made on another thread while the whole is shared on this one: the whole lives exactly
// as long as its last holder, whichever that is, and unused promises are given back.
TEST(ByteStringSlicer, SlicesKeepTheirWholeAliveAndGiveBackUnusedCounts) {
  ByteString whole("first\r\nsecond\r\nthird");
  std::vector<ByteString> rows;
  {
    ByteStringSlicer here(whole, 100);
    ByteStringSlicer there(whole, 1);
    ByteString fromThere[3];
    std::thread worker([&] {
      ByteStringArena arena;
      fromThere[0] = there.Slice(there.Whole().substr(15, 5));
      fromThere[1] = there.Slice(there.Whole().substr(7, 0));
      fromThere[2] = there.Slice(there.Whole().substr(7, 6));
    });
    rows.push_back(here.Slice(whole.view().substr(0, 5)));
    worker.join();
    for (ByteString& s : fromThere) rows.push_back(std::move(s));
  }
  EXPECT_EQ(whole.use_count(), 3u);  // itself and two slices; the empty part is no slice
  EXPECT_EQ(rows[0], "first");
  EXPECT_EQ(rows[0].data(), whole.data());
  EXPECT_EQ(rows[0].data()[5], '\r');  // followed by the whole, not by a NUL
  EXPECT_EQ(rows[1], "third");
  EXPECT_TRUE(rows[2].empty());
  EXPECT_EQ(rows[3], "second");  // the third slice was not promised: a copy of its own
  EXPECT_NE(rows[3].data(), whole.data() + 7);
  const std::string kept(rows[1].view());
  whole = ByteString();
  rows.erase(rows.begin());
  EXPECT_EQ(rows[0], kept);  // the last slice still reads the whole's bytes
}

}  // namespace
}  // namespace platform
