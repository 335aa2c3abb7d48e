// The tokeniser's start state of every row: computed from the top for the rows near the view,
// brought up to date lazily for the others, and after an edit only as far as it changed.
#include <algorithm>
#include <array>

#include "fountain/fountain_parser.h"
#include "rows/screen_strings.h"

namespace rows {

int TEditorScreenStrings::ScanLimit(int Row) const {
  return std::min(Count() - 1, Row + 2 * std::max(1, Owner()->ScreenRows()));
}

std::uint32_t TEditorScreenStrings::StaleState(textstore::TRowKind Kind) {
  static const std::array<std::uint32_t, 4> states = [] {
    textstore::TEditorStringList probe;
    probe.Add(platform::ByteString());
    std::array<std::uint32_t, 4> words{};
    for (int kind = textstore::rkLineEnd; kind <= textstore::rkNone; ++kind) {
      probe.SetRowKind(0, static_cast<textstore::TRowKind>(kind));
      words[static_cast<size_t>(kind)] = probe.PackedState(0);
    }
    return words;
  }();
  return states[Kind];
}

void TEditorScreenStrings::MarkStale(int Row) {
  const textstore::TRowMarks marks = RowMarks(Row);
  SetPackedState(Row, StaleState(RowKind(Row)));
  SetPackedExtra(Row, 0);
  if (marks != 0) SetRowMarks(Row, marks);
  if (!RowData(Row).empty()) SetRowData(Row, platform::ByteString());
}

bool TEditorScreenStrings::StateEquals(int Row, const textstore::TRowAttributeData& Data) const {
  // The 8-bit fields keep the low bits of what is stored.
  const textstore::TRowAttributeData stored = RowState(Row);
  return stored.PrevRowKind == Data.PrevRowKind && stored.BracketIndex == Data.BracketIndex &&
         stored.Reserved1 == (Data.Reserved1 & 0xFF) && stored.RemainLen == (Data.RemainLen & 0xFF) &&
         stored.Reserved2 == (Data.Reserved2 & 0xFF) && stored.PendingKind == Data.PendingKind &&
         stored.Reserved3 == Data.Reserved3 && stored.RowData == Data.RowData.view();
}

void TEditorScreenStrings::RescanAll() {
  const TEditorHost* owner = Owner();
  if (owner == nullptr || owner->Loading() || owner->Destroying()) return;
  for (int row = 0; row < Count(); ++row) MarkStale(row);
  ScanFromTop();
}

void TEditorScreenStrings::ScanFromTop() {
  const TEditorHost* owner = Owner();
  if (owner == nullptr || owner->Loading() || owner->Destroying()) return;
  const int count = Count();
  fountain::TFountain* fountain = owner->ActiveFountain();
  if (fountain == nullptr || count == 0) return;
  const int last = owner->InitBracketsFull() ? count - 1 : ScanLimit(owner->TopRow());
  std::unique_ptr<fountain::TFountainParser> parser = fountain->CreateParser();
  textstore::TRowAttributeData data;
  for (int row = 0; row <= last; ++row) {
    data.RowKind = RowKind(row);
    SetRowState(row, data);
    parser->ParseRow(row, *this, data);
    data.PrevRowKind = RowKind(row);
  }
}

int TEditorScreenStrings::RescanFrom(int Row, bool Notify) {
  const TEditorHost* owner = Owner();
  const int count = Count();
  if (owner == nullptr || count == 0) return 0;
  fountain::TFountain* fountain = owner->ActiveFountain();
  if (fountain == nullptr) return 0;
  Row = std::clamp(Row, 0, count);
  std::unique_ptr<fountain::TFountainParser> parser = fountain->CreateParser();

  // Start from the state after the nearest scanned row above, or from the start of the text.
  textstore::TRowAttributeData data;
  int from = Row - 1;
  while (from >= 0 && BracketIndex(from) == textstore::kBracketNotScanned) --from;
  if (from >= 0) {
    data = {RowKind(from),
            PrevRowKind(from),
            BracketIndex(from),
            Reserved1(from),
            RemainLen(from),
            Reserved2(from),
            static_cast<std::uint8_t>(PendingKind(from)),
            static_cast<std::uint8_t>(Reserved3(from)),
            RowData(from)};
    parser->ParseRow(from, *this, data);
    data.PrevRowKind = RowKind(from);
  }

  const int last = ScanLimit(Row);
  int changed = 0;
  int row = from + 1;
  for (; row <= last; ++row) {
    data.RowKind = RowKind(row);
    if (StateEquals(row, data)) return changed;  // the rest still follows from here
    SetRowState(row, data);
    ++changed;
    if (Notify) {
      for (TEditorHost* editor : editors_) editor->RowStateChanged(row);
    }
    parser->ParseRow(row, *this, data);
    data.PrevRowKind = RowKind(row);
  }
  // The states below the scanned rows followed from states that may have changed.
  for (; row < count; ++row) MarkStale(row);
  return changed;
}

}  // namespace rows
