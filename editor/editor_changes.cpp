// What the control does when its text or its options change: the change notice of the row
// list (repaint only what the change touched, shifting the rows below it) and the handler that
// every option object reports to.
#include <algorithm>
#include <cstdlib>

#include "editor/editor.h"

namespace editor {

void TEditor::RowsChanged() {
  RefreshChangedRows();
  if (HandleAllocated() && leftbar_->Visible() && leftbar_->ShowNumber() && CalcLineNumberDigits()) {
    // The text area moves sideways with the bar's new width.
    CalcLeftbarWidth();
    RecalcMetrics();
    RepaintAll();
  }
  RecalcScrollRanges();
  PlaceCaret();
  if (screen_->ChangeRecord().ChangePending) {
    modified_ = true;
    DoChange();
  }
}

void TEditor::RefreshChangedRows() {
  const rows::TChangeRecord& change = screen_->ChangeRecord();
  if (!HandleAllocated() || !change.ChangePending) return;
  const int d = change.NewRowCount - change.OldRowCount;
  const platform::TRect client = ClientRect();
  if (std::abs(d) > visibleRowCount_) {
    window_->Invalidate({0, TextTop(), client.Right, client.Bottom});
    if (!linesUpdating_) window_->Update();
    return;
  }
  const int e = change.ChangedRow + change.NewRowCount +
                std::max(0, change.RescannedRows - change.NewRowCount);
  const bool pastEnd = e > RowCount() - 1;
  InvalidateRows(change.ChangedRow, e - 1);
  if (d != 0) {
    // What now starts at row e stood at row e - d: shift it by d rows. The band the shift
    // exposes lies in rows already repainted above.
    const int from = std::max(topRow_, std::min(e, e - d));
    const int top = TextTop() + RowHeight() * (from - topRow_);
    if (top < client.Bottom) {
      ScrollPixels(0, d * RowHeight(), {0, top, client.Right, client.Bottom});
    }
  }
  if (pastEnd) InvalidateRows(e, e + 1);
  if (leftbar_->Visible() && leftbar_->ShowNumber() &&
      (leftbar_->ShowNumberMode() == nmLine ||
       (d != 0 && topRow_ + visibleRowCount_ >= RowCount()))) {
    InvalidateRows(e, change.ChangedRow + visibleRowCount_);
  }
}

void TEditor::RefreshScreen() {
  RecalcScrollRanges();
  RepaintAll();
}

void TEditor::OptionChanged(platform::TObject* Sender) {
  if (Sender == marks_.get()) {
    margin_->SetUnderlineAllowance(marks_->Underline().Visible() ? 1 : 0);
  } else if (Sender == view_.get() || (fountain_ != nullptr && Sender == fountain_)) {
    screen_->RescanAll();
  } else if (Sender == caret_.get() && caret_->TabSpaceCount() != tabSpaceCount_) {
    // Tab fills decide where rows are cut: re-wrap as a wrap-option change does.
    tabSpaceCount_ = caret_->TabSpaceCount();
    screen_->ColumnRulesChanged();
  }
  if (!HandleAllocated()) return;
  RecalcMetrics();
  RecalcScrollRanges();
  RepaintAll();
  if (Sender == caret_.get()) EmptyUndoBuffer();
  UpdateCaret();
}

}  // namespace editor
