// The margin bars of a paint request: the corner above the bars, the ruler above the text,
// the image bar at the far left, the line-number bar right of it and the margins between
// them and the text. Each is drawn straight onto the paint canvas, pixel for pixel what
// prepared off-screen pictures would copy, and stays inside its own area, so a partial
// repaint gives the same pixels as a full one.
#include <algorithm>
#include <string>

#include "editor/editor.h"
#include "editor/editor_bar_images.h"

namespace editor {
namespace {

constexpr platform::TRgb kEdgeLight{255, 255, 255};
constexpr platform::TRgb kEdgeShadow{128, 128, 128};

platform::TColor Or(platform::TColor color, platform::TColor fallback) {
  return color == platform::clNone ? fallback : color;
}

// The lowest of row marks From ... To in Marks, or -1.
int LowestMark(unsigned Marks, int From, int To) {
  for (int n = From; n <= To; ++n) {
    if ((Marks & (1u << n)) != 0) return n;
  }
  return -1;
}

// N right-aligned in a field of Digits characters, padded with blanks or zeros.
std::string NumberField(int N, int Digits, bool ZeroLead) {
  std::string text = std::to_string(N);
  if (static_cast<int>(text.size()) < Digits) {
    text.insert(0, static_cast<size_t>(Digits) - text.size(), ZeroLead ? '0' : ' ');
  }
  return text;
}

}  // namespace

void TEditor::PaintBars(const platform::TRect& Dirty) {
  platform::TCanvas& canvas = *paintCanvas_;
  const platform::TRect client = ClientRect();
  const int left = TextLeft();
  const int top = TextTop();
  const platform::TRgb back = Rgb(BackColor());

  const platform::TRect corner = Dirty.Intersect({0, 0, left, top});
  if (!corner.IsEmpty()) {
    canvas.SetClip(corner);
    PaintCorner();
    canvas.ResetClip();
  }
  // Above the text: the ruler, then the top margin.
  const int rulerHeight = RulerHeight();
  if (rulerHeight > 0) PaintRuler(Dirty.Intersect({left, 0, client.Right, rulerHeight}));
  const platform::TRect topMargin = Dirty.Intersect({left, rulerHeight, client.Right, top});
  if (!topMargin.IsEmpty()) canvas.FillRect(topMargin, back);

  // Left of the text, row by row: each bar cell is one row height high, gap included.
  const platform::TRect side = Dirty.Intersect({0, top, left, client.Bottom});
  if (side.IsEmpty()) return;
  const int rowHeight = RowHeight();
  const int first = topRow_ + (side.Top - top) / rowHeight;
  const int last = topRow_ + (side.Bottom - 1 - top) / rowHeight;
  const int imagebarWidth = ImagebarWidth();
  const int barsRight = imagebarWidth + (leftbar_->Visible() ? leftbarWidth_ : 0);
  if (side.Left < imagebarWidth) PaintImagebar(first, last);
  if (leftbar_->Visible() && side.Left < barsRight && side.Right > imagebarWidth) {
    PaintLeftbar(first, last);
  }
  const platform::TRect margin = side.Intersect({barsRight, top, left, client.Bottom});
  if (!margin.IsEmpty()) canvas.FillRect(margin, back);
}

// The area above the bars and left of the ruler: the view's colour, with the bars' edges
// carried up through it when they show edges.
void TEditor::PaintCorner() {
  platform::TCanvas& canvas = *paintCanvas_;
  const int left = TextLeft();
  const int top = TextTop();
  canvas.FillRect({0, 0, left, top}, Rgb(BackColor()));
  const int barRight = ImagebarWidth() + leftbarWidth_;
  const bool barEdge = leftbar_->Visible() && leftbar_->Edge();
  if (barEdge) {
    canvas.FillRect({0, 0, barRight, top}, Rgb(Or(leftbar_->BkColor(), BackColor())));
    canvas.FillRect({barRight - 2, 0, barRight - 1, top}, kEdgeLight);
    canvas.FillRect({barRight - 1, 0, barRight, top}, kEdgeShadow);
  }
  if (ruler_->Visible() && ruler_->Edge()) {
    const int from = barEdge ? barRight : 0;
    const int height = RulerHeight();
    canvas.FillRect({from, 0, left, height}, Rgb(Or(ruler_->BkColor(), BackColor())));
    // One pixel further left, so that it meets the bar's edge.
    canvas.FillRect({from - 1, height - 2, left, height - 1}, kEdgeLight);
    canvas.FillRect({from - 1, height - 1, left, height}, kEdgeShadow);
  }
}

void TEditor::PaintLeftbar(int FirstRow, int LastRow) {
  platform::TCanvas& canvas = *paintCanvas_;
  const int top = TextTop();
  const int rowHeight = RowHeight();
  const int bottom = ClientRect().Bottom;
  const int from = ImagebarWidth();
  const int right = from + leftbarWidth_;
  const platform::TRgb back = Rgb(Or(leftbar_->BkColor(), BackColor()));
  const platform::TRgb fore = Rgb(Or(leftbar_->Color(), TextColor()));
  // The edge: its last two pixel columns, in white and grey or in the bar's own colours.
  const bool edge = leftbar_->Edge();
  canvas.FillRect({right - 2, top, right - 1, bottom}, edge ? kEdgeLight : back);
  canvas.FillRect({right - 1, top, right, bottom}, edge ? kEdgeShadow : fore);

  const int count = RowCount();
  // The place after a final line break (or an empty text) is numbered as a row of its own.
  const bool endsWithBreak = count == 0 || screen_->RowKind(count - 1) != textstore::rkTextEnd;
  auto startsLine = [&](int row) {
    return row == 0 || (row <= count && screen_->RowKind(row - 1) == textstore::rkLineEnd);
  };
  const bool byLine = leftbar_->ShowNumberMode() == nmLine;
  const int base = leftbar_->ZeroBase() ? 0 : 1;
  // By lines, each numbered row starts a logical line: the first at or after FirstRow is the
  // line of FirstRow, or the next one when FirstRow continues a wrapped line.
  int nextLine = 0;
  if (byLine && FirstRow <= count) {
    nextLine = screen_->RowToLine(FirstRow) + (startsLine(FirstRow) ? 0 : 1);
  }
  for (int row = FirstRow; row <= LastRow; ++row) {
    const int y = top + rowHeight * (row - topRow_);
    const platform::TRect cell{from, y, right - 2, y + rowHeight};
    canvas.FillRect(cell, back);
    if (!leftbar_->ShowNumber() || row > count || (row == count && !endsWithBreak)) continue;
    if (byLine && !startsLine(row)) continue;
    const int number = (byLine ? nextLine++ : row) + base;
    canvas.DrawCells({from + leftbar_->LeftMargin(), y},
                     NumberField(number, leftbarDigits_, leftbar_->ZeroLead()), fontHandle_,
                     colWidth_, fore, nullptr, cell);
  }
}

void TEditor::PaintImagebar(int FirstRow, int LastRow) {
  platform::TCanvas& canvas = *paintCanvas_;
  const int top = TextTop();
  const int rowHeight = RowHeight();
  const int width = ImagebarWidth();
  const platform::TColor barColor = leftbar_->BkColor();
  const platform::TRgb back =
      Rgb(leftbar_->Visible() && barColor != platform::clNone ? barColor : BackColor());
  const int count = RowCount();
  for (int row = FirstRow; row <= LastRow; ++row) {
    const int y = top + rowHeight * (row - topRow_);
    const platform::TRect cell{0, y, width, y + rowHeight};
    canvas.FillRect(cell, back);
    const unsigned marks = row < count ? screen_->RowMarks(row) : 0u;
    if (marks == 0) continue;
    // Images stay inside their row's cell of the bar.
    canvas.SetClip(cell);
    const int digit = LowestMark(marks, 0, 9);
    if (digit >= 0) bar_images::DrawDigitImage(canvas, {imagebar_->LeftMargin(), y + 2}, digit);
    const int mark = LowestMark(marks, 10, 15);
    if (mark >= 0) {
      bar_images::DrawMarkImage(
          canvas, {imagebar_->LeftMargin() + imagebar_->DigitWidth(), y + 2}, mark - 10);
    }
    canvas.ResetClip();
  }
}

// The gauge (ticks, numbers every GaugeRange columns from the one at or left of TopCol, up to
// 1000 with nothing right of it) and the caret's column drawn inverted.
void TEditor::PaintRuler(const platform::TRect& Band) {
  if (Band.IsEmpty()) return;
  platform::TCanvas& canvas = *paintCanvas_;
  canvas.SetClip(Band);
  const int left = TextLeft();
  const int right = ClientRect().Right;
  const int height = RulerHeight();
  const bool edge = ruler_->Edge();
  // Numbers and the caret mark keep off the edge (or the bottom line).
  const int fieldHeight = height - (edge ? 2 : 1);
  const int range = ruler_->GaugeRange();
  const platform::TRgb back = Rgb(Or(ruler_->BkColor(), BackColor()));
  const platform::TRgb fore = Rgb(Or(ruler_->Color(), TextColor()));
  const platform::TRgb mark = Rgb(Or(ruler_->MarkColor(), TextColor()));
  const int firstNumber = range * (topCol_ / range);
  auto columnX = [&](int col) { return left + (col - topCol_) * colWidth_; };

  canvas.FillRect({left, 0, right, height}, back);
  for (int col = firstNumber; columnX(col) < Band.Right; ++col) {
    const int b = col % range;
    const int from = b == 0 ? 0 : (b == range / 2 ? 3 : 6);
    canvas.Line({columnX(col), from}, {columnX(col), height - 1}, fore);
  }
  if (edge) {
    canvas.FillRect({left, height - 2, right, height - 1}, kEdgeLight);
    canvas.FillRect({left, height - 1, right, height}, kEdgeShadow);
  } else {
    canvas.FillRect({left, height - 1, right, height}, fore);
  }
  // The numbers on Back in Ink; the one above 999 blanks the rest of the ruler and is last.
  auto numbers = [&](platform::TRgb ink, platform::TRgb paper) {
    for (int n = firstNumber; columnX(n) < Band.Right; n += range) {
      const int x = columnX(n) + 1;
      if (n > 999) {
        canvas.FillRect({x, 0, right, fieldHeight}, paper);
        bar_images::DrawNumber(canvas, {x, 0}, n, ink, paper);
        return;
      }
      bar_images::DrawNumber(canvas, {x, 0}, n, ink, paper);
    }
  };
  numbers(fore, back);

  const int col = rulerMarkCol_;
  if (col >= topCol_ && col <= topCol_ + visibleColCount_) {
    const platform::TRect cell{columnX(col) + 1, 0, columnX(col) + colWidth_, fieldHeight};
    canvas.SetClip(cell.Intersect(Band));
    canvas.FillRect(cell, mark);
    numbers(back, mark);
  }
  canvas.ResetClip();
}

// --- The caret's column --------------------------------------------------------------------

void TEditor::MarkRulerColumn(int ACol) {
  rulerMarkCol_ = ACol;
  if (!HandleAllocated() || !ruler_->Visible()) return;
  if (ACol < topCol_ || ACol > topCol_ + visibleColCount_) return;
  const int x = TextLeft() + (ACol - topCol_) * colWidth_;
  window_->Invalidate({x + 1, 0, x + colWidth_, RulerHeight() - (ruler_->Edge() ? 2 : 1)});
}

void TEditor::UnmarkRulerColumn(int ACol) {
  MarkRulerColumn(ACol);
  rulerMarkCol_ = -1;
}

void TEditor::FollowRulerMark() {
  if (rulerMarkCol_ == col_) return;
  UnmarkRulerColumn(rulerMarkCol_);
  MarkRulerColumn(col_);
  if (HandleAllocated() && ruler_->Visible() && !linesUpdating_) window_->Update();
}

}  // namespace editor
