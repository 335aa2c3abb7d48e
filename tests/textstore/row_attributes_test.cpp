// Packed per-row fields: each writer keeps every other bit, values keep their field's width.
#include "textstore/row_attributes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace textstore {
namespace {

using L = TRowAttributeStringList;

struct FieldCase {
  const char* name;
  bool extra;          // in PackedExtra, else PackedState
  std::uint32_t bits;  // what writing `value` leaves in its field, in place
  std::function<void(L&)> write;
  std::function<int(const L&)> read;
  int value;
};

TEST(TRowAttributeStringList, WritersReplaceOnlyTheirOwnBits) {
  const FieldCase cases[] = {
      {"RowKind", false, 0x2, [](L& l) { l.SetRowKind(0, rkTextEnd); },
       [](const L& l) { return int(l.RowKind(0)); }, rkTextEnd},
      {"PrevRowKind", false, 0x4, [](L& l) { l.SetPrevRowKind(0, rkWrapped); },
       [](const L& l) { return int(l.PrevRowKind(0)); }, rkWrapped},
      {"BracketIndex", false, 0xF0, [](L& l) { l.SetBracketIndex(0, 13); },
       [](const L& l) { return l.BracketIndex(0); }, 13},
      {"Reserved1", false, 0xA500, [](L& l) { l.SetReserved1(0, 0xA5); },
       [](const L& l) { return l.Reserved1(0); }, 0xA5},
      {"RemainLen", false, 0x2C0000, [](L& l) { l.SetRemainLen(0, 300); },
       [](const L& l) { return l.RemainLen(0); }, 44},
      {"Reserved2", false, 0x81000000, [](L& l) { l.SetReserved2(0, 0x81); },
       [](const L& l) { return l.Reserved2(0); }, 0x81},
      {"PendingKind", true, 0x16, [](L& l) { l.SetPendingKind(0, 22); },
       [](const L& l) { return l.PendingKind(0); }, 22},
      {"Reserved3", true, 0xFF00, [](L& l) { l.SetReserved3(0, -1); },
       [](const L& l) { return l.Reserved3(0); }, 255},
      {"RowMarks", true, 0x84010000, [](L& l) { l.SetRowMarks(0, 0x8401); },
       [](const L& l) { return int(l.RowMarks(0)); }, 0x8401},
  };
  const std::uint32_t fieldMasks[2][6] = {{0x3, 0xC, 0xF0, 0xFF00, 0xFF0000, 0xFF000000},
                                          {0xFF, 0xFF00, 0xFFFF0000}};
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::uint32_t mask = 0;
    for (std::uint32_t m : fieldMasks[c.extra]) {
      if (m & c.bits) mask = m;
    }
    for (std::uint32_t background : {0u, 0xFFFFFFFFu, 0x5A5A5A5Au}) {
      L list;
      list.Add("row");
      list.SetPackedState(0, background);
      list.SetPackedExtra(0, ~background);
      c.write(list);
      EXPECT_EQ(c.read(list), c.value);
      std::uint32_t word = c.extra ? list.PackedExtra(0) : list.PackedState(0);
      std::uint32_t before = c.extra ? ~background : background;
      EXPECT_EQ(word, (before & ~mask) | c.bits);
      EXPECT_EQ(c.extra ? list.PackedState(0) : list.PackedExtra(0),
                c.extra ? background : ~background);
    }
  }
}

TEST(TRowAttributeStringList, NewRowsAndBracketIndexEncoding) {
  TEditorStringList list;
  list.Add("row");
  EXPECT_EQ(list.PackedState(0) | list.PackedExtra(0), 0u);
  EXPECT_EQ(list.RowKind(0), rkLineEnd);
  EXPECT_EQ(list.BracketIndex(0), kBracketNotScanned);

  list.SetReserved1(0, 0xEE);
  list.SetBracketIndex(0, -1);
  EXPECT_EQ(list.BracketIndex(0), -1);
  EXPECT_EQ(list.PackedState(0) & 0xF0, 0x10u);
  list.SetBracketIndex(0, -2);
  EXPECT_EQ(list.PackedState(0) & 0xF0, 0u);
  // Past 13 it reads as "not scanned" rather than spilling into Reserved1.
  list.SetBracketIndex(0, 14);
  EXPECT_EQ(list.BracketIndex(0), kBracketNotScanned);
  EXPECT_EQ(list.Reserved1(0), 0xEE);

  TRowAttributeData start;  // the start-of-text state
  EXPECT_EQ(start.BracketIndex, -1);
  EXPECT_EQ(start.RowKind + start.PrevRowKind + start.RemainLen + start.PendingKind, 0);
}

}  // namespace
}  // namespace textstore

namespace textstore {
namespace {

TEST(TRowAttributeStringList, RowStateMovesAsAWholeAndKeepsKindAndMarks) {
  TRowAttributeStringList list;
  list.Add(ByteString("row"));
  list.SetRowKind(0, rkTextEnd);
  list.SetRowMarks(0, 0x88);
  TRowAttributeData state;
  state.RowKind = rkWrapped;  // the row's own kind is not scan state
  state.PrevRowKind = rkWrapped;
  state.BracketIndex = 5;
  state.RemainLen = 300;  // keeps its low 8 bits, as the single setter does
  state.PendingKind = 22;
  state.Reserved3 = 7;
  state.RowData = ByteString("carry");
  list.SetRowState(0, state);

  const TRowAttributeData back = list.RowState(0);
  EXPECT_EQ(back.RowKind, rkTextEnd);
  EXPECT_EQ(list.RowMarks(0), 0x88);
  EXPECT_EQ(back.PrevRowKind, rkWrapped);
  EXPECT_EQ(back.BracketIndex, 5);
  EXPECT_EQ(back.RemainLen, 44);
  EXPECT_EQ(back.PendingKind, 22);
  EXPECT_EQ(back.Reserved3, 7);
  EXPECT_EQ(back.RowData, "carry");
}

}  // namespace
}  // namespace textstore
