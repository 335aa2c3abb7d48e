// Painting onto a grid of cells and a map of pixels: where each byte lands (tabs expanded, the
// column limit), its colours from tokens and selection, OnDrawLine per piece and its drawing
// helper, the marks stroke by stroke, dotted and caret-row underlines, colours without value.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/cp932.h"
#include "textstore/search.h"
#include "tests/editor/cell_canvas.h"
#include "tests/editor/editor_test_support.h"

namespace editor {
namespace {

using platform::TPoint;
using platform::TRect;
using platform::TRgb;
using Pixels = std::set<std::pair<int, int>>;

constexpr TRgb kWindow{250, 250, 250}, kWindowText{5, 5, 5}, kWhite{255, 255, 255},
    kBlack{0, 0, 0}, kGray{128, 128, 128}, kRed{255, 0, 0}, kBlue{0, 0, 255},
    kYellow{255, 255, 0}, kNavy{0, 0, 128};

std::string Sjis(const char* utf8) { return platform::cp932::FromUtf8(utf8); }

// Paints each invalid rectangle into the cell canvas as a paint request's bounds; counts asks
// for a colour that has no value; the two system colours are told apart.
class PaintWindow : public testing::FakeWindow {
 public:
  void Update() override {
    for (const TRect& rect : invalid) {
      cells.SetBounds(rect);
      if (Client() != nullptr) Client()->Paint(cells, rect);
    }
    invalid.clear();
  }
  TRgb ResolveColor(platform::TColor color) const override {
    noneResolved += color == platform::clNone;
    if (color == platform::clWindow) return kWindow;
    return color == platform::clWindowText ? kWindowText : FakeWindow::ResolveColor(color);
  }
  testing::CellCanvas cells;
  mutable int noneResolved = 0;
};

struct DrawLineLog : platform::TObject {
  struct Call {
    std::string line;
    int x, y, index;
    TRect rect;
    bool selected;
  };
  void Handle(platform::TObject*, const platform::ByteString& line, int x, int y, int index,
              const TRect& rect, bool selected) {
    calls.push_back({line.str(), x, y, index, rect, selected});
    if (then) then(calls.back());
  }
  std::vector<Call> calls;
  std::function<void(const Call&)> then;
};

struct PaintFixture {
  PaintFixture() { v.SetWindow(&window); }
  ~PaintFixture() { v.SetWindow(nullptr); }
  void PaintAll() {
    window.cells.Reset(v.TextLeft(), v.TextTop(), 8, v.RowHeight());
    window.InvalidateAll();
    window.Update();
  }
  const testing::CellCanvas& cells() const { return window.cells; }
  TPoint Cell(int col, int row) const { return {v.TextLeft() + 8 * col, v.TextTop() + v.RowHeight() * row}; }
  // The pixels in `color` in columns from ... to - 1 of a screen row.
  Pixels Find(int row, TRgb color, int from = 0, int to = 80) const {
    Pixels found;
    for (int y = Cell(0, row).Y; y < Cell(0, row + 1).Y; ++y) {
      for (int x : cells().PixelsOf(y, Cell(from, 0).X, std::min(640, Cell(to, 0).X), color)) {
        found.insert({x, y});
      }
    }
    return found;
  }

  PaintWindow window;
  std::unique_ptr<TEditor> editor = platform::NewComponent<TEditor>(nullptr);
  TEditor& v = *editor;
};

void Select(TEditor& v, int r1, int c1, int r2, int c2) {
  v.SetRowCol(r1, c1);
  v.StartSelection();
  v.SetRowCol(r2, c2);
  v.ExtendSelection();
}

Pixels Strokes(std::vector<std::pair<TPoint, TPoint>> lines) {
  testing::CellCanvas canvas;
  canvas.Reset(0, 0, 8, 16);
  for (const auto& [from, to] : lines) canvas.Line(from, to, kRed);
  Pixels pixels;
  for (int y = 0; y < 480; ++y) {
    for (int x : canvas.PixelsOf(y, 0, 640, kRed)) pixels.insert({x, y});
  }
  return pixels;
}
// The marks of a cell at `c` with the fake font's 8 x 16 cells: d = 2, f = 3 and e = 4.
Pixels RetArrow(TPoint c) {
  const int x = c.X + 4, bottom = c.Y + 12;
  return Strokes({{{x, c.Y + 4}, {x, bottom}}, {{x, bottom}, {x + 3, bottom - 3}},
                  {{x, bottom}, {x - 3, bottom - 3}}});
}
Pixels Chevron(TPoint c, bool pointsRight) {
  const int edge = c.X + 8, y = c.Y + 8;
  if (pointsRight) return Strokes({{{edge - 4, y - 4}, {edge, y}}, {{edge, y}, {edge - 5, y + 5}}});
  return Strokes({{{edge, y - 4}, {edge - 4, y}}, {{edge - 4, y}, {edge + 1, y + 5}}});
}

TEST(EditorPaint, EndMarksInTheThreeWaysATextEnds) {
  PaintFixture f;
  f.v.Marks().EofMark().SetVisible(true);
  f.v.Marks().RetMark().SetVisible(true);
  f.PaintAll();  // empty: "<" at the top left of the text area
  EXPECT_EQ(f.cells().Text(0, 0, 2), "< ");
  EXPECT_EQ(f.cells().At(0, 0).fore, kGray);
  f.v.Lines().SetTextStr("abc");  // no final line break: "<" right after the text
  f.PaintAll();
  EXPECT_EQ(f.cells().Text(0, 0, 5), "abc< ");
  EXPECT_TRUE(f.Find(0, kGray).empty());
  f.v.Lines().SetTextStr("abc\r\n");  // a final line break: its arrow, "<" on the next row
  f.PaintAll();
  EXPECT_EQ(f.cells().Text(0, 0, 5), "abc  ");
  EXPECT_EQ(f.Find(0, kGray), RetArrow(f.Cell(3, 0)));
  EXPECT_EQ(f.cells().Text(1, 0, 2), "< ");
}

TEST(EditorPaint, RowsAreCutAtTheColumnLimitWithTheHiddenTextMark) {
  PaintFixture f;
  f.v.Marks().RetMark().SetVisible(true);
  f.v.Marks().HideMark().SetVisible(true);
  f.v.Marks().HideMark().SetColor(platform::clRed);
  const std::string a = Sjis("あ"), row1 = std::string(999, 'a') + a + "bb";
  f.v.Lines().SetTextStr(std::string(1200, 'a') + "\r\n" + row1 + "\r\n" + std::string(1000, 'a') + "\r\n");
  f.v.SetTopCol(960);  // grid column 40 is column 1000
  f.PaintAll();
  EXPECT_EQ(f.cells().Text(0, 38, 42), "aa  ");
  EXPECT_EQ(f.cells().At(40, 0).draws, 0);
  EXPECT_EQ(f.Find(0, kRed), Chevron(f.Cell(40, 0), true));
  EXPECT_TRUE(f.Find(0, kGray).empty());
  // A double-byte character across the limit is drawn whole, the mark after it.
  EXPECT_EQ(f.cells().Text(1, 38, 42), "a" + a + " ");
  EXPECT_EQ(f.Find(1, kRed), Chevron(f.Cell(41, 1), true));
  // Exactly 1000 columns are not cut.
  EXPECT_EQ(f.Find(2, kGray), RetArrow(f.Cell(40, 2)));
  EXPECT_TRUE(f.Find(2, kRed).empty());
}

TEST(EditorPaint, TokenColoursDottedUnderlineAndEveryCellDrawnOnce) {
  PaintFixture f;
  f.v.View().SetUrl(true);
  f.v.View().SetMail(true);
  f.v.View().Colors().Url().SetColor(platform::clBlue);
  f.v.View().Colors().Url().SetBkColor(platform::clYellow);
  f.v.View().Colors().Url().SetStyle({platform::fsUnderline});
  f.v.View().Colors().Mail().SetColor(platform::clRed);
  const std::string text = "see http://a.jp/x or me@b.jp ok";
  f.v.Lines().SetTextStr(text);
  f.PaintAll();
  EXPECT_EQ(f.cells().Text(0, 0, 31), text);
  for (int col = 0; col < 31; ++col) {
    SCOPED_TRACE(col);
    const bool url = col >= 4 && col < 17, mail = col >= 21 && col < 28;
    EXPECT_EQ(f.cells().At(col, 0).fore, url ? kBlue : mail ? kRed : kBlack);
    EXPECT_EQ(f.cells().Back(col, 0), url ? kYellow : kWhite);
    // No glyph lies under another.
    EXPECT_EQ(f.cells().At(col, 0).draws, text[static_cast<size_t>(col)] == ' ' ? 0 : 1);
  }
  // The underline: dots from the token's first pixel on its cells' last pixel row.
  std::vector<int> dots;
  for (int x = f.Cell(4, 0).X; x < f.Cell(17, 0).X; x += 2) dots.push_back(x);
  EXPECT_EQ(f.cells().PixelsOf(f.v.TextTop() + 15, 0, 640, kBlue), dots);
  EXPECT_EQ(f.cells().Pixel({dots[0] + 1, f.v.TextTop() + 15}), kYellow);
  const int font = f.cells().At(4, 0).font.Id;
  EXPECT_FALSE(f.window.fonts[static_cast<size_t>(font - 1)].Style.Contains(platform::fsUnderline));
}

TEST(EditorPaint, SelectionPiecesRaiseOnDrawLineEachWithItsRectangle) {
  PaintFixture f;
  DrawLineLog log;
  f.v.Lines().SetTextStr("abcdefgh\r\nxyz");
  f.v.View().Colors().Select().SetBkColor(platform::clNone);
  f.v.View().Colors().Select().SetColor(platform::clNone);
  Select(f.v, 0, 2, 0, 5);
  f.v.OnDrawLine = {&log, &DrawLineLog::Handle};
  int canvases = 0;
  log.then = [&](const DrawLineLog::Call&) { canvases += f.v.PaintCanvas() == &f.cells(); };
  f.PaintAll();
  EXPECT_EQ(f.v.PaintCanvas(), nullptr);  // only during the event
  ASSERT_EQ(log.calls.size(), 4u);        // rows beyond the text raise none
  EXPECT_EQ(canvases, 4);
  const int l = f.v.TextLeft(), t = f.v.TextTop();
  const TRect rects[] = {{l, t, l + 16, t + 16}, {l + 16, t, l + 40, t + 16}, {l + 40, t, 640, t + 16}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(log.calls[i].line, "abcdefgh");
    EXPECT_EQ(log.calls[i].rect, rects[i]);
    EXPECT_EQ(log.calls[i].selected, i == 1);
    EXPECT_EQ(std::tuple(log.calls[i].index, log.calls[i].x, log.calls[i].y), std::tuple(0, l, t));
  }
  EXPECT_EQ(log.calls[3].line, "xyz");
  for (int col = 0; col < 8; ++col) {  // Select at clNone: the inverse of plain text
    const bool in = col >= 2 && col < 5;
    EXPECT_EQ(f.cells().At(col, 0).fore, in ? kWhite : kBlack) << col;
    EXPECT_EQ(f.cells().Back(col, 0), in ? kBlack : kWhite) << col;
  }
}

TEST(EditorPaint, BoxBoundaryInsideADoubleByteCharacterTakesTheWholeCharacter) {
  PaintFixture f;
  f.v.Lines().SetTextStr("a" + Sjis("あい") + "b\r\nabcdefgh");
  f.v.SetSelectionMode(1);
  Select(f.v, 1, 4, 0, 1);  // columns 1 ... 4; column 4 of row 0 is the second half of い
  f.PaintAll();
  EXPECT_EQ(f.cells().Text(0, 0, 6), "a" + Sjis("あい") + "b");
  for (int col = 0; col < 8; ++col) {
    EXPECT_EQ(f.cells().Back(col, 0), col >= 1 && col < 5 ? kNavy : kWhite) << col;
    EXPECT_EQ(f.cells().Back(col, 1), col >= 1 && col < 4 ? kNavy : kWhite) << col;
  }
}

TEST(EditorPaint, TabsTakeTheirColumnsForTextTokensSelectionAndHandlers) {
  PaintFixture f;
  f.v.View().SetUrl(true);
  f.v.View().Colors().Url().SetColor(platform::clBlue);
  const std::string row0 = "a\tb\t" + Sjis("あ") + "c";
  f.v.Lines().SetTextStr(row0 + "\r\n\thttp://x.jp\r\nx\x01y");
  Select(f.v, 0, 8, 0, 16);
  EXPECT_EQ(f.v.SelText(), "b\t");
  DrawLineLog log;
  f.v.OnDrawLine = {&log, &DrawLineLog::Handle};
  log.then = [&](const DrawLineLog::Call& call) {  // the row's own text again, in red
    if (call.index == 0) f.v.DrawTextRect(call.rect, call.x, call.y, call.line, platform::clRed, {});
  };
  f.PaintAll();
  EXPECT_EQ(f.cells().Text(0, 0, 19), "a       b       " + Sjis("あ") + "c");
  EXPECT_EQ(log.calls[0].line, row0);
  int row = -1, col = -1;
  f.v.PosToRowCol(f.Cell(16, 0).X + 3, f.Cell(16, 0).Y + 3, row, col, false);
  EXPECT_EQ(col, 16);
  for (int c : {0, 8, 16, 18}) EXPECT_EQ(f.cells().At(c, 0).fore, kRed) << c;
  for (int c : {0, 8, 15, 16}) {  // the handler's text keeps the backgrounds
    EXPECT_EQ(f.cells().Back(c, 0), c == 8 || c == 15 ? kNavy : kWhite) << c;
  }
  EXPECT_EQ(f.cells().Text(1, 0, 19), "        http://x.jp");
  EXPECT_EQ(f.cells().At(8, 1).fore, kBlue);
  EXPECT_EQ(f.cells().Text(2, 0, 3), "x y");  // a control byte is a blank cell
}

TEST(EditorPaint, ColoursWithoutAValueNeverReachTheCanvas) {
  PaintFixture f;
  TEditor& v = f.v;
  v.SetColor(platform::clNone);
  v.Font().SetColor(platform::clNone);
  for (TEditorMark* mark : {&v.Marks().EofMark(), &v.Marks().RetMark(), &v.Marks().WrapMark(),
                            &v.Marks().HideMark(), &v.Marks().Underline()}) {
    mark->SetColor(platform::clNone);
    mark->SetVisible(true);
  }
  v.View().SetUrl(true);
  v.View().Colors().Select().SetBkColor(platform::clNone);
  v.View().Colors().Select().SetColor(platform::clNone);
  v.WrapOption().SetWrapByte(20);
  v.SetWordWrap(true);
  v.Lines().SetTextStr("http://a.jp\r\n" + std::string(30, 'w') + "\r\nend\r\n");
  Select(v, 0, 3, 1, 2);
  f.PaintAll();
  EXPECT_EQ(f.window.noneResolved, 0);
  EXPECT_EQ(f.cells().At(0, 0).fore, kWindowText);
  EXPECT_EQ(f.cells().Back(0, 0), kWindow);
  EXPECT_EQ(f.cells().At(3, 0).fore, kWindow);  // selected: the inverse
  EXPECT_EQ(f.cells().Back(3, 0), kWindowText);
  EXPECT_EQ(f.Find(0, kWindow, 11, 12), RetArrow(f.Cell(11, 0)));  // a selected mark
  EXPECT_EQ(f.Find(1, kWindowText, 20, 22), Chevron(f.Cell(20, 1), false));
  EXPECT_EQ(f.cells().At(0, 4).fore, kWindowText);  // "<"
  v.ClearSelection();  // the caret-row underline comes back
  EXPECT_EQ(f.window.noneResolved, 0);
  EXPECT_EQ(f.cells().PixelsOf(v.UnderlinePos(1), 0, 640, kWindowText).size(), 640u - v.TextLeft());
}

TEST(EditorPaint, CaretRowUnderlineIsDrawnAndErased) {
  PaintFixture f;
  f.v.Marks().Underline().SetVisible(true);
  f.v.Marks().Underline().SetColor(platform::clRed);
  f.v.Lines().SetTextStr("abc\r\ndef");
  f.PaintAll();
  const int y = f.v.UnderlinePos(0);
  const size_t width = 640u - f.v.TextLeft();
  EXPECT_EQ(f.cells().PixelsOf(y, 0, 640, kRed).size(), width);
  f.v.HideUnderline();
  EXPECT_EQ(f.cells().PixelsOf(y, f.v.TextLeft(), 640, kWhite).size(), width);
  f.v.ShowUnderline();
  EXPECT_EQ(f.cells().PixelsOf(y, 0, 640, kRed).size(), width);
  EXPECT_EQ(f.cells().Text(0, 0, 3), "abc");
}

// The underline follows the caret from row to row, through caret moves, drawn search hits and
// row selections, and is never left behind under a row the caret has left.
TEST(EditorPaint, CaretRowUnderlineFollowsTheCaret) {
  PaintFixture f;
  TEditor& v = f.v;
  v.Marks().Underline().SetVisible(true);
  v.Marks().Underline().SetColor(platform::clRed);
  v.Lines().SetTextStr("r0\r\nr1 foo\r\nr2\r\nr3 foo\r\nr4\r\nr5\r\n");
  f.PaintAll();
  const size_t width = 640u - v.TextLeft();
  auto underlined = [&] {
    std::vector<int> rows;
    for (int row = 0; row < 6; ++row) {
      if (f.cells().PixelsOf(v.UnderlinePos(row), 0, 640, kRed).size() == width) rows.push_back(row);
    }
    return rows;
  };
  v.SetRow(2);
  EXPECT_EQ(underlined(), std::vector<int>{2});
  v.SetRow(0);
  v.SetHitStyle(hsDraw);
  ASSERT_TRUE(v.Search("foo", textstore::soForward));  // a hit drawn: no underline anywhere
  EXPECT_EQ(underlined(), std::vector<int>{});
  ASSERT_TRUE(v.Search("foo", textstore::soForward));
  EXPECT_EQ(underlined(), std::vector<int>{});
  v.ClearSelection();
  EXPECT_EQ(underlined(), std::vector<int>{v.Row()});
  v.SetRow(0);
  v.SelectRow(4);  // the margin's row selection, away from the caret's row
  EXPECT_EQ(underlined(), std::vector<int>{});
  v.ClearSelection();
  EXPECT_EQ(underlined(), std::vector<int>{v.Row()});
}

TEST(EditorPaint, WrappedRowsAreScannedWithTheNextRowAndRowsOutOfReachRaiseNothing) {
  PaintFixture f;
  f.v.View().SetUrl(true);
  f.v.View().Colors().Url().SetColor(platform::clBlue);
  f.v.WrapOption().SetWrapByte(20);
  f.v.SetWordWrap(true);
  const std::string line = std::string(15, 'x') + " http://example.jp/abc";
  f.v.Lines().SetTextStr(line);
  DrawLineLog log;
  f.v.OnDrawLine = {&log, &DrawLineLog::Handle};
  f.PaintAll();
  ASSERT_EQ(log.calls.size(), 2u);
  EXPECT_EQ(log.calls[0].line, line);  // the next row's text follows a wrapped row's
  EXPECT_EQ(f.cells().At(16, 0).fore, kBlue);
  EXPECT_EQ(f.cells().At(0, 1).fore, kBlue);  // the URL's rest keeps its kind
  f.v.SetWordWrap(false);
  f.v.Lines().SetTextStr("short\r\n" + std::string(200, 'y'));
  for (int top : {10, 11}) {  // "short" ends 5, then 6 columns left of the view
    f.v.SetTopCol(top);
    log.calls.clear();
    f.PaintAll();
    EXPECT_EQ(log.calls.size(), top == 10 ? 2u : 1u);
  }
}

}  // namespace
}  // namespace editor
