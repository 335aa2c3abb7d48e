#pragma once
// The screen rows a text view paints. With word wrap off a row is a whole logical line; with it
// on a logical line is one or more rows cut by the wrap routine, each row's RowKind saying
// whether a line break, a wrap or the end of the text follows it. All text changes go through
// one edit primitive (ReplaceRows), which records undo; structure changes happen inside one
// update bracket, so that the attached views hear of each change once, through RowsChanged, and
// read what happened from the change record.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/method.h"
#include "rows/editor_host.h"
#include "textstore/row_attributes.h"
#include "rows/undo.h"
#include "textstore/wrap.h"
#include "textstore/wrap_option.h"

namespace rows {

// Text of a range of rows: CR LF after each row of kind rkLineEnd.
struct TRowsText {
  std::string Text;
  int Rows = 0;                // rows taken
  textstore::TRowKind LastKind = textstore::rkNone;  // kind of the last of them; textstore::rkNone when none was taken
};

// What the last edit did, for the views' repaint. Cleared when the update bracket closes.
struct TChangeRecord {
  int ChangedRow = 0;
  int OldRowCount = 0;
  int NewRowCount = 0;
  int RescannedRows = 0;  // rows whose scan state changed
  bool ChangePending = false;
};

class TEditorScreenStrings;

// Makes a screen-row list of class T. Whoever shows it holds a counted reference, so a list
// lives exactly as long as some view (or tool) still holds it.
template <typename T = TEditorScreenStrings>
std::shared_ptr<T> NewScreenStrings();

class TEditorScreenStrings : public textstore::TEditorStringList,
                             public std::enable_shared_from_this<TEditorScreenStrings> {
 protected:
  // Only NewScreenStrings can make one, so that the factories reach the finished class.
  class Key {
    Key() = default;
    template <typename T>
    friend std::shared_ptr<T> NewScreenStrings();
  };

 public:
  explicit TEditorScreenStrings(Key) {}

  // The views that show these rows; the first is the owner, whose state and fountain decide
  // the layout. Registration does not keep the list alive: each view also holds a reference.
  void AttachEditor(TEditorHost* Control);
  void DetachEditor(TEditorHost* Control);
  // nullptr while no view is attached.
  TEditorHost* Owner() const { return editors_.empty() ? nullptr : editors_.front(); }
  // The first view with the input focus, else the owner.
  TEditorHost* FocusedEditor() const;

  textstore::TEditorWrapOption& WrapOption() const { return *wrapOption_; }
  TEditorUndoObj& UndoObj() const { return *undoObj_; }
  bool WordWrap() const { return wordWrap_; }
  // Re-lays out the whole text (unless the owner is loading), empties the undo list and puts
  // every caret at column 0.
  void SetWordWrap(bool Value);
  const TChangeRecord& ChangeRecord() const { return change_; }

  // First and last row of the logical line that holds Row. LineEndRow gives Row itself outside
  // 0 ... Count − 2.
  int LineStartRow(int Row) const;
  int LineEndRow(int Row) const;
  // N rows from Row, or with N = −1 to the end of Row's logical line; nothing outside the list.
  TRowsText RowsText(int Row, int N) const;

  // Logical lines. A line number from 0 ... LineCount gives its first row (LineCount gives
  // Count, the place after the text); others raise EListError.
  int FirstRowOfLine(int Line) const;
  int LineCount() const;
  // The logical line that holds Row (0 ... Count).
  int RowToLine(int Row) const;

  // The edit primitive: rows Row ... Row + N − 1 are replaced by the rows of Text, and the
  // logical lines they touch are laid out again. Nothing happens for an invalid range or when
  // there is nothing to do (N = 0 and no text).
  void ReplaceRows(int Row, int N, std::string_view Text);
  // Puts the contents of NewRows in place of OldN rows from Row, carrying the row marks.
  void ReplaceRange(int Row, int OldN, const textstore::TRowAttributeStringList& NewRows);
  // Deletes N rows from Row; their marks go to the row now at Row (or the last row), or out of
  // UsedMarks when no row is left.
  void DeleteRows(int Row, int N);
  // Sets the change record that the views read when the update bracket closes.
  void RecordChange(int Row, int OldRows, int NewRows, int RescannedRows);

  // The whole text: Text cut at CR, LF and CR LF (a break at the very end makes no empty row),
  // laid out when word wrap is on, scanned. An empty Text leaves no rows.
  void LoadText(std::string_view Text);
  // The same for a Text that lies within Whole: the rows that are whole lines share Whole's
  // bytes instead of copying them.
  void LoadText(const platform::ByteString& Whole, std::string_view Text);
  // The same from a file; a byte 0x1A ends the text.
  void LoadFromFile(const std::string& FileName);
  // Re-lays out every line at the wrap width, or joins every line into one row. Marks stay on
  // their lines.
  void WrapAll();
  void UnwrapAll();
  // The owner's column rules (its tab width) changed: with word wrap on the rows are cut
  // anew, as after a change of the wrap option.
  void ColumnRulesChanged();

  // Marks every row unscanned and scans from the first row: all rows with InitBracketsFull,
  // else up to two screen heights past the top row.
  void RescanAll();
  // Brings the scan states from Row on up to date, at most two screen heights far, stopping
  // at the first row whose state did not change; returns the rows that changed. With Notify
  // each changed row is reported to the views.
  int RescanFrom(int Row, bool Notify);

  // Every view's scroll ranges and screen.
  void RefreshEditors();
  // Empties the rows, the undo list and the marks; carets to row 0, column 0.
  void Clear() override;

  // Cuts Text (which may hold several lines) into Rows, as the wrap routine does with the wrap
  // option's values and the owner's column rules; one row per line while word wrap is off or
  // the owner is loading.
  virtual void WrapLines(std::string_view Text, textstore::TRowAttributeStringList& Rows);
  // The rows WrapLines makes of one line.
  virtual int CountRows(std::string_view Line);
  virtual void ExcludeMarks(textstore::TRowMarks Marks) { usedMarks_ &= static_cast<textstore::TRowMarks>(~Marks); }
  virtual void IncludeMarks(textstore::TRowMarks Marks) { usedMarks_ |= Marks; }
  virtual void Redo() { undoObj_->Redo(); }
  virtual void Undo() { undoObj_->Undo(); }
  virtual textstore::TRowMarks UsedMarks() const { return usedMarks_; }

 protected:
  virtual std::unique_ptr<TEditorUndoObj> CreateUndoObj();
  virtual std::unique_ptr<textstore::TEditorWrapOption> CreateWrapOption();
  // Makes the undo object and the wrap option; runs once, right after construction.
  virtual void Create();
  // The closing bracket delivers the one change notice, then clears the change record and
  // keeps every caret and top row on the text.
  void SetUpdateState(bool Updating) override;
  // Structure and text changes void the line map.
  void Changing() override;

 private:
  template <typename T>
  friend std::shared_ptr<T> NewScreenStrings();

  // OnChange: every view's change handler.
  void NotifyEditors(platform::TObject* Sender);
  // The wrap option's OnChange.
  void OptionChanged(platform::TObject* Sender);
  // After a whole-text change of layout: scan, refresh, carets to column 0.
  void Relayout(bool Wrap);
  void ClearSelections();
  bool OwnerLoading() const;
  // Caret rows and top rows beyond the text go back to its end.
  void ClampCarets();
  // The wrap routine to the layout in force: cut at the wrap width when word wrap is on and
  // the owner is not loading, by the owner's tab width and word delimiters.
  void SyncLayout();
  // About how many rows laying out Text makes, a little more rather than less.
  int EstimateRows(std::string_view Text) const;
  // Rows 2 × screen height past Row, within the owner's view of the display.
  int ScanLimit(int Row) const;
  // Row's stored scan state equals Data (as storing Data would leave it).
  bool StateEquals(int Row, const textstore::TRowAttributeData& Data) const;
  // RescanAll on rows that are all unscanned already, as every whole-text layout leaves them.
  void ScanFromTop();
  // Row's state unscanned: its kind and marks stay, the scan fields are cleared.
  void MarkStale(int Row);
  // The PackedState of an unscanned row of that kind.
  static std::uint32_t StaleState(textstore::TRowKind Kind);
  // Blank rows in at At / rows out from At (their marks returned). More than a few move the
  // rows behind them once, not once per row.
  void InsertBlankRows(int At, int N);
  textstore::TRowMarks RemoveRowBlock(int At, int N);
  // Bytes of RowsText over rows First ... Last.
  size_t RowsSize(int First, int Last) const;
  const std::vector<int>& LineStarts() const;

  std::vector<TEditorHost*> editors_;
  std::unique_ptr<TEditorUndoObj> undoObj_;
  std::unique_ptr<textstore::TEditorWrapOption> wrapOption_;
  textstore::TLineWrapper wrapper_;
  bool wordWrap_ = false;
  TChangeRecord change_;
  textstore::TRowMarks usedMarks_ = 0;
  // First row of every logical line, built when asked for and voided by every change.
  mutable std::vector<int> lineStarts_;
  mutable bool lineStartsValid_ = false;
};

template <typename T>
std::shared_ptr<T> NewScreenStrings() {
  std::shared_ptr<T> list(new T(typename T::Key()));
  static_cast<TEditorScreenStrings&>(*list).Create();
  return list;
}

}  // namespace rows
