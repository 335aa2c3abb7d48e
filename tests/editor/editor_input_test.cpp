// Keys, characters, the input method, the mouse and the wheel through a fake window: the caret,
// selection and scroll after each step of a script, what ReadOnly blocks, the input held back
// during a mouse gesture, selection drags and the pointer shapes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cp932.h"
#include "tests/editor/editor_test_support.h"

namespace editor {
namespace {

using platform::TKeyEvent;
using platform::TMouseButton;
using platform::TMouseEvent;
using platform::TShiftState;
using testing::EditorFixture;
using testing::NumberedLines;

constexpr TShiftState kNone{};
constexpr TShiftState kShift{.Shift = true};
constexpr TShiftState kCtrl{.Ctrl = true};
constexpr TShiftState kCtrlShift{.Shift = true, .Ctrl = true};

std::string Sjis(const char* utf8) {
  return platform::cp932::FromUtf8(utf8);
}

// The fake font is 8 x 16; the text starts at x 31 (the left margin and the image bar), y 2.
constexpr int kLeft = 31;
constexpr int kTop = 2;
int XOf(int col, int inCell = 1) {
  return kLeft + 8 * col + inCell;
}
int YOf(int row) {
  return kTop + 16 * row + 4;
}

struct Caret {
  int row;
  int col;
  friend bool operator==(const Caret&, const Caret&) = default;
};
Caret At(const TEditor& v) {
  return {v.Row(), v.Col()};
}
std::ostream& operator<<(std::ostream& out, const Caret& c) {
  return out << "(" << c.row << ", " << c.col << ")";
}

bool Press(TEditor& v, int key, TShiftState shift = kNone, bool repeat = false) {
  return v.KeyDown(TKeyEvent{key, shift, repeat});
}

TMouseEvent Mouse(int x, int y, TMouseButton button = TMouseButton::Left,
                  TShiftState shift = kNone) {
  return {x, y, button, shift, 1};
}

std::string Text(TEditor& v) {
  return v.Lines().Text();
}

// Records what the control raises.
struct Events : platform::TObject {
  void Selection(platform::TObject*, bool selected) { selections.push_back(selected); }
  void Down(platform::TObject*, TMouseButton, TShiftState, int, int) { log += "down "; }
  void Up(platform::TObject*, TMouseButton, TShiftState, int, int) { log += "up "; }
  void Click(platform::TObject*) { log += "click "; }
  void DblClick(platform::TObject*) { log += "dblclick "; }
  void StopRight(platform::TObject*, int& key, TShiftState) {
    if (key == platform::VK_RIGHT) key = 0;
  }
  void TakeWheel(platform::TObject*, TShiftState, int delta, platform::TPoint, bool& handled) {
    wheel += delta;
    handled = true;
  }
  void Watch(TEditor& v) {
    v.OnSelectionChange = {this, &Events::Selection};
    v.OnMouseDown = {this, &Events::Down};
    v.OnMouseUp = {this, &Events::Up};
    v.OnClick = {this, &Events::Click};
    v.OnDblClick = {this, &Events::DblClick};
  }
  std::vector<bool> selections;
  std::string log;
  int wheel = 0;
};

// --- Keys ------------------------------------------------------------------------------------

TEST(EditorKeys, MovesOfTheKeyTable) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Caret().SetFreeCaret(false);
  v.Lines().SetTextStr("abc def\r\nxy\r\n" + Sjis("あい") + "z");
  const std::vector<std::pair<int, Caret>> script = {
      {platform::VK_RIGHT, {0, 1}}, {platform::VK_END, {0, 7}},
      {platform::VK_RIGHT, {0, 7}},  // no NextLine: the row end holds
      {platform::VK_DOWN, {1, 2}},  {platform::VK_DOWN, {2, 2}},
      {platform::VK_RIGHT, {2, 4}},  // over a double-byte character whole
      {platform::VK_LEFT, {2, 2}},  {platform::VK_HOME, {2, 0}},
      {platform::VK_LEFT, {2, 0}},  // no NextLine: the row start holds
      {platform::VK_UP, {1, 0}},    {platform::VK_DOWN, {2, 0}},
      {platform::VK_DOWN, {2, 0}},  // the last row has no line break: nothing below it
  };
  for (auto [key, caret] : script) {
    EXPECT_TRUE(Press(v, key));
    EXPECT_EQ(At(v), caret) << "key " << key;
  }
  v.Caret().SetNextLine(true);
  Press(v, platform::VK_LEFT);
  EXPECT_EQ(At(v), (Caret{1, 2}));  // on to the end of the row above
  Press(v, platform::VK_RIGHT);
  EXPECT_EQ(At(v), (Caret{2, 0}));
  Press(v, platform::VK_END, kCtrl);
  EXPECT_EQ(At(v), (Caret{2, 5}));
  Press(v, platform::VK_HOME, kCtrl);
  EXPECT_EQ(At(v), (Caret{0, 0}));
  EXPECT_FALSE(Press(v, 'A'));  // not the control's: left to shortcuts
}

TEST(EditorKeys, WrappedRowsAndTheRowAfterAFinalLineBreak) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Caret().SetFreeCaret(false);
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  v.Lines().SetTextStr(std::string(30, 'a') + "\r\n");
  Press(v, platform::VK_END);
  EXPECT_EQ(At(v), (Caret{0, 19}));  // a wrapped row's end is no caret place
  Press(v, platform::VK_RIGHT);
  EXPECT_EQ(At(v), (Caret{1, 0}));  // a wrap is crossed without NextLine
  Press(v, platform::VK_LEFT);
  EXPECT_EQ(At(v), (Caret{0, 19}));
  Press(v, platform::VK_END, kCtrl);
  EXPECT_EQ(At(v), (Caret{2, 0}));  // the empty place after the final line break
  Press(v, platform::VK_DOWN);
  EXPECT_EQ(At(v), (Caret{2, 0}));
}

TEST(EditorKeys, ShiftSelectsAndEveryStepReportsTheSelection) {
  EditorFixture f;
  TEditor& v = f.view();
  Events events;
  events.Watch(v);
  v.Lines().SetTextStr("hello world\r\nnext");
  Press(v, platform::VK_RIGHT, kShift);
  Press(v, platform::VK_RIGHT, kShift);
  EXPECT_EQ(v.SelText(), "he");
  Press(v, platform::VK_DOWN, kShift);
  EXPECT_EQ(v.SelText(), "hello world\r\nne");
  Press(v, platform::VK_END, kCtrlShift);
  EXPECT_EQ(v.SelLength(), 17);
  Press(v, platform::VK_HOME, kCtrlShift);  // back over the anchor: the selection is empty
  EXPECT_EQ(v.SelLength(), 0);
  EXPECT_EQ(events.selections, (std::vector<bool>{true, true, true, true, true}));
  Press(v, platform::VK_RIGHT);  // a move without Shift drops it
  EXPECT_FALSE(v.Selected());
  EXPECT_EQ(At(v), (Caret{0, 1}));
  EXPECT_EQ(events.selections.back(), false);
  Press(v, platform::VK_RIGHT, kShift);  // a new anchor at the caret
  EXPECT_EQ(v.SelText(), "e");
}

TEST(EditorKeys, PageKeysCtrlUpDownAndRepeatSpeed) {
  EditorFixture f;  // 29 visible rows
  TEditor& v = f.view();
  v.Lines().SetTextStr(NumberedLines(200));
  ASSERT_EQ(v.VisibleRowCount(), 29);
  v.SetRowCol(3, 0);
  Press(v, platform::VK_NEXT);
  EXPECT_EQ(v.TopRow(), 28);  // (29 - 1) div 2 x 2
  EXPECT_EQ(v.Row(), 31);     // the caret keeps its place on screen
  Press(v, platform::VK_PRIOR);
  Press(v, platform::VK_PRIOR);  // at the top: to row 0
  EXPECT_EQ(At(v), (Caret{0, 0}));
  Press(v, platform::VK_DOWN, kCtrl);  // the view scrolls; the caret leaves it and follows
  EXPECT_EQ(v.TopRow(), 1);
  EXPECT_EQ(v.Row(), 1);
  Press(v, platform::VK_DOWN, kCtrl);
  EXPECT_EQ(v.TopRow(), 2);
  EXPECT_EQ(v.Row(), 2);
  Press(v, platform::VK_UP, kCtrl);
  EXPECT_EQ(v.TopRow(), 1);
  EXPECT_EQ(v.Row(), 2);                     // still in view: it stays
  v.SetRowCol(29, 0);                        // the last visible row
  Press(v, platform::VK_DOWN, kNone, true);  // repeating there: two rows a step
  EXPECT_EQ(v.Row(), 31);
  EXPECT_EQ(v.TopRow(), 3);
  Press(v, platform::VK_UP, kNone, true);  // not on the first visible row: one
  EXPECT_EQ(v.Row(), 30);
  EXPECT_TRUE(v.KeyRepeat());
  v.KeyUp({platform::VK_UP, kNone, false});
  EXPECT_FALSE(v.KeyRepeat());
  v.SetRowCol(0, 0);
  v.SetTopRow(5);
  Press(v, platform::VK_UP, kCtrl);  // the caret on row 0 out of view: the view still scrolls
  EXPECT_EQ(v.TopRow(), 4);
  EXPECT_EQ(v.Row(), 0);
}

TEST(EditorKeys, OnKeyDownCanStopTheControl) {
  EditorFixture f;
  TEditor& v = f.view();
  Events events;
  v.OnKeyDown = {&events, &Events::StopRight};
  v.Lines().SetTextStr("abc");
  EXPECT_TRUE(Press(v, platform::VK_RIGHT));
  EXPECT_EQ(v.Col(), 0);
  Press(v, platform::VK_END);
  EXPECT_EQ(v.Col(), 3);
}

TEST(EditorKeys, CtrlLeftRightJumpByTokens) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Caret().SetFreeCaret(false);
  v.Lines().SetTextStr("foo, bar\tbaz\r\n  qux");
  std::vector<Caret> stops;
  for (int i = 0; i < 6; ++i) {
    Press(v, platform::VK_RIGHT, kCtrl);
    stops.push_back(At(v));
  }
  // Symbols are passed over; the tab is laid out as blanks; a line end is a stop.
  EXPECT_EQ(stops, (std::vector<Caret>{{0, 5}, {0, 16}, {0, 19}, {1, 2}, {1, 5}, {1, 5}}));
  stops.clear();
  for (int i = 0; i < 6; ++i) {
    Press(v, platform::VK_LEFT, kCtrl);
    stops.push_back(At(v));
  }
  EXPECT_EQ(stops, (std::vector<Caret>{{1, 2}, {0, 19}, {0, 16}, {0, 5}, {0, 0}, {0, 0}}));

  v.Caret().SetTokenEndStop(true);  // token ends are stops too, symbols are tokens
  stops.clear();
  for (int i = 0; i < 3; ++i) {
    Press(v, platform::VK_RIGHT, kCtrl);
    stops.push_back(At(v));
  }
  EXPECT_EQ(stops, (std::vector<Caret>{{0, 3}, {0, 4}, {0, 5}}));
  Press(v, platform::VK_LEFT, kCtrl);
  EXPECT_EQ(At(v), (Caret{0, 4}));          // the end of the token before
  Press(v, platform::VK_LEFT, kCtrlShift);  // the start of the token that ends here
  EXPECT_EQ(v.SelText(), ",");
}

TEST(EditorKeys, CtrlRightStopsAtAWordThatBeginsAWrappedRow) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Caret().SetFreeCaret(false);
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  // The x's fill row 0 to its end and go on on row 1; "next" begins row 2.
  v.Lines().SetTextStr("aa " + std::string(20, 'x') + " " + std::string(15, 'b') + " next");
  ASSERT_EQ(v.RowCount(), 3);
  v.SetRowCol(0, 3);
  Press(v, platform::VK_RIGHT, kCtrl);  // the cut word's rest is no stop
  EXPECT_EQ(At(v), (Caret{1, 4}));
  Press(v, platform::VK_RIGHT, kCtrl);
  EXPECT_EQ(At(v), (Caret{2, 0}));
  Press(v, platform::VK_LEFT, kCtrl);
  EXPECT_EQ(At(v), (Caret{1, 4}));
  Press(v, platform::VK_LEFT, kCtrl);  // back to the start of the cut word
  EXPECT_EQ(At(v), (Caret{0, 3}));
}

// --- Typing ----------------------------------------------------------------------------------

TEST(EditorTyping, CharactersBackspaceDeleteTabReturnAndCommits) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("ab\r\ncd");
  Press(v, platform::VK_END);
  EXPECT_TRUE(v.Char("x" + Sjis("あ")));
  EXPECT_EQ(Text(v), "abx" + Sjis("あ") + "\r\ncd");
  EXPECT_EQ(v.Col(), 5);
  v.Char("\b");  // the double-byte character goes whole
  EXPECT_EQ(Text(v), "abx\r\ncd");
  Press(v, platform::VK_DELETE);  // at the line end: the rows join
  EXPECT_EQ(Text(v), "abxcd");
  v.Char("\r");
  EXPECT_EQ(Text(v), "abx\r\ncd");
  EXPECT_EQ(At(v), (Caret{1, 0}));
  v.Char("\b");  // at a row's start: the line end before it
  EXPECT_EQ(Text(v), "abxcd");
  EXPECT_EQ(At(v), (Caret{0, 3}));
  v.Char("\t");
  EXPECT_EQ(Text(v), "abx\tcd");
  v.Caret().SetSoftTab(true);
  v.Char("\t");  // blanks to the next tab stop (column 8 to 16)
  EXPECT_EQ(Text(v), "abx\t        cd");
  f.window.keysDown.insert(platform::VK_SHIFT);
  EXPECT_TRUE(v.Char("\t"));  // Shift+Tab types nothing
  f.window.keysDown.clear();
  v.SetWantTabs(false);
  EXPECT_FALSE(v.Char("\t"));
  EXPECT_FALSE(v.Char("\x01"));  // Ctrl+A's control character
  EXPECT_EQ(Text(v), "abx\t        cd");
  v.InputMethod({Sjis("漢字"), ""});
  EXPECT_EQ(Text(v), "abx\t        " + Sjis("漢字") + "cd");
  v.SetRowCol(0, 0);
  Press(v, platform::VK_RIGHT, kShift);
  v.Char("Z");  // typing replaces the selection
  EXPECT_EQ(Text(v), "Zbx\t        " + Sjis("漢字") + "cd");
}

TEST(EditorTyping, DeleteAndBackspaceAcrossWrapsAndTheTextEnd) {
  EditorFixture f;
  TEditor& v = f.view();
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  v.Lines().SetTextStr(std::string(19, 'a') + Sjis("い") + "bc\r\n");
  ASSERT_EQ(v.RowCount(), 2);  // い does not fit on row 0
  v.SetRowCol(1, 0);
  v.Char("\b");  // the last character of the row above, across the wrap
  EXPECT_EQ(Text(v), std::string(18, 'a') + Sjis("い") + "bc\r\n");
  Press(v, platform::VK_END, kCtrl);  // after the final line break
  Press(v, platform::VK_DELETE);      // nothing follows
  v.Char("\b");
  EXPECT_EQ(Text(v), std::string(18, 'a') + Sjis("い") + "bc");
  EXPECT_EQ(At(v), (Caret{1, 2}));
  Press(v, platform::VK_DELETE);  // the end of the text
  EXPECT_EQ(Text(v), std::string(18, 'a') + Sjis("い") + "bc");
}

TEST(EditorTyping, ReadOnlyBlocksEveryEditButMovesAndSelects) {
  EditorFixture f;
  TEditor& v = f.view();
  v.SetReadOnly(true);
  EXPECT_FALSE(v.AcceptsText());
  v.Lines().SetTextStr("abc def\r\nxyz");
  const std::string before = Text(v);
  Press(v, platform::VK_RIGHT);
  v.Char("q");
  v.Char("\b");
  v.Char("\r");
  v.Char("\t");
  Press(v, platform::VK_DELETE);
  v.InputMethod({"w", ""});
  Press(v, platform::VK_RIGHT, kShift);
  EXPECT_EQ(v.SelText(), "b");
  v.Char("q");
  Press(v, platform::VK_DELETE);
  EXPECT_TRUE(v.Selected());
  // A press inside the selection is no drag: it selects anew.
  v.MouseDown(Mouse(XOf(1), YOf(0)));
  v.MouseMove(Mouse(XOf(5), YOf(1)));
  v.MouseUp(Mouse(XOf(5), YOf(1)));
  EXPECT_EQ(v.DragState(), 0);
  EXPECT_EQ(v.SelText(), "bc def\r\nxyz");
  EXPECT_EQ(Text(v), before);
  v.SetReadOnly(false);
  EXPECT_TRUE(v.AcceptsText());
}

TEST(EditorTyping, ACompositionHidesTheCaretWhileOpen) {
  EditorFixture f;
  TEditor& v = f.view();
  f.window.SetFocus();
  v.Lines().SetTextStr("ab");
  ASSERT_TRUE(f.window.caretShown);
  v.InputMethod({"", "k"});
  EXPECT_FALSE(f.window.caretShown);
  v.InputMethod({"", "ka"});
  v.InputMethod({Sjis("か"), ""});
  EXPECT_TRUE(f.window.caretShown);
  EXPECT_EQ(Text(v), Sjis("か") + "ab");
}

// --- Mouse -----------------------------------------------------------------------------------

TEST(EditorMouse, ClicksLandBetweenCharactersAndDragsSelectPastHalfAColumn) {
  EditorFixture f;
  TEditor& v = f.view();
  Events events;
  events.Watch(v);
  v.Caret().SetFreeCaret(false);
  v.Lines().SetTextStr("abcdef\r\n" + Sjis("あい") + "\r\nxy");
  ASSERT_EQ(v.TextLeft(), kLeft);
  v.MouseDown(Mouse(XOf(2, 5), YOf(0)));  // the right half of "c": after it
  EXPECT_EQ(At(v), (Caret{0, 3}));
  EXPECT_TRUE(f.window.focused);
  v.MouseMove(Mouse(XOf(2, 7), YOf(0)));  // 2 pixels: no selection yet
  EXPECT_EQ(v.SelState(), ssAnchored);
  v.MouseMove(Mouse(XOf(4, 5), YOf(0)));
  EXPECT_EQ(v.SelText(), "de");
  v.MouseMove(Mouse(XOf(1, 5), YOf(1)));  // the right half of あ's first column: after あ
  EXPECT_EQ(At(v), (Caret{1, 2}));
  EXPECT_EQ(v.SelText(), "def\r\n" + Sjis("あ"));
  v.MouseUp(Mouse(XOf(1, 5), YOf(1)));
  EXPECT_EQ(events.log, "down up click ");
  v.MouseDown(Mouse(XOf(1), YOf(2), TMouseButton::Left, kShift));  // Shift extends
  v.MouseUp(Mouse(XOf(1), YOf(2)));
  EXPECT_EQ(v.SelText(), "def\r\n" + Sjis("あい") + "\r\nx");
  v.MouseDown(Mouse(XOf(1), YOf(0)));  // a plain click outside drops the selection
  EXPECT_FALSE(v.Selected());
  EXPECT_EQ(At(v), (Caret{0, 1}));
  v.MouseUp(Mouse(XOf(1), YOf(0)));
  v.DoubleClick({XOf(2), YOf(0), TMouseButton::Left, kNone, 2});
  v.MouseUp(Mouse(XOf(2), YOf(0)));
  EXPECT_EQ(At(v), (Caret{0, 1}));  // the double-click adds no move
  EXPECT_EQ(events.log, "down up click down up click down up click dblclick down up ");
}

TEST(EditorMouse, TheLeftMarginSelectsRows) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("one\r\ntwo\r\nthree\r\nfour");
  v.MouseDown(Mouse(5, YOf(1)));
  EXPECT_EQ(v.SelText(), "two\r\n");
  v.MouseMove(Mouse(5, YOf(2)));
  EXPECT_EQ(v.SelText(), "two\r\nthree\r\n");
  v.MouseMove(Mouse(XOf(2), YOf(0)));  // into the text: still by rows
  EXPECT_EQ(v.SelText(), "one\r\ntwo\r\n");
  v.MouseUp(Mouse(XOf(2), YOf(0)));
  v.MouseMove(Mouse(5, YOf(3)));  // released: a hover
  EXPECT_EQ(v.SelText(), "one\r\ntwo\r\n");
  v.Caret().SetRowSelect(false);
  v.MouseDown(Mouse(5, YOf(2)));  // a caret at column 0 instead
  EXPECT_EQ(At(v), (Caret{2, 0}));
  EXPECT_FALSE(v.Selected());
}

TEST(EditorMouse, InputIsHeldBackWhileTheButtonIsDown) {
  EditorFixture f;
  TEditor& v = f.view();
  Events events;
  events.Watch(v);
  v.Lines().SetTextStr(NumberedLines(100));
  v.MouseDown(Mouse(XOf(0), YOf(0)));
  events.log.clear();
  EXPECT_TRUE(Press(v, platform::VK_DOWN));
  EXPECT_TRUE(v.Char("x"));
  EXPECT_TRUE(v.Wheel({XOf(0), YOf(0), -120, kNone}));
  v.MouseDown(Mouse(XOf(0), YOf(3), TMouseButton::Right));
  v.MouseUp(Mouse(XOf(0), YOf(3), TMouseButton::Right));
  v.DoubleClick({XOf(0), YOf(0), TMouseButton::Left, kNone, 2});
  EXPECT_EQ(At(v), (Caret{0, 0}));
  EXPECT_EQ(v.TopRow(), 0);
  EXPECT_EQ(Text(v), NumberedLines(100));
  EXPECT_EQ(events.log, "");
  v.MouseMove(Mouse(XOf(0), kTop - 20));  // above the text at the top: row 0 still
  EXPECT_EQ(v.Row(), 0);
  v.MouseMove(Mouse(XOf(1), YOf(40)));  // below the view: it scrolls to the caret
  EXPECT_EQ(v.Row(), 40);
  EXPECT_EQ(v.TopRow(), 12);
  v.MouseMove(Mouse(XOf(1), kTop - 1));  // above the text: a row above the view
  EXPECT_EQ(v.Row(), 11);
  EXPECT_EQ(v.TopRow(), 11);
  v.MouseUp(Mouse(XOf(1), kTop - 1));
  EXPECT_TRUE(Press(v, platform::VK_DOWN));
  EXPECT_EQ(v.Row(), 12);
}

TEST(EditorDrag, ASelectionMovesCopiesOrStaysPut) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abc def ghi");
  auto select = [&](int from, int to) {
    v.SetRowCol(0, from);
    v.StartSelection();
    v.SetRowCol(0, to);
    v.ExtendSelection();
  };
  select(4, 7);  // "def"
  v.MouseDown(Mouse(XOf(5), YOf(0)));
  EXPECT_EQ(v.DragState(), 1);
  v.MouseMove(Mouse(XOf(5, 4), YOf(0)));  // 3 pixels: still pending
  EXPECT_EQ(v.DragState(), 1);
  v.MouseUp(Mouse(XOf(5, 4), YOf(0)));  // a click inside: the selection goes, the caret stays
  EXPECT_EQ(v.DragState(), 0);
  EXPECT_FALSE(v.Selected());
  EXPECT_EQ(v.Col(), 5);

  select(4, 7);
  v.MouseDown(Mouse(XOf(5), YOf(0)));
  v.MouseMove(Mouse(XOf(9), YOf(0)));
  EXPECT_EQ(v.DragState(), 2);
  EXPECT_EQ(f.window.cursor, platform::crDrag);
  v.MouseMove(Mouse(XOf(11), YOf(0)));
  v.MouseUp(Mouse(XOf(11), YOf(0)));  // a move: out, and in at the end
  EXPECT_EQ(Text(v), "abc  ghidef");
  EXPECT_EQ(f.window.cursor, v.Cursor());

  select(0, 3);  // "abc"
  v.MouseDown(Mouse(XOf(1), YOf(0)));
  v.MouseMove(Mouse(XOf(4), YOf(0)));
  v.KeyDown({platform::VK_CONTROL, kCtrl, false});
  EXPECT_EQ(f.window.cursor, TEditorCursors::crDragSelCopy);
  v.KeyUp({platform::VK_CONTROL, kNone, false});
  EXPECT_EQ(f.window.cursor, platform::crDrag);
  v.MouseMove(Mouse(XOf(5), YOf(0)));
  v.MouseUp(Mouse(XOf(5), YOf(0), TMouseButton::Left, kCtrl));  // Ctrl: a copy
  EXPECT_EQ(Text(v), "abc  abcghidef");

  select(0, 3);
  v.MouseDown(Mouse(XOf(1), YOf(0)));
  v.MouseMove(Mouse(XOf(2), YOf(0)));  // onto the selection itself
  v.MouseUp(Mouse(XOf(2), YOf(0)));
  EXPECT_EQ(Text(v), "abc  abcghidef");
  EXPECT_FALSE(v.Selected());

  select(0, 3);
  v.MouseDown(Mouse(XOf(1), YOf(0)));
  v.MouseMove(Mouse(XOf(8), YOf(0)));
  v.KeyDown({platform::VK_ESCAPE, kNone, false});  // Esc cancels the drag
  EXPECT_EQ(v.DragState(), 0);
  v.MouseUp(Mouse(XOf(8), YOf(0)));
  v.MouseDown(Mouse(XOf(1), YOf(0)));
  v.MouseMove(Mouse(XOf(8), YOf(0)));
  v.MouseUp(Mouse(700, YOf(0)));  // dropped outside the window
  EXPECT_EQ(Text(v), "abc  abcghidef");
  EXPECT_FALSE(v.Selected());
}

TEST(EditorMouse, ThePointerShapeFollowsWhatLiesUnderIt) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abc def");
  v.MouseMove(Mouse(5, YOf(0)));
  EXPECT_EQ(f.window.cursor, TEditorCursors::crRightArrow);
  v.MouseMove(Mouse(XOf(1), 0));
  EXPECT_EQ(f.window.cursor, v.Caret().Cursors().TopMarginCursor());
  v.MouseMove(Mouse(XOf(1), YOf(0)));
  EXPECT_EQ(f.window.cursor, platform::crIBeam);
  v.SetCursor(platform::crHandPoint);  // as a host's OnMouseMove does
  v.MouseMove(Mouse(XOf(2), YOf(0)));  // the same kind again: the host's shape stays
  EXPECT_EQ(f.window.cursor, platform::crHandPoint);
  v.Caret().Cursors().SetInSelCursor(platform::crArrow);
  v.SetRowCol(0, 4);
  v.StartSelection();
  v.SetRowCol(0, 7);
  v.ExtendSelection();
  v.MouseMove(Mouse(XOf(5), YOf(0)));
  EXPECT_EQ(f.window.cursor, platform::crArrow);
  v.SetReadOnly(true);  // no drag then: the text's shape
  v.MouseMove(Mouse(XOf(5), YOf(0)));
  EXPECT_EQ(f.window.cursor, platform::crIBeam);
  v.Caret().SetAutoCursor(false);
  v.MouseMove(Mouse(5, YOf(0)));
  EXPECT_EQ(f.window.cursor, platform::crIBeam);
}

TEST(EditorWheel, ThreeRowsANotchUnlessTheHostTakesIt) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr(NumberedLines(100));
  EXPECT_TRUE(v.Wheel({0, 0, -120, kNone}));
  EXPECT_EQ(v.TopRow(), 3);
  v.Wheel({0, 0, -60, kNone});  // half a notch waits for the other half
  EXPECT_EQ(v.TopRow(), 3);
  v.Wheel({0, 0, -60, kNone});
  EXPECT_EQ(v.TopRow(), 6);
  v.Wheel({0, 0, 240, kNone});
  EXPECT_EQ(v.TopRow(), 0);
  EXPECT_EQ(At(v), (Caret{0, 0}));  // the caret keeps its row
  Events events;
  v.OnMouseWheel = {&events, &Events::TakeWheel};
  v.Wheel({0, 0, -120, kNone});
  EXPECT_EQ(v.TopRow(), 0);
  EXPECT_EQ(events.wheel, -120);
}

}  // namespace
}  // namespace editor
