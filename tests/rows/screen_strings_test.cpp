// The screen-row list: the text round trip, lines against rows, the edit primitive on each of
// its paths, row marks, change notices, whole-text layout and file loading.
#include "rows/screen_strings.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/errors.h"
#include "tests/support/scratch_dir.h"
#include "tests/rows/fake_editor_host.h"
#include "rows/editor_strings.h"

namespace rows {
namespace {

using testing::Dump;
using testing::FakeEditorHost;

// Letters a-z over and over, `size` of them.
std::string Letters(size_t size, char first = 'a') {
  std::string line;
  for (size_t i = 0; i < size; ++i) line += static_cast<char>('a' + (first - 'a' + i) % 26);
  return line;
}

class ScreenStringsTest : public ::testing::Test {
 protected:
  FakeEditorHost host;
  TEditorScreenStrings& rows = host.ScreenStrings();
  TEditorStrings lines{host};

  // Word wrap on at Width columns (the default rules: no hanging, no word break).
  void Wrap(int Width) {
    rows.WrapOption().SetWrapByte(Width);
    rows.SetWordWrap(true);
  }
};

TEST_F(ScreenStringsTest, TextComesBackWithItsLineBreaks) {
  struct Case {
    const char* text;
    const char* rows;
    const char* back;
    int count;
  };
  const Case cases[] = {
      {"", "", "", 0},
      {"a", "a.", "a", 1},
      {"a\r\n", "a$", "a\r\n", 1},
      {"a\r\nb", "a$b.", "a\r\nb", 2},
      {"a\rb\nc", "a$b$c.", "a\r\nb\r\nc", 3},
      {"a\r\n\r\n", "a$$", "a\r\n\r\n", 2},
      {"\r\n", "$", "\r\n", 1},
      {"a\r", "a$", "a\r\n", 1},
  };
  for (bool wrap : {false, true}) {
    if (wrap) Wrap(20);
    for (const Case& c : cases) {
      lines.SetTextStr(c.text);
      EXPECT_EQ(Dump(rows), c.rows) << c.text;
      EXPECT_EQ(lines.GetTextStr(), c.back) << c.text;
      EXPECT_EQ(lines.GetCount(), c.count) << c.text;
    }
  }
}

TEST_F(ScreenStringsTest, LinesMapToRowsWithWrapOnAndOff) {
  const std::string longLine = Letters(45);
  lines.SetTextStr("one\r\n" + longLine + "\r\ntwo");
  EXPECT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.FirstRowOfLine(2), 2);
  EXPECT_EQ(rows.RowToLine(2), 2);

  Wrap(20);
  EXPECT_EQ(Dump(rows), "one$" + longLine.substr(0, 20) + "~" + longLine.substr(20, 20) + "~" +
                            longLine.substr(40) + "$two.");
  EXPECT_EQ(lines.GetCount(), 3);
  EXPECT_EQ(lines.Get(1).view(), longLine);
  EXPECT_EQ(lines.Get(2).view(), "two");
  EXPECT_EQ(rows.FirstRowOfLine(1), 1);
  EXPECT_EQ(rows.FirstRowOfLine(2), 4);
  EXPECT_EQ(rows.FirstRowOfLine(3), 5);  // the place after the text
  for (int row : {1, 2, 3}) {
    EXPECT_EQ(rows.RowToLine(row), 1);
    EXPECT_EQ(rows.LineStartRow(row), 1);
    EXPECT_EQ(rows.LineEndRow(row), 3);
  }
  EXPECT_EQ(rows.RowToLine(4), 2);
  EXPECT_THROW(rows.FirstRowOfLine(4), platform::EListError);
  EXPECT_THROW(lines.Get(3), platform::EListError);
  EXPECT_THROW(lines.Delete(-1), platform::EListError);

  // Reading the map again after an edit sees the edit.
  lines.Put(1, "short");
  EXPECT_EQ(rows.FirstRowOfLine(2), 2);
  EXPECT_EQ(rows.RowToLine(2), 2);
}

TEST_F(ScreenStringsTest, ReplaceRowsInsideALogicalLineLaysOutTheWholeLine) {
  Wrap(20);
  lines.SetTextStr("head\r\n" + Letters(45) + "\r\ntail\r\n");
  host.changes.clear();
  // Row 2 is the middle row of the long line: shortening it pulls the rest up.
  rows.ReplaceRows(2, 1, "XY");
  EXPECT_EQ(Dump(rows), "head$" + Letters(20) + "~XY" + Letters(5, 'o') + "$tail$");
  ASSERT_EQ(host.changes.size(), 1u);
  EXPECT_EQ(host.changes[0].ChangedRow, 1);
  EXPECT_EQ(host.changes[0].OldRowCount, 3);
  EXPECT_EQ(host.changes[0].NewRowCount, 2);
  EXPECT_TRUE(host.changes[0].ChangePending);
  EXPECT_FALSE(rows.ChangeRecord().ChangePending);  // cleared once delivered
}

TEST_F(ScreenStringsTest, AnEditLateInALineCanJoinItsFirstRows) {
  rows.WrapOption().SetWordBreak(true);
  Wrap(20);
  lines.SetTextStr("xxxxxx " + std::string(30, 'y'));
  ASSERT_EQ(Dump(rows), "xxxxxx ~yyyyyy~yyyyyy~" + std::string(18, 'y') + ".");
  // Without its last row the line fits one row: laying out only from the row before the edit
  // would leave it cut in three.
  rows.ReplaceRows(3, 1, "");
  EXPECT_EQ(Dump(rows), "xxxxxx " + std::string(12, 'y') + ".");
}

TEST_F(ScreenStringsTest, ReplaceRowsOnEachPath) {
  lines.SetTextStr("a\r\nb\r\nc");
  // Text without a line break at a line end: the next line joins it.
  rows.ReplaceRows(0, 1, "x");
  EXPECT_EQ(Dump(rows), "xb$c.");
  EXPECT_EQ(host.changes.back().OldRowCount, 2);
  EXPECT_EQ(host.changes.back().NewRowCount, 1);

  // Reaching the last row: its kind follows the end of the text.
  rows.ReplaceRows(1, 1, "y\r\n");
  EXPECT_EQ(Dump(rows), "xb$y$");
  rows.ReplaceRows(1, 1, "z");
  EXPECT_EQ(Dump(rows), "xb$z.");
  rows.ReplaceRows(1, 1, "w\r");
  EXPECT_EQ(Dump(rows), "xb$w$");

  // Whole lines removed.
  rows.ReplaceRows(0, 1, "");
  EXPECT_EQ(Dump(rows), "w$");
  EXPECT_EQ(host.changes.back().NewRowCount, 0);

  // Text after a last row without a line break continues that row.
  lines.SetTextStr("a");
  rows.ReplaceRows(1, 0, "b\r\n");
  EXPECT_EQ(Dump(rows), "ab$");
  rows.ReplaceRows(1, 0, "c");
  EXPECT_EQ(Dump(rows), "ab$c.");

  // Nothing for an invalid range or nothing to do, and no notice.
  const size_t notices = host.changes.size();
  for (auto [row, n, text] :
       {std::tuple{-1, 1, "x"}, {2, 1, "x"}, {3, 0, "x"}, {0, -1, "x"}, {0, 0, ""}}) {
    rows.ReplaceRows(row, n, text);
  }
  EXPECT_EQ(Dump(rows), "ab$c.");
  EXPECT_EQ(host.changes.size(), notices);
}

TEST_F(ScreenStringsTest, EveryLineOperationIsOneNoticeInsideOneEdit) {
  lines.SetTextStr("a\r\nb\r\n");
  host.changes.clear();
  host.selectionClears = 0;
  lines.Add("c");
  lines.Insert(0, "z");
  lines.Put(1, "A");
  lines.Delete(2);
  EXPECT_EQ(lines.GetTextStr(), "z\r\nA\r\nc\r\n");
  EXPECT_EQ(host.changes.size(), 4u);
  EXPECT_EQ(host.editDepth, 0);
  EXPECT_EQ(host.selectionClears, 4);
  EXPECT_EQ(host.caretOffset, (std::pair{2, 0}));
}

TEST_F(ScreenStringsTest, AddAfterATextWithoutFinalLineBreak) {
  lines.SetTextStr("a\r\nb");
  EXPECT_EQ(lines.Add("x"), 2);
  EXPECT_EQ(lines.GetTextStr(), "a\r\nb\r\nx");
  EXPECT_EQ(Dump(rows), "a$b$x.");
  EXPECT_EQ(lines.Add("y"), 3);
  EXPECT_EQ(lines.GetTextStr(), "a\r\nb\r\nx\r\ny");
  lines.Clear();
  EXPECT_EQ(lines.Add("first"), 0);
  EXPECT_EQ(lines.GetTextStr(), "first\r\n");
}

TEST_F(ScreenStringsTest, DeleteMovesABookmarkToTheFollowingLine) {
  lines.SetTextStr("a\r\nb\r\n");
  rows.SetRowMarks(0, 1 << 3);
  rows.IncludeMarks(1 << 3);
  lines.Delete(0);
  EXPECT_EQ(lines.GetTextStr(), "b\r\n");
  EXPECT_EQ(rows.RowMarks(0), 1 << 3);
  EXPECT_EQ(rows.UsedMarks(), 1 << 3);
  // With no line left the mark is gone.
  lines.Delete(0);
  EXPECT_EQ(rows.Count(), 0);
  EXPECT_EQ(rows.UsedMarks(), 0);
}

TEST_F(ScreenStringsTest, TextTypedAtALineStartPushesTheMarkDown) {
  for (int caretCol : {0, 3}) {
    lines.SetTextStr("a\r\nbcd\r\n");
    rows.SetRowMarks(1, 1);
    host.caretCol = caretCol;
    rows.ReplaceRows(1, 0, "new\r\n");
    EXPECT_EQ(Dump(rows), "a$new$bcd$");
    EXPECT_EQ(rows.RowMarks(caretCol == 0 ? 2 : 1), 1) << caretCol;
  }
}

TEST_F(ScreenStringsTest, MarksStayOnTheirLinesThroughEveryLayout) {
  const std::string text = Letters(45) + "\r\nshort\r\n" + Letters(70) + "\r\n";
  Wrap(20);
  lines.SetTextStr(text);
  const std::string wrapped = Dump(rows);
  // Marks 0 and 1 on rows of the first line, mark 2 on the last row of the third.
  rows.SetRowMarks(1, 1 << 0);
  rows.SetRowMarks(2, 1 << 1);
  rows.SetRowMarks(7, 1 << 2);
  auto lineOf = [&](int mark) {
    for (int r = 0; r < rows.Count(); ++r) {
      if (rows.RowMarks(r) & (1 << mark)) return rows.RowToLine(r);
    }
    return -1;
  };

  rows.SetWordWrap(false);
  EXPECT_EQ(Dump(rows), Letters(45) + "$short$" + Letters(70) + "$");
  EXPECT_EQ(rows.RowMarks(0), 0b011);
  EXPECT_EQ(rows.RowMarks(2), 0b100);

  rows.SetWordWrap(true);
  EXPECT_EQ(Dump(rows), wrapped);
  EXPECT_EQ(lineOf(0), 0);
  EXPECT_EQ(lineOf(1), 0);
  EXPECT_EQ(lineOf(2), 2);

  // Fewer rows at a wider width: the marks of rows that went join the line's last row.
  rows.WrapOption().SetWrapByte(40);
  EXPECT_EQ(lines.GetTextStr(), text);
  EXPECT_EQ(rows.Count(), 5);
  EXPECT_EQ(lineOf(0), 0);
  EXPECT_EQ(lineOf(1), 0);
  EXPECT_EQ(lineOf(2), 2);
}

TEST_F(ScreenStringsTest, ARewrapCountsALoneLeadByteAsTwoColumns) {
  Wrap(20);
  lines.SetTextStr(std::string(18, 'a') + "\x88");
  const std::string laidOut = Dump(rows);
  EXPECT_EQ(rows.Count(), 2);
  rows.WrapOption().SetWrapByte(21);
  rows.WrapOption().SetWrapByte(20);
  EXPECT_EQ(Dump(rows), laidOut);
}

TEST_F(ScreenStringsTest, WrapChangesResetUndoAndCarets) {
  lines.SetTextStr(Letters(45) + "\r\n");
  lines.Add("x");
  host.caretCol = 7;
  host.caretRow = 9;
  const int refreshes = host.refreshes;
  Wrap(20);
  EXPECT_FALSE(rows.UndoObj().CanUndo());
  EXPECT_EQ(host.caretCol, 0);
  EXPECT_EQ(host.caretRow, 4);  // kept on the text: after its final line break
  EXPECT_GT(host.refreshes, refreshes);

  // While the owner loads, the values are only stored.
  host.loading = true;
  rows.SetWordWrap(false);
  rows.SetWordWrap(true);
  rows.WrapOption().SetWrapByte(30);
  lines.SetTextStr(Letters(45));
  EXPECT_EQ(rows.Count(), 1);
  host.loading = false;
  rows.WrapAll();
  EXPECT_EQ(Dump(rows), Letters(30) + "~" + Letters(15, 'e') + ".");
}

TEST_F(ScreenStringsTest, ScanStateIsComputedNearTheViewOnly) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "line " + std::to_string(i) + "\r\n";
  host.initBracketsFull = false;
  host.topRow = 0;
  lines.SetTextStr(text);
  // Two screen heights of ten rows past the top row.
  for (int row : {0, 1, 19, 20}) EXPECT_NE(rows.BracketIndex(row), textstore::kBracketNotScanned) << row;
  for (int row : {21, 500, 9999}) EXPECT_EQ(rows.BracketIndex(row), textstore::kBracketNotScanned) << row;

  // Painting a far row brings it up to date; the rows past its reach stay unscanned.
  EXPECT_GT(rows.RescanFrom(5000, false), 0);
  EXPECT_NE(rows.BracketIndex(5000), textstore::kBracketNotScanned);
  EXPECT_EQ(rows.BracketIndex(5021), textstore::kBracketNotScanned);
  EXPECT_TRUE(host.stateChanges.empty());

  host.initBracketsFull = true;
  lines.SetTextStr(text);
  EXPECT_NE(rows.BracketIndex(9999), textstore::kBracketNotScanned);
}

TEST_F(ScreenStringsTest, RescanStopsAtTheFirstUnchangedRow) {
  fountain::TFountainBracketItem& comment = host.fountain->Brackets().Add();
  comment.SetLeftBracket("/*");
  comment.SetRightBracket("*/");
  lines.SetTextStr("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\n");
  lines.Put(4, "*/");  // closes nothing yet: only the new rows 4 and 5 are scanned
  EXPECT_EQ(host.changes.back().RescannedRows, 2);

  host.stateChanges.clear();
  lines.Put(2, "/*");  // rows 3 and 4 now start inside the comment; row 5 is as it was
  EXPECT_EQ(host.changes.back().RescannedRows, 3);
  EXPECT_EQ(host.stateChanges, (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(rows.BracketIndex(3), 0);
  EXPECT_EQ(rows.BracketIndex(4), 0);
  EXPECT_EQ(rows.BracketIndex(5), -1);

  // A comment left open past the reach of the scan leaves the rows behind it unscanned.
  host.screenRows = 1;
  lines.Put(4, "still open");
  EXPECT_EQ(rows.BracketIndex(6), 0);
  EXPECT_EQ(rows.BracketIndex(7), textstore::kBracketNotScanned);
}

TEST_F(ScreenStringsTest, LoadFromFileReadsInBlocks) {
  testsupport::ScratchDir dir;
  // A CR LF split by the first block boundary, a zero byte, a line longer than a block, a
  // last line without a break, and what follows a Ctrl+Z.
  std::string bytes = std::string(8191, 'x') + "\r\n" + "a" + std::string(1, '\0') + "b\r" +
                      std::string(9000, 'y') + "\n" + "end";
  const std::string file = dir.Write("m.txt", bytes + "\x1a" + "ignored\r\n");
  lines.LoadFromFile(file);
  EXPECT_EQ(rows.Count(), 4);
  EXPECT_EQ(rows.Get(0).size(), 8191u);
  EXPECT_EQ(rows.Get(1).view(), std::string_view("a\0b", 3));
  EXPECT_EQ(rows.Get(2).view(), std::string(9000, 'y'));
  EXPECT_EQ(Dump(rows).substr(Dump(rows).size() - 4), "end.");
  EXPECT_GT(host.refreshes, 0);

  lines.LoadFromFile(dir.Write("n.txt", "a\r\nb\r\n"));
  EXPECT_EQ(Dump(rows), "a$b$");
  Wrap(20);
  lines.LoadFromFile(dir.Write("w.txt", Letters(45)));
  EXPECT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.RowKind(2), textstore::rkTextEnd);

  EXPECT_THROW(lines.LoadFromFile(dir.Path() + "/missing"), platform::EFOpenError);
  EXPECT_EQ(rows.Count(), 0);
}

TEST_F(ScreenStringsTest, LinesStreamAsOneStringPerLine) {
  Wrap(20);
  lines.SetTextStr(Letters(45) + "\r\nb\r\n");
  platform::TWriter writer;
  lines.DefineProperties(writer);

  FakeEditorHost other;
  TEditorStrings copy(other);
  platform::TReader reader(writer.Bytes());
  copy.DefineProperties(reader);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(copy.GetTextStr(), Letters(45) + "\r\nb\r\n");

  // Nothing is written for an empty list, or for one equal to its ancestor.
  platform::TWriter empty;
  copy.Clear();
  copy.DefineProperties(empty);
  EXPECT_TRUE(empty.Bytes().empty());
  copy.Assign(lines);
  EXPECT_EQ(other.caretRow, other.ScreenStrings().Count());
  platform::TWriter inherited(&lines);
  copy.DefineProperties(inherited);
  EXPECT_TRUE(inherited.Bytes().empty());
}

// A view that lets go of the rows while it hears of a change: the list and the other views
// stay valid until the notice is over.
class LeavingHost : public TNullEditorHost {
 public:
  explicit LeavingHost(std::shared_ptr<TEditorScreenStrings> Rows)
      : TNullEditorHost(std::move(Rows)) {}
  void RowsChanged() override { other.reset(); }
  std::unique_ptr<FakeEditorHost> other;
};

TEST(ScreenStringsOwnership, AViewMayLeaveDuringAChangeNotice) {
  auto leaving = std::make_unique<LeavingHost>(NewScreenStrings());
  leaving->other = std::make_unique<FakeEditorHost>(leaving->ScreenStrings().shared_from_this());
  std::weak_ptr<TEditorScreenStrings> list = leaving->ScreenStrings().shared_from_this();
  TEditorStrings{*leaving}.SetTextStr("a\r\nb");
  EXPECT_EQ(leaving->other, nullptr);
  EXPECT_EQ(list.lock()->Count(), 2);
  leaving.reset();
  EXPECT_TRUE(list.expired());  // the last holder freed it
}

// A text large enough to be laid out on two cores gives the rows one core would, copied or
// sharing the bytes of the text it lies in.
TEST(ScreenStringsLargeText, TwoCoresLayOutWhatOneWould) {
  std::string text;
  for (int i = 0; text.size() < (5u << 20); ++i) {
    text += Letters(static_cast<size_t>(i % 300), static_cast<char>('a' + i % 26));
    text += i % 7 == 0 ? "\r" : "\r\n";
  }
  text += "tail";
  for (bool wrap : {false, true}) {
    for (bool shared : {false, true}) {
      FakeEditorHost host;
      TEditorScreenStrings& rows = host.ScreenStrings();
      rows.WrapOption().SetWrapByte(60);
      rows.SetWordWrap(wrap);
      // The text is followed by more of its whole, so its last row may not share the bytes.
      platform::ByteString whole(text + "more\r\n");
      const char* wholeBytes = whole.data();
      if (shared) {
        rows.LoadText(whole, whole.view().substr(0, text.size()));
        whole = platform::ByteString();  // the rows keep what they share
      } else {
        rows.LoadText(text);
      }
      textstore::TEditorStringList expected;
      rows.WrapLines(text, expected);
      int slices = 0;
      for (int row = 0; row < rows.Count(); ++row) {
        const platform::ByteString got = rows.Get(row);
        ASSERT_EQ(got.view(), expected.Get(row).view()) << row;
        // Every row reads as ended where it ends: the tokeniser stops at NUL, CR and LF.
        const char after = got.data()[got.size()];
        ASSERT_TRUE(after == '\0' || after == '\r' || after == '\n') << row;
        slices += got.data() >= wholeBytes && got.data() < wholeBytes + text.size();
        if (row + 1 < rows.Count()) {
          ASSERT_EQ(rows.RowKind(row), expected.RowKind(row)) << row;
        }
      }
      EXPECT_EQ(rows.Count(), expected.Count()) << wrap;
      EXPECT_EQ(rows.RowKind(rows.Count() - 1), textstore::rkTextEnd);
      EXPECT_EQ(slices > rows.Count() / 4, shared) << wrap;
    }
  }
}

}  // namespace
}  // namespace rows
