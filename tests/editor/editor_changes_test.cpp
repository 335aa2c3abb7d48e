// How the view follows changes: the change refresh (what is repainted and shifted after an
// edit), option changes, the fountain reference, and the edit-control messages of this layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "editor/editor_messages.h"
#include "fountain/editor_fountain.h"
#include "tests/editor/editor_test_support.h"

namespace editor {
namespace {

using testing::EditorFixture;
using testing::NumberedLines;

// 21 visible rows of 16 pixels from y = 2.
class ChangeRefreshTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view.Lines().SetTextStr(NumberedLines(100));
    f.window.ClearLog();
  }
  int RowTop(int row) const { return 2 + 16 * row; }
  platform::TRect PaintedUnion() const {
    platform::TRect all;
    for (const platform::TRect& rect : f.window.painted) all = all.Union(rect);
    return all;
  }

  EditorFixture f{{640, 343}};
  TEditor& view = f.view();
};

TEST_F(ChangeRefreshTest, AnEditInPlaceRepaintsOnlyTheRowsItReplaced) {
  view.Lines().Put(5, "five");  // replaces rows 5 and 6 (the line and the next one's start)
  EXPECT_TRUE(f.window.scrolls.empty());
  // The whole rows, the bars left of the text too.
  EXPECT_EQ(PaintedUnion(), (platform::TRect{0, RowTop(5), 640, RowTop(7)}));
}

TEST_F(ChangeRefreshTest, InsertedRowsShiftTheRowsBelowDown) {
  view.Lines().Insert(5, "new");
  ASSERT_EQ(f.window.scrolls.size(), 1u);
  EXPECT_EQ(f.window.scrolls[0].dy, 16);
  // Row 5 became rows 5 and 6, which are painted; what stood at row 6 moves to row 7.
  EXPECT_EQ(f.window.scrolls[0].area.Top, RowTop(6));
  EXPECT_EQ(PaintedUnion(), (platform::TRect{0, RowTop(5), 640, RowTop(7)}));
}

TEST_F(ChangeRefreshTest, DeletedRowsShiftTheRowsBelowUp) {
  view.Lines().Delete(5);
  ASSERT_EQ(f.window.scrolls.size(), 1u);
  EXPECT_EQ(f.window.scrolls[0].dy, -16);
  EXPECT_EQ(f.window.scrolls[0].area.Top, RowTop(5));
}

TEST_F(ChangeRefreshTest, ChangesLargerThanTheViewRepaintTheTextArea) {
  std::string many;
  for (int i = 0; i < 30; ++i) many += "x\r\n";
  view.Lines().Insert(3, many + "x");
  const auto& painted = f.window.painted;
  EXPECT_NE(std::find(painted.begin(), painted.end(), platform::TRect{0, 2, 640, 343}),
            painted.end());
}

TEST_F(ChangeRefreshTest, ChangesAboveTheViewMoveTheVisibleRows) {
  view.SetTopRow(50);
  f.window.ClearLog();
  view.Lines().Insert(10, "above");
  ASSERT_FALSE(f.window.scrolls.empty());  // (the caret follows the insert afterwards)
  EXPECT_EQ(f.window.scrolls[0].area.Top, RowTop(0));
  EXPECT_EQ(f.window.scrolls[0].dy, 16);
}

TEST(EditorOptions, ATabWidthChangeReWrapsTheRows) {
  EditorFixture f;
  TEditor& v = f.view();
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  v.Lines().SetTextStr("a\tb\tc\td\te");  // tabs of 8: 33 columns, two rows
  EXPECT_EQ(v.RowCount(), 2);
  v.Caret().SetTabSpaceCount(2);  // 9 columns: one row
  EXPECT_EQ(v.RowCount(), 1);
  v.Caret().SetTabSpaceCount(8);
  EXPECT_EQ(v.RowCount(), 2);
}

TEST(EditorOptions, FontChangesWhileScrolledSidewaysBringTheCaretBack) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr(std::string(300, 'a'));
  f.window.focused = true;
  v.SetRowCol(0, 200);
  ASSERT_GT(v.TopCol(), 0);
  v.Font().SetSize(14);
  EXPECT_EQ(v.Col(), 0);
  EXPECT_EQ(v.TopCol(), 0);
  EXPECT_EQ(f.window.fonts.back().Height, -19);
}

TEST(EditorOptions, UndoListMaxHasAFloorOf64) {
  EditorFixture f;
  f.view().SetUndoListMax(10);
  EXPECT_EQ(f.view().UndoListMax(), 64);
  f.view().SetUndoListMax(100);
  EXPECT_EQ(f.view().UndoListMax(), 100);
}

TEST(EditorFountain, AnAssignedFountainIsDroppedWhenItIsFreed) {
  EditorFixture f;
  TEditor& v = f.view();
  auto mine = platform::NewComponent<fountain::TEditorFountain>(nullptr);
  v.SetFountain(mine.get());
  EXPECT_EQ(&v.ActiveFountain(), mine.get());
  const int paints = static_cast<int>(f.window.painted.size());
  mine->Colors().Url().SetColor(platform::clRed);  // its changes reach the view
  EXPECT_GT(static_cast<int>(f.window.painted.size()), paints);
  mine.reset();
  EXPECT_EQ(v.Fountain(), nullptr);
  EXPECT_EQ(&v.ActiveFountain(), &v.View().Fountain());
}

TEST(EditorMessages, AnswerWithTheRowsAndTheirLineEnds) {
  EditorFixture f;
  TEditor& v = f.view();
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  v.Lines().SetTextStr(std::string(25, 'a') + "\r\nbc\r\nd");  // rows: 20~ 5$ 2$ 1.
  EXPECT_EQ(v.Perform(EM_GETLINECOUNT, 0, 0), 4);
  EXPECT_EQ(v.Perform(EM_LINEINDEX, 1, 0), 20);  // a wrap counts nothing
  EXPECT_EQ(v.Perform(EM_LINEINDEX, 2, 0), 27);  // a line end two
  EXPECT_EQ(v.Perform(EM_LINEINDEX, 4, 0), -1);
  EXPECT_EQ(v.Perform(WM_GETTEXTLENGTH, 0, 0), 25 + 2 + 2 + 2 + 1);
  char buffer[8] = {};
  const std::uint16_t size = 2;
  std::memcpy(buffer, &size, sizeof size);
  EXPECT_EQ(v.Perform(EM_GETLINE, 2, reinterpret_cast<std::intptr_t>(buffer)), 2);
  EXPECT_EQ(std::string(buffer, 2), "bc");
}

TEST(EditorMessages, ReadOnlyBlocksUndoAndTheModifyFlag) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("one");
  v.Lines().Put(0, "two");
  ASSERT_TRUE(v.CanUndo());
  v.Perform(EM_SETREADONLY, 1, 0);
  EXPECT_EQ(v.Perform(EM_CANUNDO, 0, 0), 0);
  EXPECT_EQ(v.Perform(EM_UNDO, 0, 0), 0);
  v.Perform(EM_SETMODIFY, 0, 0);
  EXPECT_EQ(v.Perform(EM_GETMODIFY, 0, 0), 1);
  v.Perform(EM_SETREADONLY, 0, 0);
  EXPECT_EQ(v.Perform(EM_UNDO, 0, 0), 1);
  EXPECT_EQ(v.Lines().Get(0), "one");
}

}  // namespace
}  // namespace editor
