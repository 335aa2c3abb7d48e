// The edit primitive and the row replacement under it, with the rules by which row marks
// follow their rows.
#include <algorithm>

#include "platform/update_guard.h"
#include "rows/screen_strings.h"

namespace rows {
namespace {

// Up to this many rows are inserted or deleted one by one; more are moved in one pass.
constexpr int kSingleMoves = 3;

bool EndsWithBreak(std::string_view Text) {
  return !Text.empty() && (Text.back() == '\n' || Text.back() == '\r');
}

}  // namespace

void TEditorScreenStrings::ReplaceRows(int Row, int N, std::string_view Text) {
  const int count = Count();
  if (Row < 0 || N < 0 || Row + N > count || (N == 0 && Text.empty())) return;
  // The whole logical line is laid out again, since a change can move any break in it; text
  // put after a last row without a line break continues that row's line.
  const bool afterTextEnd = Row == count && count > 0 && RowKind(count - 1) != textstore::rkLineEnd;
  const int start = LineStartRow(afterTextEnd ? count - 1 : Row);
  const int lastOld = Row + N - 1;
  int endRow = LineEndRow(lastOld);
  platform::UpdateGuard<TEditorScreenStrings> bracket(*this);

  if (start == Row && endRow == lastOld && Text.empty()) {
    // Whole lines go: nothing to lay out.
    TUndoData& undo = undoObj_->AddRecord();
    TRowsText old = RowsText(Row, N);
    undo.StartRow = Row;
    undo.Text = std::move(old.Text);
    undo.RowKind = old.LastKind;
    DeleteRows(Row, N);
    RecordChange(Row, N, 0, RescanFrom(Row, true));
    return;
  }

  // Text need not end with a line break: the line after a range of whole lines is laid out
  // with it.
  if (lastOld == endRow && endRow < count - 1) endRow = LineEndRow(endRow + 1);
  const int oldRows = endRow - start + 1;
  TUndoData& undo = undoObj_->AddRecord();
  TRowsText old = RowsText(start, oldRows);
  const size_t prefix = RowsSize(start, Row - 1);
  const size_t suffix = RowsSize(lastOld + 1, endRow);
  std::string text;
  text.reserve(prefix + Text.size() + suffix);
  text.append(old.Text, 0, prefix);
  text.append(Text);
  text.append(old.Text, old.Text.size() - suffix, suffix);
  undo.StartRow = start;
  undo.Text = std::move(old.Text);
  undo.RowKind = old.LastKind;

  // Inside the text the range ends at a line break; at its end the new text decides.
  const textstore::TRowKind kind = endRow < count - 1    ? RowKind(endRow)
                        : EndsWithBreak(text) ? textstore::rkLineEnd
                                              : textstore::rkTextEnd;
  textstore::TEditorStringList rows;
  WrapLines(text, rows);
  rows.SetRowKind(rows.Count() - 1, kind);
  undo.RowCount = rows.Count();
  ReplaceRange(start, oldRows, rows);
  RecordChange(start, oldRows, rows.Count(), RescanFrom(start, true));
}

void TEditorScreenStrings::ReplaceRange(int Row, int OldN, const textstore::TRowAttributeStringList& NewRows) {
  const int newN = NewRows.Count();
  if (newN < OldN) {
    // The first old rows go; their marks go to the first new row.
    const textstore::TRowMarks marks = RemoveRowBlock(Row, OldN - newN);
    if (newN == 0) {
      ExcludeMarks(marks);
    } else {
      SetRowMarks(Row, RowMarks(Row) | marks);
    }
  } else if (newN > OldN) {
    if (OldN == 0) {
      InsertBlankRows(Row, newN);
    } else {
      // The old rows after the first stay the last new rows. The first old row's marks stay
      // with it, unless the caret stands at a line start: text typed there pushes the old row's
      // text down, to new row newN − OldN.
      InsertBlankRows(Row + 1, newN - OldN);
      const TEditorHost* focused = FocusedEditor();
      if (focused != nullptr && focused->CaretCol() == 0) {
        const int to = Row + newN - OldN;
        SetRowMarks(to, RowMarks(to) | RowMarks(Row));
        SetRowMarks(Row, 0);
      }
    }
  }
  for (int i = 0; i < newN; ++i) {
    const int row = Row + i;
    const textstore::TRowMarks marks = RowMarks(row);
    Put(row, NewRows.Get(i));
    SetPackedState(row, NewRows.PackedState(i));
    SetPackedExtra(row, NewRows.PackedExtra(i));
    SetRowMarks(row, marks);
    SetRowTag(row, NewRows.RowTag(i));
    SetRowData(row, NewRows.RowData(i));
  }
}

void TEditorScreenStrings::DeleteRows(int Row, int N) {
  const textstore::TRowMarks marks = RemoveRowBlock(Row, N);
  if (Count() > 0) {
    const int to = std::min(Row, Count() - 1);
    SetRowMarks(to, RowMarks(to) | marks);
  } else {
    ExcludeMarks(marks);
  }
}

void TEditorScreenStrings::InsertBlankRows(int At, int N) {
  if (N <= kSingleMoves) {
    for (int i = 0; i < N; ++i) Insert(At, platform::ByteString());
    return;
  }
  // Append the blanks, then move every row behind At past them.
  const int old = Count();
  SetCapacity(old + N);
  for (int i = 0; i < N; ++i) Add(platform::ByteString());
  for (int i = old - 1; i >= At; --i) Exchange(i, i + N);
}

textstore::TRowMarks TEditorScreenStrings::RemoveRowBlock(int At, int N) {
  textstore::TRowMarks marks = 0;
  for (int i = At; i < At + N; ++i) marks |= RowMarks(i);
  if (N <= kSingleMoves) {
    for (int i = 0; i < N; ++i) Delete(At);
    return marks;
  }
  // Move the rows behind the block over it, then cut the block off the end.
  const int count = Count();
  for (int i = At + N; i < count; ++i) Exchange(i - N, i);
  for (int i = 0; i < N; ++i) Delete(Count() - 1);
  return marks;
}

}  // namespace rows
