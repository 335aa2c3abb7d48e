// The view's metrics and scrolling through a fake window: visible counts, scroll ranges, page
// and line moves, point-to-cell mapping.
#include <gtest/gtest.h>

#include "editor/editor_messages.h"
#include "tests/editor/editor_test_support.h"

namespace editor {
namespace {

using platform::TScrollAxis;
using testing::EditorFixture;
using testing::NumberedLines;

// Font 8 x 16 from the fake window, Margin.Top 2, Margin.Left 19, no bars but the image bar
// (2 + 8 + 0 + 2 = 12 wide): text top 2, text left 31, row height 16.
TEST(EditorMetrics, VisibleCountsFollowTheScrollBarsShown) {
  EditorFixture f({343, 200});
  TEditor& v = f.view();
  EXPECT_EQ(v.ColWidth(), 8);
  EXPECT_EQ(v.FontHeight(), 16);
  EXPECT_EQ(v.TextTop(), 2);
  EXPECT_EQ(v.TextLeft(), 31);
  // Rows: (200 - 2 - 5) div 16 = 12; columns: (343 - 31 - 4) div 8 = 38.
  EXPECT_EQ(v.VisibleRowCount(), 12);
  EXPECT_EQ(v.VisibleColCount(), 38);

  v.SetScrollBars(ssBoth);  // the 16-pixel bars come off both counts
  EXPECT_EQ(v.VisibleRowCount(), 11);
  EXPECT_EQ(v.VisibleColCount(), 36);
  EXPECT_TRUE(f.window.barShown[TScrollAxis::Horizontal]);
  EXPECT_TRUE(f.window.barShown[TScrollAxis::Vertical]);
  v.SetScrollBars(ssHorizontal);
  EXPECT_EQ(v.VisibleRowCount(), 11);
  EXPECT_EQ(v.VisibleColCount(), 38);
  EXPECT_FALSE(f.window.barShown[TScrollAxis::Vertical]);
}

TEST(EditorMetrics, TinyWindowsKeepOneRowAndNoNegativeColumns) {
  EditorFixture f({10, 5});
  EXPECT_EQ(f.view().VisibleRowCount(), 1);
  EXPECT_EQ(f.view().VisibleColCount(), 0);
  // A zero-sized font must not divide by zero anywhere.
  f.window.metrics = {0, 0, 0, 0, 0, false};
  f.view().Font().SetSize(1);
  EXPECT_GE(f.view().ColWidth(), 1);
  EXPECT_GE(f.view().RowHeight(), 1);
  int row = -1, col = -1;
  f.view().PosToRowCol(100, 100, row, col, true);
  EXPECT_GE(col, 0);
}

TEST(EditorMetrics, RowHeightAddsTheLineMarginAndTheUnderlineAllowance) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Margin().SetLine(3);
  EXPECT_EQ(v.RowHeight(), 19);
  v.Marks().Underline().SetVisible(true);
  EXPECT_EQ(v.Margin().UnderlineAllowance(), 1);
  EXPECT_EQ(v.RowHeight(), 20);
  v.Marks().Underline().SetVisible(false);
  EXPECT_EQ(v.RowHeight(), 19);
  // Column width grows by the character margin; the ruler moves the text down.
  v.Margin().SetCharacter(2);
  EXPECT_EQ(v.ColWidth(), 10);
  v.Ruler().SetVisible(true);
  EXPECT_EQ(v.TextTop(), 2 + 11);
  v.Ruler().SetEdge(false);
  EXPECT_EQ(v.TextTop(), 2 + 10);
}

TEST(EditorMetrics, LineNumberBarWidthCountsTheDigitsOfTheLargestNumber) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Imagebar().SetVisible(false);
  v.Leftbar().SetVisible(true);
  // Four digits at least: 8 + 4 x 8 + 4 + 2.
  EXPECT_EQ(v.LeftbarWidth(), 46);
  EXPECT_EQ(v.TextLeft(), 19 + 46);
  v.Lines().SetTextStr(NumberedLines(123456));  // rows 1 ... 123456: six digits
  EXPECT_EQ(v.LeftbarWidth(), 8 + 6 * 8 + 4 + 2);
  const int cols = v.VisibleColCount();
  EXPECT_EQ(cols, (640 - v.TextLeft() - 4) / 8);  // the text area moved right
}

TEST(EditorScrollRanges, EmptyTextOffersOneStepButStaysAtTheTop) {
  EditorFixture f({640, 343});  // 21 visible rows
  TEditor& v = f.view();
  v.SetScrollBars(ssVertical);
  EXPECT_EQ(v.MaxTopRow(), 20);
  const platform::TScrollInfo bar = f.window.bars[TScrollAxis::Vertical];
  EXPECT_EQ(bar.Max, 21);
  EXPECT_EQ(bar.Page, 21);
  EXPECT_TRUE(bar.Enabled);
  v.ScrollBarAction(TScrollAxis::Vertical, platform::SB_LINEDOWN, 0);
  EXPECT_EQ(v.TopRow(), 0);
  EXPECT_EQ(v.Row(), 0);
  EXPECT_EQ(v.Col(), 0);
}

TEST(EditorScrollRanges, BarsFollowTheTextAndTheColumnLimit) {
  EditorFixture f({640, 343});
  TEditor& v = f.view();
  v.SetScrollBars(ssBoth);
  v.Lines().SetTextStr(NumberedLines(100));
  const int rows = v.VisibleRowCount();
  EXPECT_EQ(v.MaxTopRow(), 100 + rows - 1);
  EXPECT_EQ(f.window.bars[TScrollAxis::Vertical],
            (platform::TScrollInfo{0, 100 + rows - 1, rows, 0, true}));
  const int cols = v.VisibleColCount();
  EXPECT_EQ(f.window.bars[TScrollAxis::Horizontal],
            (platform::TScrollInfo{0, cols / 2 + 1000, cols, 0, true}));
  // The right edge stops where half a screen of columns past 1000 would begin.
  v.ScrollBarAction(TScrollAxis::Horizontal, platform::SB_BOTTOM, 0);
  EXPECT_EQ(v.TopCol(), 1000 - cols / 2);
  EXPECT_EQ(v.HorzOffset(), v.TopCol() * v.ColWidth());
}

TEST(EditorScrolling, LineMessagesScrollUntilNoRowIsLeft) {
  EditorFixture f({640, 343});
  TEditor& v = f.view();
  v.Lines().SetTextStr(NumberedLines(5));
  for (int i = 0; i < 10; ++i) v.Perform(WM_VSCROLL, platform::SB_LINEDOWN, 0);
  EXPECT_EQ(v.TopRow(), 5);
  EXPECT_EQ(v.Row(), 0);  // without LockScroll the caret keeps its row
  v.Perform(WM_VSCROLL, platform::SB_TOP, 0);
  EXPECT_EQ(v.TopRow(), 0);
  // The thumb position travels in the message's high word.
  v.Perform(WM_VSCROLL, platform::SB_THUMBTRACK | (3u << 16), 0);
  EXPECT_EQ(v.TopRow(), 3);
  v.SetRow(4);
  v.Caret().SetLockScroll(true);  // the caret row moves with the view
  v.Perform(WM_VSCROLL, platform::SB_LINEUP, 0);
  EXPECT_EQ(v.TopRow(), 2);
  EXPECT_EQ(v.Row(), 3);
}

TEST(EditorScrolling, PageMovesDependOnTheVisibleRowCount) {
  EditorFixture odd({640, 343});  // 21 rows: pages of 20
  odd.view().Lines().SetTextStr(NumberedLines(200));
  odd.view().PageScroll(1);
  EXPECT_EQ(odd.view().TopRow(), 20);
  EXPECT_EQ(odd.view().Row(), 20);

  EditorFixture even({640, 327});  // 20 rows: pages of 18
  ASSERT_EQ(even.view().VisibleRowCount(), 20);
  even.view().Lines().SetTextStr(NumberedLines(200));
  even.view().PageScroll(1);
  EXPECT_EQ(even.view().TopRow(), 18);
  even.view().PageScroll(-1);
  even.view().PageScroll(-1);
  EXPECT_EQ(even.view().TopRow(), 0);
  EXPECT_EQ(even.view().Row(), 0);
}

TEST(EditorScrolling, PageDownNeverLeavesTheCaretPastTheText) {
  EditorFixture f({640, 343});
  TEditor& v = f.view();
  v.Lines().SetTextStr(NumberedLines(25));  // the last row has no line break
  v.SetRow(10);
  v.PageScroll(1);
  EXPECT_EQ(v.TopRow(), 20);
  EXPECT_EQ(v.Row(), 24);  // 30 would be past the end
  v.PageScroll(1);  // the last row is not the top row yet
  v.PageScroll(1);
  EXPECT_LE(v.Row(), 24);
  EXPECT_LE(v.TopRow(), 25);
}

TEST(EditorScrolling, ScrollingShiftsPixelsAndPaintsOnlyTheExposedBand) {
  EditorFixture f({640, 343});
  TEditor& v = f.view();
  v.Lines().SetTextStr(NumberedLines(200));
  f.window.ClearLog();
  int changes = 0;
  struct Counter : platform::TObject {
    int* count;
    void Changed(platform::TObject*) { ++*count; }
  } counter;
  counter.count = &changes;
  v.OnTopRowChange = {&counter, &Counter::Changed};
  v.SetTopRow(1);
  ASSERT_EQ(f.window.scrolls.size(), 1u);
  EXPECT_EQ(f.window.scrolls[0].dy, -16);
  EXPECT_EQ(f.window.scrolls[0].area.Top, v.TextTop());
  ASSERT_EQ(f.window.painted.size(), 1u);
  EXPECT_EQ(f.window.painted[0].Height(), 16);
  EXPECT_EQ(changes, 1);
  // A jump further than the view shifts by one view and a row at most.
  f.window.ClearLog();
  v.SetTopRow(150);
  EXPECT_EQ(f.window.scrolls[0].dy, -(v.VisibleRowCount() + 1) * 16);
  v.SetTopRow(150);  // no change, no shift, no event
  EXPECT_EQ(f.window.scrolls.size(), 1u);
  EXPECT_EQ(changes, 2);
}

TEST(EditorPositions, PointsMapToCellsWithSnapAndFloorLeftOfTheText) {
  EditorFixture f;
  TEditor& v = f.view();
  const int left = v.TextLeft();  // 31
  int row = 0, col = 0;
  v.PosToRowCol(left + 3, 2 + 16 * 2 + 5, row, col, true);  // left half of cell 0
  EXPECT_EQ(col, 0);
  EXPECT_EQ(row, 2);
  v.PosToRowCol(left + 4, 2, row, col, true);  // the middle pixel still rounds down
  EXPECT_EQ(col, 0);
  v.PosToRowCol(left + 5, 2, row, col, true);  // right half: the next column
  EXPECT_EQ(col, 1);
  v.PosToRowCol(left + 7, 2, row, col, false);
  EXPECT_EQ(col, 0);
  v.PosToRowCol(left - 1, 2, row, col, false);  // left of the text never goes negative
  EXPECT_EQ(col, 0);
  v.SetTopCol(10);
  v.PosToRowCol(left - 1, 2, row, col, false);  // but counts a column back when scrolled
  EXPECT_EQ(col, 9);
  v.PosToRowCol(left, 1, row, col, false);  // above the text top: the row before
  EXPECT_EQ(row, 0);  // (1 - 2) div 16 truncates to 0
}

TEST(EditorPositions, CaretPosFollowsTheStyle) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abc\r\ndef");
  v.SetRowCol(1, 2);
  EXPECT_EQ(v.CaretPos(), (platform::TPoint{31 + 16, 2 + 16}));
  v.Caret().SetStyle(csBrief);
  EXPECT_EQ(v.CaretPos(), (platform::TPoint{31 + 16, 2 + 16 + 14}));
}

TEST(EditorCaretDisplay, TheCaretHidesWhenAResizeLeavesItOutsideTheView) {
  EditorFixture f({640, 343});
  TEditor& v = f.view();
  v.Lines().SetTextStr(NumberedLines(100));
  f.window.SetFocus();
  v.SetRowCol(15, 1);
  EXPECT_TRUE(f.window.caretShown);
  f.window.Resize({640, 120});  // 7 rows: row 15 is below them
  EXPECT_FALSE(f.window.caretShown);
  f.window.Resize({640, 343});
  EXPECT_TRUE(f.window.caretShown);
  EXPECT_EQ(f.window.caretPos, v.CaretPos());
}

}  // namespace
}  // namespace editor
