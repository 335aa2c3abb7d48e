#include "rows/undo.h"

#include <algorithm>
#include <utility>

#include "platform/update_guard.h"
#include "rows/screen_strings.h"

namespace rows {
namespace {

constexpr int kMinUndoListMax = 64;

// Sets a flag for one scope.
class RedoRecording {
 public:
  explicit RedoRecording(bool& flag) : flag_(flag) { flag_ = true; }
  RedoRecording(const RedoRecording&) = delete;
  RedoRecording& operator=(const RedoRecording&) = delete;
  ~RedoRecording() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

void TEditorUndoObj::SetUndoListMax(int Value) {
  undoListMax_ = std::max(kMinUndoListMax, Value);
}

TUndoData& TEditorUndoObj::AddRecord() {
  auto record = std::make_unique<TUndoData>();
  if (const TEditorHost* focused = list_.FocusedEditor()) {
    record->CaretRow = focused->CaretRow();
    record->CaretCol = focused->CaretCol();
  }
  TUndoData& added = *record;
  undoList_.Add(std::move(record));
  if (undoList_.Count() > undoListMax_) undoList_.Delete(0);
  if (!recordingRedo_) redoList_.Clear();
  return added;
}

void TEditorUndoObj::AddRedoRecord(const TUndoData& Record) {
  auto record = std::make_unique<TUndoData>(Record);
  if (const TEditorHost* focused = list_.FocusedEditor()) {
    record->CaretRow = focused->CaretRow();
    record->CaretCol = focused->CaretCol();
  }
  redoList_.Add(std::move(record));
}

void TEditorUndoObj::Clear() {
  undoList_.Clear();
  redoList_.Clear();
}

void TEditorUndoObj::Undo() {
  if (CanUndo()) Step(undoList_, false);
}

void TEditorUndoObj::Redo() {
  if (CanRedo()) Step(redoList_, true);
}

void TEditorUndoObj::Step(TUndoDataList& From, bool Redoing) {
  TUndoData& record = From.Last();
  const int caretRow = record.CaretRow;
  const int caretCol = record.CaretCol;
  TEditorHost* focused = list_.FocusedEditor();
  {
    TEditGuard edit(focused);
    {
      platform::UpdateGuard<TEditorScreenStrings> bracket(list_);
      Apply(record);
      if (Redoing) {
        // The inverse goes onto the undo list without emptying the redo list.
        RedoRecording recording(recordingRedo_);
        TUndoData& inverse = AddRecord();
        inverse.StartRow = record.StartRow;
        inverse.RowCount = record.RowCount;
        inverse.RowKind = record.RowKind;
        inverse.Text = std::move(record.Text);
      } else {
        AddRedoRecord(record);
      }
    }
    if (focused != nullptr) {
      focused->SetCaretRow(caretRow);
      focused->SetCaretCol(caretCol);
    }
  }
  From.Delete(From.Count() - 1);
}

void TEditorUndoObj::Apply(TUndoData& Record) {
  // What is there now, to be handed back as the inverse.
  TRowsText now;
  if (Record.RowCount > 0) now = list_.RowsText(Record.StartRow, Record.RowCount);
  int newRows = 0;
  if (Record.RowKind == textstore::rkNone) {
    list_.DeleteRows(Record.StartRow, now.Rows);
  } else {
    textstore::TEditorStringList rows;
    list_.WrapLines(Record.Text, rows);
    if (Record.RowKind == textstore::rkWrapped && rows.Count() > 1 && rows.Get(rows.Count() - 1).empty()) {
      rows.Delete(rows.Count() - 1);
    }
    rows.SetRowKind(rows.Count() - 1, Record.RowKind);
    list_.ReplaceRange(Record.StartRow, now.Rows, rows);
    newRows = rows.Count();
  }
  list_.RecordChange(Record.StartRow, now.Rows, newRows, list_.RescanFrom(Record.StartRow, true));
  Record.RowCount = newRows;
  Record.RowKind = now.LastKind;
  Record.Text = std::move(now.Text);
}

}  // namespace rows
