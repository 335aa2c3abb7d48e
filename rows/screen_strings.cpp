// The screen-row list: its views, the change notice, rows and logical lines.
#include "rows/screen_strings.h"

#include <algorithm>

#include "platform/errors.h"

namespace rows {

void TEditorScreenStrings::Create() {
  undoObj_ = CreateUndoObj();
  wrapOption_ = CreateWrapOption();
  wrapper_.SetOptions(wrapOption_->Values());
  SetOnChange({this, &TEditorScreenStrings::NotifyEditors});
}

std::unique_ptr<TEditorUndoObj> TEditorScreenStrings::CreateUndoObj() {
  return std::make_unique<TEditorUndoObj>(*this);
}

std::unique_ptr<textstore::TEditorWrapOption> TEditorScreenStrings::CreateWrapOption() {
  auto option = std::make_unique<textstore::TEditorWrapOption>();
  option->SetOnChange({this, &TEditorScreenStrings::OptionChanged});
  return option;
}

void TEditorScreenStrings::AttachEditor(TEditorHost* Control) {
  editors_.push_back(Control);
}

void TEditorScreenStrings::DetachEditor(TEditorHost* Control) {
  auto found = std::find(editors_.begin(), editors_.end(), Control);
  if (found == editors_.end()) return;
  editors_.erase(found);
}

TEditorHost* TEditorScreenStrings::FocusedEditor() const {
  for (TEditorHost* editor : editors_) {
    if (editor->Focused()) return editor;
  }
  return Owner();
}

bool TEditorScreenStrings::OwnerLoading() const {
  const TEditorHost* owner = Owner();
  return owner != nullptr && owner->Loading();
}

void TEditorScreenStrings::NotifyEditors(platform::TObject* /*Sender*/) {
  // A view may detach, even drop the last reference, while it handles the notice.
  const std::shared_ptr<TEditorScreenStrings> keepAlive = shared_from_this();
  const std::vector<TEditorHost*> editors = editors_;
  for (TEditorHost* editor : editors) {
    if (std::find(editors_.begin(), editors_.end(), editor) != editors_.end()) editor->RowsChanged();
  }
}

void TEditorScreenStrings::ClearSelections() {
  for (TEditorHost* editor : editors_) editor->ClearSelection();
}

void TEditorScreenStrings::RefreshEditors() {
  for (TEditorHost* editor : editors_) editor->RefreshScreen();
}

void TEditorScreenStrings::ClampCarets() {
  // The caret may stand after a final line break, not after a last row without one.
  const int count = Count();
  const int limit = count > 0 && RowKind(count - 1) == textstore::rkTextEnd ? count - 1 : count;
  for (TEditorHost* editor : editors_) {
    if (editor->CaretRow() > limit) editor->SetCaretRow(limit);
    if (editor->TopRow() > limit) editor->SetTopRow(limit);
  }
}

void TEditorScreenStrings::SetUpdateState(bool Updating) {
  lineStartsValid_ = false;
  textstore::TEditorStringList::SetUpdateState(Updating);
  if (!Updating) {
    change_ = {};
    ClampCarets();
  }
}

void TEditorScreenStrings::Changing() {
  lineStartsValid_ = false;
  textstore::TEditorStringList::Changing();
}

void TEditorScreenStrings::RecordChange(int Row, int OldRows, int NewRows, int RescannedRows) {
  change_ = {Row, OldRows, NewRows, RescannedRows, true};
}

void TEditorScreenStrings::Clear() {
  ClearSelections();
  undoObj_->Clear();
  change_ = {0, Count(), 0, 0, true};
  textstore::TEditorStringList::Clear();
  change_ = {};
  for (TEditorHost* editor : editors_) {
    editor->SetCaretRow(0);
    editor->SetCaretCol(0);
  }
  usedMarks_ = 0;
}

void TEditorScreenStrings::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  if (OwnerLoading()) return;
  Relayout(Value);
}

void TEditorScreenStrings::OptionChanged(platform::TObject* /*Sender*/) {
  wrapper_.SetOptions(wrapOption_->Values());
  ColumnRulesChanged();
}

void TEditorScreenStrings::ColumnRulesChanged() {
  if (!wordWrap_ || OwnerLoading()) return;
  Relayout(true);
}

void TEditorScreenStrings::Relayout(bool Wrap) {
  undoObj_->Clear();
  if (Wrap) {
    WrapAll();
  } else {
    UnwrapAll();
  }
  ScanFromTop();
  RefreshEditors();
  for (TEditorHost* editor : editors_) editor->SetCaretCol(0);
}

int TEditorScreenStrings::LineStartRow(int Row) const {
  while (Row > 0 && RowKind(Row - 1) == textstore::rkWrapped) --Row;
  return Row;
}

int TEditorScreenStrings::LineEndRow(int Row) const {
  const int last = Count() - 1;
  if (Row < 0) return Row;
  while (Row < last && RowKind(Row) == textstore::rkWrapped) ++Row;
  return Row;
}

TRowsText TEditorScreenStrings::RowsText(int Row, int N) const {
  TRowsText result;
  if (Row < 0 || Row >= Count()) return result;
  const int last = N < 0 ? LineEndRow(Row) : std::min(Row + N, Count()) - 1;
  if (last < Row) return result;
  result.Text.reserve(RowsSize(Row, last));
  for (int r = Row; r <= last; ++r) {
    result.Text += Get(r).view();
    if (RowKind(r) == textstore::rkLineEnd) result.Text += "\r\n";
  }
  result.Rows = last - Row + 1;
  result.LastKind = RowKind(last);
  return result;
}

size_t TEditorScreenStrings::RowsSize(int First, int Last) const {
  size_t size = 0;
  for (int r = First; r <= Last; ++r) size += Get(r).size() + (RowKind(r) == textstore::rkLineEnd ? 2 : 0);
  return size;
}

const std::vector<int>& TEditorScreenStrings::LineStarts() const {
  if (lineStartsValid_) return lineStarts_;
  lineStarts_.clear();
  const int count = Count();
  lineStarts_.reserve(static_cast<size_t>(count));
  for (int row = 0; row < count; ++row) {
    if (row == 0 || RowKind(row - 1) != textstore::rkWrapped) lineStarts_.push_back(row);
  }
  lineStartsValid_ = true;
  return lineStarts_;
}

int TEditorScreenStrings::LineCount() const {
  return wordWrap_ ? static_cast<int>(LineStarts().size()) : Count();
}

int TEditorScreenStrings::FirstRowOfLine(int Line) const {
  const int lines = LineCount();
  if (Line < 0 || Line > lines) throw platform::EListError();
  if (Line == lines) return Count();
  return wordWrap_ ? LineStarts()[static_cast<size_t>(Line)] : Line;
}

int TEditorScreenStrings::RowToLine(int Row) const {
  if (Row < 0 || Row > Count()) throw platform::EListError();
  if (Row == Count()) return LineCount();
  if (!wordWrap_) return Row;
  const std::vector<int>& starts = LineStarts();
  return static_cast<int>(std::upper_bound(starts.begin(), starts.end(), Row) - starts.begin()) - 1;
}

}  // namespace rows
