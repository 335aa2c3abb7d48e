#pragma once
// The undo list of a screen-row list. Every edit replaces a range of rows by the rows of a new
// text; a record keeps what was removed and where, so that the replacement can be reversed
// (Undo) and the reversal reversed again (Redo).

#include <memory>
#include <string>

#include "platform/list.h"
#include "platform/object.h"
#include "textstore/row_attributes.h"

namespace rows {

class TEditorScreenStrings;

struct TUndoData {
  int CaretRow = 0;  // the focused view's caret when the record was made
  int CaretCol = 0;
  int StartRow = -1;          // first row of the replaced range
  int RowCount = 0;           // rows the edit put in place; 0 after a pure deletion
  textstore::TRowKind RowKind = textstore::rkNone;  // kind of the last removed row; textstore::rkNone when nothing was removed
  std::string Text;           // the removed rows, CR LF after each of kind textstore::rkLineEnd
};

// Owns its records: deleting an entry or clearing the list frees them.
class TUndoDataList : public platform::TList<std::unique_ptr<TUndoData>> {
 public:
  // The newest record; the list must not be empty.
  TUndoData& Last() const { return *Items(Count() - 1); }
};

class TEditorUndoObj : public platform::TObject {
 public:
  // The undo object of List, which outlives it.
  explicit TEditorUndoObj(TEditorScreenStrings& List) : list_(List) {}

  // A fresh record with the focused view's caret, appended to the undo list. The oldest
  // record goes when the list then holds more than UndoListMax; the redo list is emptied,
  // except while a redo records its inverse.
  virtual TUndoData& AddRecord();
  virtual bool CanRedo() const { return redoList_.Count() > 0; }
  virtual bool CanUndo() const { return undoList_.Count() > 0; }
  // Re-apply the newest redo record / reverse the newest undo record; nothing when empty.
  virtual void Redo();
  virtual void Undo();
  // A copy of Record's range and text onto the redo list, with the focused view's caret.
  virtual void AddRedoRecord(const TUndoData& Record);
  virtual void Clear();

  int UndoListMax() const { return undoListMax_; }
  // Never below 64.
  void SetUndoListMax(int Value);

  const TUndoDataList& UndoList() const { return undoList_; }
  const TUndoDataList& RedoList() const { return redoList_; }

 private:
  // Applies the newest record of From inside one edit and one update bracket, records its
  // inverse on the other list, puts the caret where the record says and drops the record.
  void Step(TUndoDataList& From, bool Redoing);
  // Replaces what is now at Record's range by Record's text, and returns the inverse record's
  // values in Record: the rows now in place, the kind of the last replaced row, its text.
  void Apply(TUndoData& Record);

  TEditorScreenStrings& list_;
  int undoListMax_ = 64;
  bool recordingRedo_ = false;
  TUndoDataList redoList_;
  TUndoDataList undoList_;
};

}  // namespace rows
