#pragma once
// What the screen-row list needs of a text view that shows it. The view implements this; the
// row list and Lines reach their views only through it. Rows are screen rows from 0.

#include <memory>

#include "textstore/word_delimiters.h"

namespace fountain {
class TFountain;
}

namespace rows {

class TEditorScreenStrings;

class TEditorHost {
 public:
  virtual ~TEditorHost() = default;

  // The row list the view shows now (a view may be switched to a shared one).
  virtual TEditorScreenStrings& ScreenStrings() = 0;

  // State read for layout decisions; the row list asks its first view.
  virtual bool Loading() const = 0;     // being loaded from its form: no wrap or scan yet
  virtual bool Destroying() const = 0;  // being torn down: no scan
  virtual bool Focused() const = 0;
  // Rows of the view's height that fit on the display: how far ahead rows are scanned.
  virtual int ScreenRows() const = 0;
  virtual int TopRow() const = 0;
  virtual int CaretRow() const = 0;
  virtual int CaretCol() const = 0;
  virtual bool InitBracketsFull() const = 0;  // scan every row at once, not only near the view
  // The fountain the rows are scanned with; nullptr leaves every row unscanned.
  virtual fountain::TFountain* ActiveFountain() const = 0;
  // The view's column rules: columns per tab stop, and the bytes that end a word.
  virtual int TabSpaceCount() const = 0;
  virtual const textstore::ByteSet& WordDelimiters() const = 0;

  // Calls from the row list and Lines.
  virtual void ClearSelection() = 0;
  // A line operation runs between these, so the caret and the screen are updated once.
  virtual void BeginEdit() = 0;
  virtual void EndEdit() = 0;
  // The caret to Offset bytes after the start of Row, counted over the rows that follow it
  // (a line end as two bytes).
  virtual void SetCaretOffset(int Row, int Offset) = 0;
  // Plain stores of the caret's row and column and of the top row, without scrolling.
  virtual void SetCaretRow(int Row) = 0;
  virtual void SetCaretCol(int Col) = 0;
  virtual void SetTopRow(int Row) = 0;
  // Recompute the scroll ranges and repaint.
  virtual void RefreshScreen() = 0;
  // The row list changed; its change record says how (read it during the call).
  virtual void RowsChanged() = 0;
  // A re-scan gave Row another start state: its tokens may look different.
  virtual void RowStateChanged(int Row) = 0;
  // Lines opens (true) and closes (false) a batch of line operations: the view stops
  // redrawing until the batch ends.
  virtual void LinesUpdating(bool Updating) = 0;
};

// Holds a view's edit bracket open for one scope; nothing without a view.
class TEditGuard {
 public:
  explicit TEditGuard(TEditorHost* Editor) : editor_(Editor) {
    if (editor_ != nullptr) editor_->BeginEdit();
  }
  TEditGuard(const TEditGuard&) = delete;
  TEditGuard& operator=(const TEditGuard&) = delete;
  ~TEditGuard() {
    if (editor_ != nullptr) editor_->EndEdit();
  }

 private:
  TEditorHost* editor_;
};

// A view that shows a row list without a window: every request is answered with the defaults
// of a view at the top of an unfocused text, and every notice is ignored. Tools and tests
// derive from it and override what they need. It holds its row list and is attached to it for
// its whole life.
class TNullEditorHost : public TEditorHost {
 public:
  explicit TNullEditorHost(std::shared_ptr<TEditorScreenStrings> Rows);
  TNullEditorHost(const TNullEditorHost&) = delete;
  TNullEditorHost& operator=(const TNullEditorHost&) = delete;
  ~TNullEditorHost() override;

  TEditorScreenStrings& ScreenStrings() override { return *rows_; }
  bool Loading() const override { return false; }
  bool Destroying() const override { return false; }
  bool Focused() const override { return false; }
  int ScreenRows() const override { return 40; }
  int TopRow() const override { return 0; }
  int CaretRow() const override { return 0; }
  int CaretCol() const override { return 0; }
  bool InitBracketsFull() const override { return true; }
  fountain::TFountain* ActiveFountain() const override { return nullptr; }
  int TabSpaceCount() const override { return 8; }
  const textstore::ByteSet& WordDelimiters() const override;
  void ClearSelection() override {}
  void BeginEdit() override {}
  void EndEdit() override {}
  void SetCaretOffset(int, int) override {}
  void SetCaretRow(int) override {}
  void SetCaretCol(int) override {}
  void SetTopRow(int) override {}
  void RefreshScreen() override {}
  void RowsChanged() override {}
  void RowStateChanged(int) override {}
  void LinesUpdating(bool) override {}

 private:
  std::shared_ptr<TEditorScreenStrings> rows_;
};

}  // namespace rows
