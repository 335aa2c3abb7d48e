// Row-state propagation: from the state at the start of one screen row, the state at the start
// of the next, scanning the row with one row of look-ahead so that a token cut by the wrap is
// seen whole.
#include "fountain/fountain_parser.h"

namespace fountain {

namespace {

bool IsBlank(std::string_view row) {
  return row.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

void TFountainParser::ParseRow(int Index, const textstore::TRowAttributeStringList& List,
                               textstore::TRowAttributeData& Data) {
  const bool wrapped = Data.RowKind == textstore::rkWrapped;
  // A comment covers every following row of its logical line and stops at the line end.
  if (LineEndKinds().test(Data.PendingKind)) {
    if (!wrapped) Data.PendingKind = 0;
    Data.RemainLen = 0;
    return;
  }
  platform::ByteString row = List.Get(Index);
  const int len = static_cast<int>(row.size());
  if (IsBlank(row)) {
    // The state passes through, but a carried token never outlives its logical line.
    if (!wrapped) {
      Data.PendingKind = 0;
      Data.RemainLen = 0;
    }
    return;
  }
  rowText_.assign(row.view());
  if (wrapped && Index < List.Count() - 1) rowText_.append(List.Get(Index + 1).view());

  int savedBracket = Data.BracketIndex;
  int savedReserved1 = Data.Reserved1;
  std::uint8_t lastKind = toEof;
  NewData(rowText_, Data);
  for (std::uint8_t kind = NextToken(); kind != toEof; kind = NextToken()) {
    lastKind = kind;
    Data.BracketIndex = bracketIndex_;
    if (kind == toBracket) savedBracket = drawBracketIndex_;
    savedReserved1 = reserved1_;
    if (SourcePos() + TokenLength() > len) break;  // the token runs on into the next row
    Data.Reserved1 = reserved1_;
    Data.Reserved3 = reserved3_;
  }
  Data.RemainLen = 0;
  Data.PendingKind = 0;
  if (token_ != toEof && SourcePos() >= len) {
    Data.BracketIndex = -1;  // the stopping token lies wholly in the next row
    return;
  }
  const int end = SourcePos() + TokenLength();
  if (!(SourcePos() < len && len < end)) return;

  // The last token crosses the end of this row.
  Data.Reserved1 = savedReserved1;
  if (lastKind == toBracket) {
    if (Data.BracketIndex == -1) {
      // The bracket closed in the next row: that row starts inside it, and when the right
      // bracket itself is cut, its piece there is carried as bracket text.
      Data.BracketIndex = savedBracket;
      TFountainBracketItem* item = BracketItem(savedBracket);
      if (item != nullptr && static_cast<int>(item->RightBracket().size()) > end - len) {
        Data.PendingKind = toBracket;
        Data.RemainLen = end - len;
      }
    }
    return;
  }
  AdjustKind(lastKind);
  Data.PendingKind = lastKind;
  if (RescanKinds().test(lastKind)) return;
  // A token that fills the next row too may run on over further rows: scan on there.
  if (end >= static_cast<int>(rowText_.size()) && List.RowKind(Index + 1) == textstore::rkWrapped) {
    return;
  }
  Data.RemainLen = end - len;
}

}  // namespace fountain
