#pragma once
// Named access to the packed per-row fields of the row store, and the record in which one
// row's tokeniser state is handed to and from the tokeniser.
//
// PackedState: bits 0-1 RowKind, 2-3 PrevRowKind, 4-7 BracketIndex + 2, 8-15 Reserved1,
//              16-23 RemainLen, 24-31 Reserved2.
// PackedExtra: bits 0-7 PendingKind, 8-15 Reserved3, 16-31 RowMarks.
// A new row has every bit zero: rkLineEnd after rkLineEnd, BracketIndex −2 (not scanned yet),
// no marks.

#include <cstdint>

#include "textstore/row_list.h"

namespace textstore {

enum TRowKind : std::uint8_t {
  rkLineEnd = 0,  // a line break (CR LF) follows the row
  rkWrapped = 1,  // the logical line goes on in the next row
  rkTextEnd = 2,  // last row of the text, no line break after it
  rkNone = 3,     // no such row
};

// Row marks as a bit set: bit n set = mark n (0-9 bookmarks, 10-15 free marks).
using TRowMarks = std::uint16_t;

// BracketIndex of a row whose scan state has not been computed.
constexpr int kBracketNotScanned = -2;

// One row's scan state. Value-initialised, it is the start-of-text state.
struct TRowAttributeData {
  TRowKind RowKind = rkLineEnd;
  TRowKind PrevRowKind = rkLineEnd;
  std::int32_t BracketIndex = -1;
  std::int32_t Reserved1 = 0;
  std::int32_t RemainLen = 0;
  std::int32_t Reserved2 = 0;
  std::uint8_t PendingKind = 0;
  std::uint8_t Reserved3 = 0;
  ByteString RowData;
};

// Each writer replaces only its own bits and keeps the rest of the word; a value wider than
// the field keeps its low bits (a RemainLen of 300 reads back 44, a BracketIndex of 14 reads
// back −2), so no write can spill into a neighbouring field. Index checks as in the store.
class TRowAttributeStringList : public TheStringList {
 public:
  TRowKind RowKind(int Index) const;
  void SetRowKind(int Index, TRowKind Value);
  TRowKind PrevRowKind(int Index) const;
  void SetPrevRowKind(int Index, TRowKind Value);
  // −2 … 13, stored as Value + 2.
  int BracketIndex(int Index) const;
  void SetBracketIndex(int Index, int Value);
  int Reserved1(int Index) const;
  void SetReserved1(int Index, int Value);
  int RemainLen(int Index) const;
  void SetRemainLen(int Index, int Value);
  int Reserved2(int Index) const;
  void SetReserved2(int Index, int Value);
  int PendingKind(int Index) const;
  void SetPendingKind(int Index, int Value);
  int Reserved3(int Index) const;
  void SetReserved3(int Index, int Value);
  TRowMarks RowMarks(int Index) const;
  void SetRowMarks(int Index, TRowMarks Value);

  // The whole scan state of a row at once, as the fields above read it.
  TRowAttributeData RowState(int Index) const;
  // Stores every scan field of State; the row's own kind and marks stay.
  void SetRowState(int Index, const TRowAttributeData& State);
};

// The row list the wrap routine and the screen rows build on; it adds nothing.
class TEditorStringList : public TRowAttributeStringList {};

}  // namespace textstore
