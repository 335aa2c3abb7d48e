// Caret moves and selections through a fake window: the column rules, selection bytes and
// columns, its text and length in the control's counting, the edit-control messages of the
// selection, the clipboard, and edits when the control is not read-only.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/editor_messages.h"
#include "platform/cp932.h"
#include "tests/editor/editor_test_support.h"

namespace editor {
namespace {

using testing::EditorFixture;

std::string Sjis(const char* utf8) { return platform::cp932::FromUtf8(utf8); }

class FakeClipboard : public platform::TClipboard {
 public:
  void SetText(std::string_view cp932, bool box) override { content = Content{std::string(cp932), box}; }
  std::optional<Content> Text() const override { return content; }
  std::optional<Content> content;
};

// Selects from (r1, c1) to (r2, c2) as Shift+arrows would.
void Select(TEditor& v, int r1, int c1, int r2, int c2) {
  v.SetRowCol(r1, c1);
  v.StartSelection();
  v.SetRowCol(r2, c2);
  v.ExtendSelection();
}

TEST(EditorCaret, ColumnRulesKeepTheCaretOnCharacters) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Caret().SetFreeCaret(false);
  v.Lines().SetTextStr(std::string(30, 'x') + "\r\n" + "0123456789\r\n" + std::string(40, 'y') +
                       "\r\n" + Sjis("あいう") + "\r\na\tb");
  v.SetRowCol(0, 30);
  v.SetRow(1);  // onto a shorter row: its end
  EXPECT_EQ(v.Col(), 10);
  v.SetRow(2);  // on down a longer row: it stays there
  EXPECT_EQ(v.Col(), 10);
  v.Caret().SetKeepCaret(true);  // unless the caret keeps its column
  v.SetRowCol(0, 30);
  v.SetRow(1);
  v.SetRow(2);
  EXPECT_EQ(v.Col(), 30);
  v.Caret().SetKeepCaret(false);
  v.SetRowCol(3, 3);  // the second half of い: before it
  EXPECT_EQ(v.Col(), 2);
  v.SetCol(3);  // moving right steps over it
  EXPECT_EQ(v.Col(), 4);
  v.SetRowCol(4, 4);  // inside a tab's fill: the tab's own column
  EXPECT_EQ(v.Col(), 1);
  v.SetCol(2);  // rightwards: past the fill
  EXPECT_EQ(v.Col(), 8);
  EXPECT_EQ(v.CaretByte(), 2);
  v.SetRow(5);  // the text has no final line break: the last row is as far as it goes
  EXPECT_EQ(v.Row(), 4);
}

TEST(EditorCaret, AWrappedRowsEndIsNoCaretPosition) {
  EditorFixture f;
  TEditor& v = f.view();
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  v.Lines().SetTextStr(std::string(30, 'a'));
  v.SetRowCol(0, 20);
  EXPECT_EQ(v.Row(), 0);
  EXPECT_EQ(v.Col(), 19);
  EXPECT_EQ(v.ColToChar(1, 5), 25);  // counted within the logical line
}

TEST(EditorSelection, LineEndsCountTwoBytesAndWrapsNone) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("0123456789\r\nabc");
  Select(v, 0, 5, 1, 0);
  EXPECT_EQ(v.SelText(), "56789\r\n");
  EXPECT_EQ(v.SelLength(), 7);
  EXPECT_EQ(v.SelStart(), 5);

  v.ClearSelection();
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  v.Lines().SetTextStr(std::string(20, 'a') + std::string(5, 'b'));
  ASSERT_EQ(v.RowCount(), 2);
  Select(v, 0, 18, 1, 2);
  EXPECT_EQ(v.SelText(), "aabb");  // joined across the wrap
  EXPECT_EQ(v.SelLength(), 4);
}

TEST(EditorSelection, SelectAllEndsWhereTheTextEnds) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("ab\r\ncd");
  v.SelectAll();
  EXPECT_EQ(v.SelText(), "ab\r\ncd");
  EXPECT_EQ(v.SelLength(), 6);
  EXPECT_EQ(v.Row(), 1);
  EXPECT_EQ(v.Col(), 2);
  v.Lines().SetTextStr("ab\r\ncd\r\n");
  v.SelectAll();
  EXPECT_EQ(v.SelText(), "ab\r\ncd\r\n");
  EXPECT_EQ(v.Row(), 2);  // on the empty position after the final line break
  EXPECT_EQ(v.Col(), 0);
}

TEST(EditorSelection, SelStartAndLengthWalkTheRows) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abc\r\ndef\r\nghi");
  v.SetSelStart(6);  // "abc" CR LF "d|ef"
  EXPECT_EQ(v.Row(), 1);
  EXPECT_EQ(v.Col(), 1);
  v.SetSelLength(6);  // "ef" CR LF "gh"
  EXPECT_EQ(v.SelText(), "ef\r\ngh");
  EXPECT_EQ(v.SelStart(), 6);
  v.SetSelStart(4);  // between CR and LF: the end of the row
  EXPECT_EQ(v.Row(), 0);
  EXPECT_EQ(v.Col(), 3);
  v.SetSelStart(100);  // past the text: its end
  EXPECT_EQ(v.Row(), 2);
  EXPECT_EQ(v.Col(), 3);
  // Anchor and caret on one place in the selected state: nothing selected.
  Select(v, 1, 1, 1, 1);
  EXPECT_EQ(v.SelText(), "");
  EXPECT_EQ(v.SelLength(), 0);
}

TEST(EditorSelection, BoxSelectionTakesWholeCharactersThatStartInside) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr(Sjis("aあいう\r\nbbbbbbb\r\nc\tdd"));
  v.SetSelectionMode(1);
  Select(v, 0, 4, 2, 8);  // column 4 is inside い: the box starts before it, at 3
  // Row 0: い and う start inside and are taken whole. Row 2: the tab starts at 1, left of the
  // box, and the d at 8 is right of it: nothing.
  EXPECT_EQ(v.SelText(), Sjis("いう") + "\r\nbbbb\r\n\r\n");
  EXPECT_EQ(v.SelLength(), static_cast<int>(v.SelText().size()));
  EXPECT_EQ(v.ColSelection(), (TEditor::TColSelection{0, 2, 3, 8}));
}

TEST(EditorSelection, EventsCountEveryExtensionAndOneClear) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abcdef");
  struct Log : platform::TObject {
    std::vector<bool> events;
    void Changed(platform::TObject*, bool selected) { events.push_back(selected); }
  } log;
  v.OnSelectionChange = {&log, &Log::Changed};
  v.StartSelection();
  for (int col = 1; col <= 3; ++col) {
    v.SetCol(col);
    v.ExtendSelection();
  }
  v.ClearSelection();
  v.ClearSelection();  // nothing selected: no event
  EXPECT_EQ(log.events, (std::vector<bool>{true, true, true, false}));
}

TEST(EditorSelection, RowSelectionTakesWholeRows) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("one\r\ntwo\r\nthree");
  v.SelectRow(0);
  EXPECT_EQ(v.SelText(), "one\r\n");
  v.ExtendRowSelection(1);
  EXPECT_EQ(v.SelText(), "one\r\ntwo\r\n");
  v.ExtendRowSelection(2);  // the last row has no line break: to its end
  EXPECT_EQ(v.SelText(), "one\r\ntwo\r\nthree");
  v.EndRowSelection();
  v.SelectRow(2);
  v.ExtendRowSelection(1);  // upwards from the text-end row
  EXPECT_EQ(v.SelText(), "two\r\nthree");
}

TEST(EditorMessages, SelectionMessagesPackTheirAnswers) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abc\r\ndef");
  v.Perform(EM_SETSEL, 2, 6);
  std::uint32_t start = 0, end = 0;
  const std::intptr_t packed = v.Perform(EM_GETSEL, reinterpret_cast<std::uintptr_t>(&start),
                                         reinterpret_cast<std::intptr_t>(&end));
  EXPECT_EQ(start, 2u);
  EXPECT_EQ(end, 6u);
  EXPECT_EQ(packed, (6 << 16) | 2);
  EXPECT_EQ(v.Perform(EM_LINEFROMCHAR, static_cast<std::uintptr_t>(-1), 0), 0);
  EXPECT_EQ(v.Perform(EM_LINEFROMCHAR, 5, 0), 1);
  EXPECT_EQ(v.Perform(EM_LINELENGTH, 5, 0), 3);
  v.Perform(EM_SETSEL, 0, -1);
  EXPECT_EQ(v.SelText(), "abc\r\ndef");
  v.Perform(EM_SETSEL, static_cast<std::uintptr_t>(-1), 0);
  EXPECT_FALSE(v.Selected());
  // A point in the right half of the cell of 'e' gives the offset after it.
  const int x = v.TextLeft() + 2 * v.ColWidth() - 2;
  const int y = v.TextTop() + v.RowHeight() + 3;
  EXPECT_EQ(v.Perform(EM_CHARFROMPOS, 0, (y << 16) | x), (1 << 16) | 7);
  EXPECT_EQ(v.Perform(EM_CHARFROMPOS, 0, (5000 << 16) | x), -1);
}

TEST(EditorClipboard, CopiesTextAndBoxBytesAndEmptiesOnlyThroughTheMessage) {
  EditorFixture f;
  TEditor& v = f.view();
  FakeClipboard clipboard;
  v.SetClipboard(&clipboard);
  v.Lines().SetTextStr(Sjis("漢字abc\r\nxyz"));
  v.CopyToClipboard();  // nothing selected: the clipboard is left alone
  EXPECT_FALSE(clipboard.content);
  v.Perform(WM_COPY, 0, 0);  // the message empties it
  ASSERT_TRUE(clipboard.content);
  EXPECT_EQ(clipboard.content->Text, "");
  Select(v, 0, 0, 0, 4);
  v.Perform(WM_COPY, 0, 0);
  EXPECT_EQ(clipboard.content->Text, Sjis("漢字"));
  EXPECT_FALSE(clipboard.content->Box);
  v.SetSelectionMode(1);
  Select(v, 0, 4, 1, 6);
  v.CopyToClipboard();
  EXPECT_EQ(clipboard.content->Text, "ab\r\n\r\n");
  EXPECT_TRUE(clipboard.content->Box);
}

TEST(EditorEditing, CutPasteAndUndoGoThroughTheRows) {
  EditorFixture f;
  TEditor& v = f.view();
  FakeClipboard clipboard;
  v.SetClipboard(&clipboard);
  v.Lines().SetTextStr("hello world\r\nsecond");
  Select(v, 0, 5, 1, 3);
  v.CutToClipboard();
  EXPECT_EQ(clipboard.content->Text, " world\r\nsec");
  EXPECT_EQ(v.Lines().Text(), "helloond");
  EXPECT_EQ(v.Col(), 5);
  v.PasteFromClipboard();
  EXPECT_EQ(v.Lines().Text(), "hello world\r\nsecond");
  v.Undo();
  EXPECT_EQ(v.Lines().Text(), "helloond");
  // Read-only: nothing changes, and the cut message only empties the clipboard.
  v.SetReadOnly(true);
  v.SelectAll();
  v.Perform(WM_CUT, 0, 0);
  v.Perform(WM_CLEAR, 0, 0);
  EXPECT_EQ(clipboard.content->Text, "");
  EXPECT_EQ(v.Lines().Text(), "helloond");
}

TEST(EditorEditing, ABoxLosesItsColumnsRowByRow) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abcdef\r\nghijkl\r\nmn");
  v.SetSelectionMode(1);
  Select(v, 0, 1, 2, 3);
  v.DeleteSelection();
  EXPECT_EQ(v.Lines().Text(), "adef\r\ngjkl\r\nm");
}

}  // namespace
}  // namespace editor
