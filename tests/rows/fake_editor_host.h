#pragma once
// A text view stand-in for the row list: state the tests set, and a log of what the row list
// asked of it.

#include <string>
#include <utility>
#include <vector>

#include "fountain/editor_fountain.h"
#include "platform/component.h"
#include "rows/editor_host.h"
#include "rows/screen_strings.h"

namespace rows::testing {

class FakeEditorHost : public TNullEditorHost {
 public:
  // Attaches itself to Rows, or to a new row list.
  explicit FakeEditorHost(std::shared_ptr<TEditorScreenStrings> Rows = NewScreenStrings())
      : TNullEditorHost(std::move(Rows)) {}

  bool Loading() const override { return loading; }
  bool Focused() const override { return focused; }
  int ScreenRows() const override { return screenRows; }
  int TopRow() const override { return topRow; }
  int CaretRow() const override { return caretRow; }
  int CaretCol() const override { return caretCol; }
  bool InitBracketsFull() const override { return initBracketsFull; }
  fountain::TFountain* ActiveFountain() const override { return fountain.get(); }

  void ClearSelection() override { ++selectionClears; }
  void BeginEdit() override { ++editDepth; }
  void EndEdit() override { --editDepth; }
  void SetCaretOffset(int Row, int Offset) override { caretOffset = {Row, Offset}; }
  void SetCaretRow(int Row) override { caretRow = Row; }
  void SetCaretCol(int Col) override { caretCol = Col; }
  void SetTopRow(int Row) override { topRow = Row; }
  void RefreshScreen() override { ++refreshes; }
  void RowsChanged() override { changes.push_back(ScreenStrings().ChangeRecord()); }
  void RowStateChanged(int Row) override { stateChanges.push_back(Row); }
  void LinesUpdating(bool Updating) override { linesUpdating = Updating; }

  // Set by the tests.
  bool loading = false;
  bool focused = false;
  bool initBracketsFull = true;
  int screenRows = 10;
  int topRow = 0;
  int caretRow = 0;
  int caretCol = 0;
  std::unique_ptr<fountain::TEditorFountain> fountain =
      platform::NewComponent<fountain::TEditorFountain>(nullptr);

  // What the row list did.
  int selectionClears = 0;
  int editDepth = 0;
  int refreshes = 0;
  bool linesUpdating = false;
  std::pair<int, int> caretOffset{-1, -1};
  std::vector<TChangeRecord> changes;  // the change record at each notice
  std::vector<int> stateChanges;
};

// The rows, each followed by its kind: '$' line end, '~' wrapped, '.' text end.
inline std::string Dump(const textstore::TRowAttributeStringList& Rows) {
  std::string dump;
  for (int i = 0; i < Rows.Count(); ++i) {
    dump += Rows.Get(i).view();
    dump += "$~.?"[Rows.RowKind(i)];
  }
  return dump;
}

}  // namespace rows::testing
