// The margin bars on a grid of cells and a map of pixels: the line-number field and its
// numbering, the text area moving with the bar's width, the image bar's choice of image, the
// ruler's glyphs, its end at column 1000 and the caret's column mark.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_bar_images.h"
#include "tests/editor/cell_canvas.h"
#include "tests/editor/editor_test_support.h"

namespace editor {
namespace {

using platform::TPoint;
using platform::TRect;
using platform::TRgb;

constexpr TRgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kGray{128, 128, 128},
    kSilver{192, 192, 192};

// Paints each invalid rectangle into the cell canvas as a paint request's bounds.
class PaintWindow : public testing::FakeWindow {
 public:
  void Update() override {
    for (const TRect& rect : invalid) {
      cells.SetBounds(rect);
      if (Client() != nullptr) Client()->Paint(cells, rect);
    }
    invalid.clear();
  }
  testing::CellCanvas cells;
};

struct BarsFixture {
  BarsFixture() { v.SetWindow(&window); }
  ~BarsFixture() { v.SetWindow(nullptr); }
  // Everything painted, the grid's column 0 on the number field of the line-number bar.
  void PaintAll() {
    window.cells.Reset(NumbersLeft(), v.TextTop(), 8, v.RowHeight());
    window.InvalidateAll();
    window.Update();
  }
  int NumbersLeft() { return v.ImagebarWidth() + v.Leftbar().LeftMargin(); }
  // The number field of a screen row, and the grid column where the text starts.
  std::string Field(int row) {
    const TEditorLeftbar& bar = v.Leftbar();
    return cells().Text(row, 0, (v.LeftbarWidth() - bar.LeftMargin() - bar.RightMargin() - 2) / 8);
  }
  int TextColumn() { return (v.TextLeft() - NumbersLeft()) / 8; }
  const testing::CellCanvas& cells() const { return window.cells; }
  TRgb Pixel(int x, int y) const { return cells().Pixel({x, y}); }

  PaintWindow window;
  std::unique_ptr<TEditor> editor = platform::NewComponent<TEditor>(nullptr);
  TEditor& v = *editor;
};

// The digit table's rows 1-7, as the ruler and this test read it, for 0, 1, 2 and 4.
const char* const kGlyph0[7] = {"..XX.", ".X..X", ".X..X", ".X..X", ".X..X", ".X..X", "..XX."};
const char* const kGlyph1[7] = {"..X..", ".XX..", "..X..", "..X..", "..X..", "..X..", "..X.."};
const char* const kGlyph2[7] = {"..XX.", ".X..X", "....X", "...X.", "..X..", ".X...", ".XXXX"};
const char* const kGlyph4[7] = {"...X.", "..XX.", "..XX.", ".X.X.", ".XXXX", "...X.", "...X."};

// The 9 x Width box of a glyph at (x, 0): rows 0 and 8 and the box's blank pixels in paper,
// the table's X's in ink.
void ExpectGlyph(const BarsFixture& f, int x, const char* const (&glyph)[7], int width,
                 TRgb ink, TRgb paper) {
  for (int y = 0; y < 9; ++y) {
    for (int gx = 0; gx < width; ++gx) {
      const bool isInk = y >= 1 && y <= 7 && glyph[y - 1][gx] == 'X';
      EXPECT_EQ(f.Pixel(x + gx, y), isInk ? ink : paper) << "x " << gx << " y " << y;
    }
  }
}

TEST(EditorBars, LineNumberFieldZeroLeadAndRowsPastTheText) {
  BarsFixture f;
  f.v.Leftbar().SetVisible(true);
  f.v.Leftbar().SetZeroLead(true);
  f.v.Lines().SetTextStr(testing::NumberedLines(9));  // nine rows, no final line break
  f.PaintAll();
  EXPECT_EQ(f.v.LeftbarWidth(), 8 + 4 * 8 + 4 + 2);
  EXPECT_EQ(f.Field(0), "0001");
  EXPECT_EQ(f.Field(8), "0009");
  EXPECT_EQ(f.Field(9), "    ");
  EXPECT_EQ(f.cells().At(0, 0).fore, kBlack);
  // The bar's colour, and its edge in its last two pixel columns down from the text's top.
  const int right = f.v.ImagebarWidth() + f.v.LeftbarWidth();
  EXPECT_EQ(f.Pixel(right - 3, f.v.TextTop() + 40), kSilver);
  EXPECT_EQ(f.Pixel(right - 2, f.v.TextTop() + 40), kWhite);
  EXPECT_EQ(f.Pixel(right - 1, f.v.TextTop() + 40), kGray);
  EXPECT_EQ(f.Pixel(right, f.v.TextTop() + 40), kWhite);  // the margin before the text

  // After a final line break the next row is numbered, the ones after it are not.
  f.v.Leftbar().SetZeroLead(false);
  f.v.Leftbar().SetZeroBase(true);
  f.v.Lines().SetTextStr(testing::NumberedLines(9) + "\r\n");
  f.PaintAll();
  EXPECT_EQ(f.Field(0), "   0");
  EXPECT_EQ(f.Field(9), "   9");
  EXPECT_EQ(f.Field(10), "    ");
  // Without numbers the cells are only filled.
  f.v.Leftbar().SetShowNumber(false);
  f.PaintAll();
  EXPECT_EQ(f.Field(0), "    ");
  EXPECT_EQ(f.Pixel(f.NumbersLeft(), f.v.TextTop()), kSilver);
}

TEST(EditorBars, TextAreaMovesRightWithTheBarAndItsWidthUpToEightDigits) {
  BarsFixture f;
  f.v.Lines().SetTextStr(testing::NumberedLines(9));
  const int before = f.v.TextLeft();
  f.v.Leftbar().SetColumn(1);
  f.v.Leftbar().SetVisible(true);
  EXPECT_EQ(f.v.TextLeft(), before + 8 + 8 + 4 + 2);
  f.PaintAll();
  EXPECT_EQ(f.cells().Text(0, 0, f.TextColumn() + 1), "1   0");
  // A tenth row widens the field by one digit and the text follows.
  f.v.Lines().Add(platform::ByteString("9"));
  EXPECT_EQ(f.v.TextLeft(), before + 8 + 16 + 4 + 2);
  f.PaintAll();
  EXPECT_EQ(f.Field(9), "10");
  EXPECT_EQ(f.cells().Text(9, f.TextColumn(), f.TextColumn() + 1), "9");
  // The field's least width is limited to eight digits.
  f.v.Leftbar().SetColumn(12);
  EXPECT_EQ(f.v.LeftbarWidth(), 8 + 8 * 8 + 4 + 2);
  f.PaintAll();
  EXPECT_EQ(f.Field(0), "       1");
}

TEST(EditorBars, LogicalLineNumbersFromAContinuationRow) {
  BarsFixture f;
  f.v.Leftbar().SetVisible(true);
  f.v.Leftbar().SetShowNumberMode(nmLine);
  f.v.WrapOption().SetWrapByte(20);
  f.v.SetWordWrap(true);
  // Rows: 0 "a"; 1-3 line 2; 4 "b"; 5-6 line 4; 7 "c".
  f.v.Lines().SetTextStr("a\r\n" + std::string(50, 'x') + "\r\nb\r\n" + std::string(30, 'y') +
                         "\r\nc");
  ASSERT_EQ(f.v.RowCount(), 8);
  f.PaintAll();
  EXPECT_EQ(f.Field(0), "   1");
  EXPECT_EQ(f.Field(1), "   2");
  EXPECT_EQ(f.Field(2), "    ");
  EXPECT_EQ(f.Field(4), "   3");
  f.v.SetTopRow(2);  // the view starts on a continuation row
  f.PaintAll();
  const std::vector<std::string> shown = {f.Field(0), f.Field(1), f.Field(2),
                                          f.Field(3), f.Field(4), f.Field(5)};
  EXPECT_EQ(shown, (std::vector<std::string>{"    ", "    ", "   3", "   4", "    ", "   5"}));
  // A repaint of a band that starts on a continuation row numbers the same.
  f.window.cells.Reset(f.NumbersLeft(), f.v.TextTop(), 8, f.v.RowHeight());
  f.window.Invalidate({0, f.v.TextTop() + f.v.RowHeight(), 640, f.v.TextTop() + 4 * f.v.RowHeight()});
  f.window.Update();
  EXPECT_EQ(f.Field(1) + f.Field(2) + f.Field(3), "       3   4");
}

TEST(EditorBars, ImageBarShowsTheLowestDigitMarkAndTheLowestOtherMark) {
  BarsFixture f;
  f.v.Imagebar().SetMarkWidth(11);
  f.v.Lines().SetTextStr(testing::NumberedLines(3));
  f.v.PutMark(1, 7);
  f.v.PutMark(1, 3);
  f.v.PutMark(1, 14);
  f.v.PutMark(1, 12);
  f.PaintAll();
  // What each image looks like over the bar's colour, from a canvas of its own.
  auto image = [](void (*draw)(platform::TCanvas&, TPoint, int), int n, int width) {
    testing::CellCanvas canvas;
    canvas.Reset(0, 0, 8, 16);
    canvas.FillRect({0, 0, 20, 20}, kWhite);
    draw(canvas, {0, 0}, n);
    std::vector<TRgb> pixels;
    for (int y = 0; y < 11; ++y) {
      for (int x = 0; x < width; ++x) pixels.push_back(canvas.Pixel({x, y}));
    }
    return pixels;
  };
  auto shown = [&](int x0, int width) {
    std::vector<TRgb> pixels;
    const int top = f.v.TextTop() + f.v.RowHeight() + 2;
    for (int y = top; y < top + 11; ++y) {
      for (int x = x0; x < x0 + width; ++x) pixels.push_back(f.Pixel(x, y));
    }
    return pixels;
  };
  const int digitX = f.v.Imagebar().LeftMargin();
  const int markX = digitX + f.v.Imagebar().DigitWidth();
  EXPECT_EQ(shown(digitX, 8), image(bar_images::DrawDigitImage, 3, 8));
  EXPECT_NE(shown(digitX, 8), image(bar_images::DrawDigitImage, 7, 8));
  EXPECT_EQ(shown(markX, 11), image(bar_images::DrawMarkImage, 2, 11));
  // Rows without marks show the bar's colour only.
  EXPECT_EQ(f.Pixel(digitX + 3, f.v.TextTop() + 5), kWhite);
  EXPECT_EQ(f.Pixel(digitX + 3, f.v.TextTop() + 2 * f.v.RowHeight() + 5), kWhite);
}

TEST(EditorBars, RulerGlyphsFromTheTable) {
  BarsFixture f;
  f.v.Ruler().SetVisible(true);
  f.v.Lines().SetTextStr("abc");
  f.v.SetRowCol(0, 3);
  f.PaintAll();
  const int left = f.v.TextLeft();
  EXPECT_EQ(f.v.TextTop(), 2 + 11);
  // "0" at column 0, "10" at column 10 ("1" three pixels wide), "20" and "40".
  ExpectGlyph(f, left + 1, kGlyph0, 5, kBlack, kSilver);
  ExpectGlyph(f, left + 80 + 1, kGlyph1, 3, kBlack, kSilver);
  ExpectGlyph(f, left + 80 + 4, kGlyph0, 5, kBlack, kSilver);
  ExpectGlyph(f, left + 160 + 1, kGlyph2, 5, kBlack, kSilver);
  ExpectGlyph(f, left + 320 + 1, kGlyph4, 5, kBlack, kSilver);
  // Ticks: full height at 0, from y 3 at the half, from y 6 elsewhere; the edge below.
  EXPECT_EQ(f.Pixel(left + 40, 2), kSilver);
  EXPECT_EQ(f.Pixel(left + 40, 3), kBlack);
  EXPECT_EQ(f.Pixel(left + 8, 5), kSilver);
  EXPECT_EQ(f.Pixel(left + 8, 6), kBlack);
  EXPECT_EQ(f.Pixel(left + 8, 9), kWhite);
  EXPECT_EQ(f.Pixel(left + 8, 10), kGray);
}

TEST(EditorBars, RulerEndsWithOneThousandAndIsBlankRightOfIt) {
  BarsFixture f;
  f.v.Ruler().SetVisible(true);
  f.v.SetTopCol(kColLimit);
  f.PaintAll();
  const int x = f.v.TextLeft() + (1000 - f.v.TopCol()) * 8 + 1;
  ASSERT_LT(x + 40, 640 - 16);
  ExpectGlyph(f, x, kGlyph1, 3, kBlack, kSilver);
  ExpectGlyph(f, x + 3, kGlyph0, 5, kBlack, kSilver);
  ExpectGlyph(f, x + 13, kGlyph0, 5, kBlack, kSilver);
  // Right of it no tick and no number, only the edge.
  for (int px = x + 18; px < 640 - 16; ++px) {
    for (int y = 0; y < 9; ++y) ASSERT_EQ(f.Pixel(px, y), kSilver) << px << ", " << y;
    ASSERT_EQ(f.Pixel(px, 9), kWhite);
  }
  // Left of it the gauge goes on: the tick of column 995 from y 3.
  EXPECT_EQ(f.Pixel(x - 1 - 40, 3), kBlack);
}

TEST(EditorBars, RulerMarkFollowsTheCaretColumn) {
  BarsFixture f;
  f.v.Ruler().SetVisible(true);
  f.v.Ruler().SetMarkColor(platform::clRed);
  f.v.Lines().SetTextStr("abcdefghijklmnop");
  f.PaintAll();
  const int left = f.v.TextLeft();
  const TRgb red{255, 0, 0};
  auto marked = [&](int col) {
    return f.Pixel(left + 8 * col + 1, 0) == red && f.Pixel(left + 8 * col + 7, 8) == red &&
           f.Pixel(left + 8 * col, 8) != red && f.Pixel(left + 8 * col + 1, 9) != red;
  };
  EXPECT_TRUE(marked(0));
  // The number under the mark shows in the ruler's background colour.
  EXPECT_EQ(f.Pixel(left + 3, 1), kSilver);
  f.v.SetCol(5);  // painted through the caret's move alone
  EXPECT_FALSE(marked(0));
  EXPECT_TRUE(marked(5));
  EXPECT_EQ(f.Pixel(left + 3, 1), kBlack);
  EXPECT_EQ(f.Pixel(left + 1, 5), kSilver);
  f.v.SetRowCol(0, 12);
  EXPECT_FALSE(marked(5));
  EXPECT_TRUE(marked(12));
  // A column taken while the view had no window is marked once it has one.
  f.v.SetWindow(nullptr);
  f.v.SetCol(9);
  f.v.SetWindow(&f.window);
  f.PaintAll();
  EXPECT_FALSE(marked(12));
  EXPECT_TRUE(marked(9));
}

}  // namespace
}  // namespace editor
