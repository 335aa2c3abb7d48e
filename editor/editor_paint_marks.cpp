// The marks after a row's text: end of text, line break, wrap and hidden text. Each is drawn
// inside the piece of the row being painted, so a mark takes that piece's selection state and
// never reaches into a neighbouring piece. The canvas leaves out the end point of a line, as
// the +1 offsets of the chevrons assume.
#include <algorithm>
#include <utility>
#include <vector>

#include "editor/editor.h"

namespace editor {
namespace {

using Stroke = std::pair<platform::TPoint, platform::TPoint>;

platform::TColor Or(platform::TColor color, platform::TColor fallback) {
  return color == platform::clNone ? fallback : color;
}

// A downward arrow in the middle of the column at X.
std::vector<Stroke> RetStrokes(int X, int Y, int colWidth, int fontHeight) {
  const int d = std::max(1, fontHeight / 8);
  const int f = std::max(d, 3);
  const int x = X + colWidth / 2;
  const int bottom = Y + fontHeight - 2 * d;
  return {{{x, Y + 2 * d}, {x, bottom}}, {{x, bottom}, {x + f, bottom - f}},
          {{x, bottom}, {x - f, bottom - f}}};
}

// A chevron at the right edge of the column at X: pointing left (wrap) or right (hidden text).
std::vector<Stroke> ChevronStrokes(int X, int Y, int colWidth, int fontHeight, bool right) {
  const int e = std::max(2, colWidth * 3 / 5);
  const int y = Y + fontHeight / 2;
  const int edge = X + colWidth;
  if (right) return {{{edge - e, y - e}, {edge, y}}, {{edge, y}, {edge - e - 1, y + e + 1}}};
  return {{{edge, y - e}, {edge - e, y}}, {{edge - e, y}, {edge + 1, y + e + 1}}};
}

// The strokes in one colour, inside the piece being painted.
void DrawStrokes(platform::TCanvas& canvas, const platform::TRect& piece, platform::TRgb color,
                 const std::vector<Stroke>& strokes) {
  canvas.SetClip(piece);
  for (const Stroke& stroke : strokes) canvas.Line(stroke.first, stroke.second, color);
  canvas.ResetClip();
}

}  // namespace

void TEditor::DrawEofMark(int X, int Y) {
  if (paintCanvas_ == nullptr) return;
  const platform::TRect client = ClientRect();
  const int left = TextLeft();
  const int top = TextTop();
  // "<" and five blank columns behind it, in the view's colours.
  const platform::TRect area =
      platform::TRect{std::max(left, X), std::max(top, Y),
                      std::min(std::max(left, X + 6 * colWidth_), client.Right),
                      std::min(std::max(top, Y + fontHeight_), client.Bottom)}
          .Intersect(paintPiece_);
  if (area.IsEmpty()) return;
  const TPaintCell blank{' ', {}, Or(marks_->EofMark().Color(), TextColor()), BackColor()};
  TPaintCell cells[6] = {blank, blank, blank, blank, blank, blank};
  cells[0] = {'<', font_->Style(), blank.Fore, blank.Back};
  DrawCellRuns(area, X, Y, cells, 6);
}

void TEditor::DrawRetMark(int X, int Y) {
  if (paintCanvas_ == nullptr || X < TextLeft()) return;
  DrawStrokes(*paintCanvas_, paintPiece_, Rgb(Or(marks_->RetMark().Color(), TextColor())),
              RetStrokes(X, Y, colWidth_, fontHeight_));
}

void TEditor::DrawSelRetMark(int X, int Y) {
  if (paintCanvas_ == nullptr || X < TextLeft()) return;
  platform::TColor fore = platform::clNone;
  platform::TColor back = platform::clNone;
  SelectionColors(fore, back);
  DrawStrokes(*paintCanvas_, paintPiece_, Rgb(fore), RetStrokes(X, Y, colWidth_, fontHeight_));
}

void TEditor::DrawWrapMark(int X, int Y) {
  if (paintCanvas_ == nullptr || X < TextLeft()) return;
  DrawStrokes(*paintCanvas_, paintPiece_, Rgb(Or(marks_->WrapMark().Color(), TextColor())),
              ChevronStrokes(X, Y, colWidth_, fontHeight_, false));
}

void TEditor::DrawSelWrapMark(int X, int Y) {
  if (paintCanvas_ == nullptr || X < TextLeft()) return;
  platform::TColor fore = platform::clNone;
  platform::TColor back = platform::clNone;
  SelectionColors(fore, back);
  DrawStrokes(*paintCanvas_, paintPiece_, Rgb(fore),
              ChevronStrokes(X, Y, colWidth_, fontHeight_, false));
}

void TEditor::DrawHideMark(int X, int Y) {
  if (paintCanvas_ == nullptr || X < TextLeft()) return;
  DrawStrokes(*paintCanvas_, paintPiece_, Rgb(Or(marks_->HideMark().Color(), TextColor())),
              ChevronStrokes(X, Y, colWidth_, fontHeight_, true));
}

void TEditor::DrawSelHideMark(int X, int Y) {
  if (paintCanvas_ == nullptr || X < TextLeft()) return;
  platform::TColor fore = platform::clNone;
  platform::TColor back = platform::clNone;
  SelectionColors(fore, back);
  DrawStrokes(*paintCanvas_, paintPiece_, Rgb(fore),
              ChevronStrokes(X, Y, colWidth_, fontHeight_, true));
}

}  // namespace editor
