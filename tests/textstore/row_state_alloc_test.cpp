// Row-state reads and writes must not touch the allocator: a full token scan runs them on
// every row. This program counts every global allocation.
#include <gtest/gtest.h>

#include "tests/support/allocation_counter.h"
#include "textstore/row_attributes.h"

namespace textstore {
namespace {

TEST(RowState, AccessorsDoNotAllocate) {
  TEditorStringList list;
  for (int i = 0; i < 100; ++i) list.Add("row text");
  list.SetRowData(0, "carried");
  long before = testsupport::allocations;
  long sum = 0;
  for (int i = 0; i < list.Count(); ++i) {
    list.SetPrevRowKind(i, list.RowKind(i));
    list.SetBracketIndex(i, i % 14);
    list.SetRemainLen(i, i);
    list.SetRowMarks(i, TRowMarks(i));
    list.SetRowData(i, list.RowData(0));  // shares the string
    sum += list.BracketIndex(i) + list.RemainLen(i) + list.RowMarks(i);
    sum += static_cast<long>(list.RowData(i).size() + list.Get(i).size());
  }
  list.Exchange(0, 99);
  EXPECT_EQ(testsupport::allocations, before);
  EXPECT_GT(sum, 0);
}

}  // namespace
}  // namespace textstore
