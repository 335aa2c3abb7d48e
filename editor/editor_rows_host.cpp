#include "editor/editor_rows_host.h"

#include <algorithm>

#include "textstore/column_map.h"

namespace editor {
namespace {

// A display height for the scan look-ahead when no window tells one.
constexpr int kDefaultScreenHeight = 1080;

}  // namespace

bool TEditor::RowsHost::Focused() const {
  return editor_.window_ != nullptr && editor_.window_->Focused();
}

int TEditor::RowsHost::ScreenRows() const {
  const int height = editor_.window_ != nullptr ? editor_.window_->ScreenHeight() : 0;
  return std::max(1, (height > 0 ? height : kDefaultScreenHeight) / editor_.RowHeight());
}

void TEditor::RowsHost::BeginEdit() {
  ++editor_.deferCaret_;
  editor_.CaretHide();
}

void TEditor::RowsHost::EndEdit() {
  if (editor_.deferCaret_ > 0) --editor_.deferCaret_;
  editor_.CaretShow();
  if (editor_.deferCaret_ == 0) editor_.UpdateCaret();
}

void TEditor::RowsHost::SetCaretOffset(int Row, int Offset) {
  const rows::TEditorScreenStrings& rows = *editor_.screen_;
  const int count = rows.Count();
  int row = std::clamp(Row, 0, count);
  int offset = std::max(0, Offset);
  // Walk the rows, a line end counting two bytes and a wrap none, until the offset falls
  // inside one; past the last row the caret goes to its end.
  while (row < count) {
    const int length = static_cast<int>(rows.Get(row).size());
    if (offset <= length) break;
    const textstore::TRowKind kind = rows.RowKind(row);
    if (kind == textstore::rkTextEnd || row + 1 == count) {
      offset = length;
      break;
    }
    offset -= length + (kind == textstore::rkLineEnd ? 2 : 0);
    ++row;
  }
  int col = 0;
  if (row < count) {
    col = static_cast<int>(textstore::ColumnWidth(rows.Get(row).view().substr(0, offset),
                                                  editor_.Rules()));
  }
  editor_.SetRowCol(row, col);
}

// Reported row by row while an edit rescans: painted with the edit's own refresh at its end.
void TEditor::RowsHost::RowStateChanged(int Row) { editor_.InvalidateRows(Row, Row, false); }

void TEditor::RowsHost::LinesUpdating(bool Updating) { editor_.linesUpdating_ = Updating; }

}  // namespace editor
