// Hit testing, search with its three hit styles, and row marks, through a fake window.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fountain/token_kind.h"
#include "tests/editor/editor_test_support.h"
#include "textstore/search.h"

namespace editor {
namespace {

using testing::EditorFixture;

// The client point of the middle of cell (row, col), the view at its top-left.
platform::TPoint Cell(TEditor& v, int row, int col) {
  return {v.TextLeft() + col * v.ColWidth() + 1, v.TextTop() + row * v.RowHeight() + 2};
}

TEST(EditorHitTest, AWrappedUrlIsFoundWholeFromEitherRow) {
  EditorFixture f;
  TEditor& v = f.view();
  v.View().SetUrl(true);
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  const std::string url = "http://example.com/abcdefghij";
  v.Lines().SetTextStr("see " + url + " end");
  ASSERT_GE(v.RowCount(), 2);
  std::string text;
  EXPECT_EQ(v.TokenStringFromPos(Cell(v, 0, 6), text), fountain::toUrl);
  EXPECT_EQ(text, url);
  EXPECT_EQ(v.TokenStringFromPos(Cell(v, 1, 2), text), fountain::toUrl);
  EXPECT_EQ(text, url);
  EXPECT_TRUE(v.SelectTokenFromPos(Cell(v, 1, 2)));
  EXPECT_EQ(v.SelText(), url);
}

TEST(EditorHitTest, NoTokenPastTheRowsEndOrOutsideTheText) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abc\r\ndef");
  // The right half of the last cell snaps to the row's end: nothing there.
  const platform::TPoint end{v.TextLeft() + 2 * v.ColWidth() + v.ColWidth() - 1, v.TextTop() + 2};
  EXPECT_EQ(v.TokenFromPos(end), fountain::toEof);
  EXPECT_EQ(v.TokenFromPos({v.TextLeft() - 1, v.TextTop() + 2}), fountain::toEof);
  EXPECT_EQ(v.TokenFromPos(Cell(v, 5, 0)), fountain::toEof);
  std::string text = "x";
  EXPECT_EQ(v.TokenStringFromPos(Cell(v, 1, 1), text), fountain::toAnk);
  EXPECT_EQ(text, "def");
}

// Rows of 100 bytes: 82 of them make the first 8 KB buffer; a match is put across its seam.
class SearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string text;
    for (int i = 0; i < 200; ++i) {
      std::string row(100, '.');
      if (i == 80) row.replace(95, 5, "FIND-");
      if (i == 81) row.replace(0, 3, "ME!");
      text += row + "\r\n";
    }
    view.Lines().SetTextStr(text);
  }
  EditorFixture f;
  TEditor& view = f.view();
};

TEST_F(SearchTest, FindsForwardAndBackwardAcrossBufferSeams) {
  EXPECT_TRUE(view.Search("..FIND", textstore::soForward));
  EXPECT_EQ(view.Row(), 80);
  EXPECT_EQ(view.SelText(), "..FIND");
  EXPECT_TRUE(view.Search("ME!", textstore::soForward));
  EXPECT_EQ(view.Row(), 81);
  EXPECT_FALSE(view.Search("ME!", textstore::soForward));  // nothing further on
  view.ClearSelection();
  view.SetRowCol(199, 0);
  EXPECT_TRUE(view.Search("FIND-", 0));  // backwards over several buffers
  EXPECT_EQ(view.ByteSelection().StartRow, 80);
  EXPECT_EQ(view.ByteSelection().StartByte, 95);
  EXPECT_EQ(view.SelText(), "FIND-");
  // Across the line break, when the options allow it.
  view.ClearSelection();
  view.SetRowCol(0, 0);
  EXPECT_TRUE(view.Search("FIND-ME!", textstore::soForward | textstore::soAcrossLineBreaks));
  EXPECT_EQ(view.SelText(), "FIND-\r\nME!");
}

// A row longer than a buffer is a buffer of its own; backwards, the match nearest before the
// start is found in it and in the rows before it.
TEST(EditorSearch, BackwardsThroughARowLongerThanABuffer) {
  EditorFixture f;
  TEditor& view = f.view();
  std::string text = "first KEY\r\n";
  std::string longRow(9000, '.');
  longRow.replace(10, 3, "KEY");
  longRow.replace(500, 3, "KEY");
  text += longRow + "\r\nlast\r\n";
  view.Lines().SetTextStr(text);
  view.SetRowCol(2, 2);
  ASSERT_TRUE(view.Search("KEY", 0));
  EXPECT_EQ(view.ByteSelection().StartRow, 1);
  EXPECT_EQ(view.ByteSelection().StartByte, 500);
  ASSERT_TRUE(view.Search("KEY", 0));
  EXPECT_EQ(view.ByteSelection().StartRow, 1);
  EXPECT_EQ(view.ByteSelection().StartByte, 10);
  ASSERT_TRUE(view.Search("KEY", 0));
  EXPECT_EQ(view.ByteSelection().StartRow, 0);
  EXPECT_EQ(view.ByteSelection().StartByte, 6);
  EXPECT_FALSE(view.Search("KEY", 0));
}

// Past the column limit a hit cannot be shown whole; the next search still goes on after it
// instead of finding it again.
TEST(EditorSearch, HitsPastTheColumnLimitAreLeftBehind) {
  EditorFixture f;
  TEditor& view = f.view();
  std::string row(3000, '.');
  row.replace(1500, 3, "KEY");
  row.replace(2500, 3, "KEY");
  view.Lines().SetTextStr(row + "\r\nKEY\r\n");
  ASSERT_TRUE(view.Search("KEY", textstore::soForward));
  EXPECT_EQ(view.Row(), 0);
  ASSERT_TRUE(view.Search("KEY", textstore::soForward));
  EXPECT_EQ(view.Row(), 0);
  ASSERT_TRUE(view.Search("KEY", textstore::soForward));
  EXPECT_EQ(view.Row(), 1);
  EXPECT_EQ(view.SelText(), "KEY");
  EXPECT_FALSE(view.Search("KEY", textstore::soForward));
  ASSERT_TRUE(view.Search("KEY", 0));  // and back: the two in the long row, then nothing
  EXPECT_EQ(view.Row(), 0);
  ASSERT_TRUE(view.Search("KEY", 0));
  EXPECT_EQ(view.Row(), 0);
  EXPECT_FALSE(view.Search("KEY", 0));
}

TEST_F(SearchTest, HitStylesDecideWhetherTheHitIsASelection) {
  testing::FakeWindow& window = f.window;
  window.SetFocus();
  EXPECT_TRUE(view.Search("FIND", textstore::soForward));
  EXPECT_TRUE(view.Selected());  // hsSelect: copyable
  view.SetHitStyle(hsDraw);
  view.SetRowCol(0, 0);
  EXPECT_TRUE(view.Search("FIND", textstore::soForward));
  EXPECT_EQ(view.SelState(), ssHit);
  EXPECT_FALSE(view.Selected());
  EXPECT_EQ(view.SelText(), "");  // a drawn hit is not copied
  view.SetHitStyle(hsCaret);
  view.SetRowCol(0, 0);
  EXPECT_TRUE(view.Search("FIND", textstore::soForward));
  EXPECT_EQ(view.Row(), 80);
  EXPECT_EQ(view.Col(), 95);  // at the match start
  EXPECT_EQ(window.caretSize.Width, 4 * view.ColWidth());  // a block over the match
  view.ClearSelection();
  EXPECT_EQ(window.caretSize.Width, 2);
}

TEST(EditorMarks, BookmarksAreUniqueAndOtherNumbersAreIgnored) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr(testing::NumberedLines(100));
  v.PutMark(1, 3);
  v.PutMark(1, 7);
  v.PutMark(5, 3);  // bookmark 3 moves to row 5
  EXPECT_FALSE(v.RowHasMark(1, 3));
  EXPECT_TRUE(v.RowHasMark(1, 7));
  EXPECT_TRUE(v.RowHasMark(5, 3));
  v.PutMark(2, 12);
  v.PutMark(2, 12);
  v.PutMark(6, 12);  // free marks may stand on several rows
  EXPECT_TRUE(v.RowHasMark(2, 12));
  EXPECT_TRUE(v.RowHasMark(6, 12));
  const std::uint16_t before = v.ScreenStrings().RowMarks(9);
  v.PutMark(9, 16);  // no such mark: no other bit changes
  v.PutMark(9, -1);
  EXPECT_EQ(v.ScreenStrings().RowMarks(9), before);
  v.PutMark(80, 4);
  v.GotoMark(4);
  EXPECT_EQ(v.Row(), 80);
  EXPECT_LE(v.TopRow(), 80);
  EXPECT_GE(v.TopRow() + v.VisibleRowCount(), 80);
  v.DeleteMark(80, 4);
  EXPECT_FALSE(v.RowHasMark(80, 4));
}

}  // namespace
}  // namespace editor
