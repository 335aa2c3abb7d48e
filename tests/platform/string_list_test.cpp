#include "platform/string_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace platform {
namespace {

TEST(TStringList, SortedIgnoresCaseInsensitiveDuplicates) {
  TStringList list;
  list.SetText("To:\ncc:");
  list.SetSorted(true);  // sorts what is there
  EXPECT_EQ(list.Add("From:"), 1);
  EXPECT_EQ(list.Add("FROM:"), 1);  // already there
  EXPECT_EQ(list.Text(), "cc:\r\nFrom:\r\nTo:\r\n");
  int index = -1;
  EXPECT_FALSE(list.Find("Date:", index));
  EXPECT_EQ(index, 1);  // where it would go
  EXPECT_EQ(list.IndexOf("TO:"), 2);
  EXPECT_THROW(list.Insert(0, "a"), std::logic_error);
  EXPECT_THROW(list.Put(0, "a"), std::logic_error);

  list.SetDuplicates(TDuplicates::dupAccept);
  list.Add("CC:");
  EXPECT_EQ(list.Text(), "cc:\r\nCC:\r\nFrom:\r\nTo:\r\n");
}

}  // namespace
}  // namespace platform
