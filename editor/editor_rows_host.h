#pragma once
// The view as the screen-row list sees it: TEditor's answers to the row list's questions and
// its handling of the row list's notices. Kept apart from TEditor's own interface, whose
// SetTopRow scrolls where the row list's only stores.

#include "editor/editor.h"
#include "rows/editor_host.h"

namespace editor {

class TEditor::RowsHost : public rows::TEditorHost {
 public:
  explicit RowsHost(TEditor& Editor) : editor_(Editor) {}

  rows::TEditorScreenStrings& ScreenStrings() override { return *editor_.screen_; }
  bool Loading() const override { return editor_.loading_; }
  bool Destroying() const override { return editor_.destroying_; }
  bool Focused() const override;
  int ScreenRows() const override;
  int TopRow() const override { return editor_.topRow_; }
  int CaretRow() const override { return editor_.row_; }
  int CaretCol() const override { return editor_.col_; }
  bool InitBracketsFull() const override { return editor_.speed_->InitBracketsFull(); }
  fountain::TFountain* ActiveFountain() const override { return &editor_.ActiveFountain(); }
  int TabSpaceCount() const override { return editor_.caret_->TabSpaceCount(); }
  const textstore::ByteSet& WordDelimiters() const override { return editor_.wordDelimiters_; }

  void ClearSelection() override {}
  void BeginEdit() override;
  void EndEdit() override;
  void SetCaretOffset(int Row, int Offset) override;
  void SetCaretRow(int Row) override { editor_.row_ = Row; }
  void SetCaretCol(int Col) override { editor_.col_ = Col; }
  void SetTopRow(int Row) override { editor_.topRow_ = Row; }
  void RefreshScreen() override { editor_.RefreshScreen(); }
  void RowsChanged() override { editor_.RowsChanged(); }
  void RowStateChanged(int Row) override;
  void LinesUpdating(bool Updating) override;

 private:
  TEditor& editor_;
};

}  // namespace editor
