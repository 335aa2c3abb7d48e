// Undo and redo of edits of the screen-row list: round trips with the caret, the kind of a
// restored last row, the length limit and the end of redo at a new edit.
#include "rows/undo.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/rows/fake_editor_host.h"
#include "rows/editor_strings.h"
#include "rows/screen_strings.h"

namespace rows {
namespace {

using testing::Dump;
using testing::FakeEditorHost;

class UndoTest : public ::testing::Test {
 protected:
  FakeEditorHost host;
  TEditorScreenStrings& rows = host.ScreenStrings();
  TEditorUndoObj& undo = rows.UndoObj();
  TEditorStrings lines{host};
};

TEST_F(UndoTest, UndoAndRedoRoundTripWithTheCaret) {
  lines.SetTextStr("one\r\ntwo\r\nthree");
  host.caretRow = 1;
  host.caretCol = 2;
  rows.ReplaceRows(1, 1, "2\r\n2b\r\n");
  EXPECT_EQ(lines.GetTextStr(), "one\r\n2\r\n2b\r\nthree");
  host.caretRow = 3;
  host.caretCol = 0;

  const size_t notices = host.changes.size();
  rows.Undo();
  EXPECT_EQ(lines.GetTextStr(), "one\r\ntwo\r\nthree");
  EXPECT_EQ(Dump(rows), "one$two$three.");
  EXPECT_EQ(host.changes.size(), notices + 1);
  EXPECT_EQ(host.changes.back().ChangedRow, 1);
  EXPECT_EQ(host.changes.back().OldRowCount, 3);
  EXPECT_EQ(host.changes.back().NewRowCount, 2);
  EXPECT_EQ(std::pair(host.caretRow, host.caretCol), std::pair(1, 2));
  EXPECT_EQ(host.editDepth, 0);
  EXPECT_FALSE(undo.CanUndo());
  EXPECT_TRUE(undo.CanRedo());

  // Redo puts the caret where it was when the edit was undone.
  rows.Redo();
  EXPECT_EQ(lines.GetTextStr(), "one\r\n2\r\n2b\r\nthree");
  EXPECT_EQ(std::pair(host.caretRow, host.caretCol), std::pair(3, 0));
  EXPECT_TRUE(undo.CanUndo());
  EXPECT_FALSE(undo.CanRedo());
  rows.Undo();
  rows.Redo();
  EXPECT_EQ(lines.GetTextStr(), "one\r\n2\r\n2b\r\nthree");

  // Nothing to do: no notice.
  undo.Clear();
  const size_t before = host.changes.size();
  rows.Undo();
  rows.Redo();
  EXPECT_EQ(host.changes.size(), before);
}

TEST_F(UndoTest, UndoingADeletedLastLineBringsBackItsMissingLineBreak) {
  lines.SetTextStr("a\r\nb");
  lines.Delete(1);
  EXPECT_EQ(Dump(rows), "a$");
  rows.Undo();
  EXPECT_EQ(Dump(rows), "a$b.");
  rows.Redo();
  EXPECT_EQ(Dump(rows), "a$");

  // Pure insertions undo by deleting what they put in.
  lines.Add("c");
  lines.Insert(0, "z");
  EXPECT_EQ(Dump(rows), "z$a$c$");
  rows.Undo();
  rows.Undo();
  EXPECT_EQ(Dump(rows), "a$");
}

TEST_F(UndoTest, KeepsAtMostTheLimitAndNeverFewerThan64) {
  undo.SetUndoListMax(10);
  EXPECT_EQ(undo.UndoListMax(), 64);
  undo.SetUndoListMax(65);
  EXPECT_EQ(undo.UndoListMax(), 65);
  undo.SetUndoListMax(64);

  lines.SetTextStr("start\r\n");
  for (int i = 0; i < 65; ++i) lines.Add(std::to_string(i));
  EXPECT_EQ(undo.UndoList().Count(), 64);
  while (undo.CanUndo()) rows.Undo();
  EXPECT_EQ(lines.GetTextStr(), "start\r\n0\r\n");  // the first edit stays
}

TEST_F(UndoTest, ANewEditEmptiesTheRedoList) {
  lines.SetTextStr("a\r\n");
  lines.Add("b");
  lines.Add("c");
  rows.Undo();
  rows.Undo();
  EXPECT_EQ(undo.RedoList().Count(), 2);
  lines.Add("d");
  EXPECT_FALSE(undo.CanRedo());
  EXPECT_EQ(lines.GetTextStr(), "a\r\nd\r\n");

  // Text changes that replace the whole text start over.
  lines.SetTextStr("x");
  EXPECT_FALSE(undo.CanUndo());
}

TEST_F(UndoTest, RecordsTheFocusedView) {
  FakeEditorHost second(rows.shared_from_this());
  second.focused = true;
  lines.SetTextStr("a\r\nb\r\n");
  second.caretRow = 1;
  second.caretCol = 3;
  rows.ReplaceRows(0, 1, "x\r\n");
  EXPECT_EQ(undo.UndoList().Last().CaretRow, 1);
  EXPECT_EQ(undo.UndoList().Last().CaretCol, 3);
  second.caretRow = 0;
  rows.Undo();
  EXPECT_EQ(second.caretRow, 1);
  EXPECT_EQ(second.changes.size(), host.changes.size());  // every view hears every change
  EXPECT_EQ(host.editDepth, 0);
  EXPECT_EQ(second.editDepth, 0);
}

}  // namespace
}  // namespace rows
