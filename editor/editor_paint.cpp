// Painting a paint request: the text area cut into rows and each row into the pieces that a
// selection makes, the rows beyond the text, the gaps between rows and the caret-row
// underline. The areas left of and above the text are the margin bars'.
#include <algorithm>
#include <memory>
#include <utility>

#include "editor/editor.h"
#include "fountain/fountain_parser.h"
#include "textstore/column_map.h"

namespace editor {
namespace {

// Holds a value in a slot for the lifetime of a scope, also when painting fails part-way.
template <typename T>
class Scoped {
 public:
  Scoped(T& slot, T value) : slot_(slot), old_(std::exchange(slot, std::move(value))) {}
  ~Scoped() { slot_ = std::move(old_); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;

 private:
  T& slot_;
  T old_;
};

}  // namespace

// --- Colours ---------------------------------------------------------------------------------

platform::TColor TEditor::BackColor() const {
  return color_ == platform::clNone ? platform::clWindow : color_;
}

platform::TColor TEditor::TextColor() const {
  const platform::TColor color = font_->Color();
  return color == platform::clNone ? platform::clWindowText : color;
}

// Left at clNone, the selection shows as the inverse of plain text.
void TEditor::SelectionColors(platform::TColor& Fore, platform::TColor& Back) const {
  const fountain::TFountainColor& set =
      selState_ == ssHit ? view_->Colors().Hit() : view_->Colors().Select();
  Back = set.BkColor() == platform::clNone ? TextColor() : set.BkColor();
  Fore = set.Color() == platform::clNone ? BackColor() : set.Color();
}

// Callers replace clNone first: the window has no value for it.
platform::TRgb TEditor::Rgb(platform::TColor Color) const { return window_->ResolveColor(Color); }

// --- The paint request -----------------------------------------------------------------------

void TEditor::Paint(platform::TCanvas& Canvas, const platform::TRect& Dirty) {
  if (!HandleAllocated() || Dirty.IsEmpty()) return;
  const Scoped<platform::TCanvas*> canvas(paintCanvas_, &Canvas);
  const platform::TRect client = ClientRect();
  const int left = TextLeft();
  const int top = TextTop();
  const bool underline = UnderlineShown();
  PaintBars(Dirty);
  const platform::TRect area = Dirty.Intersect({left, top, client.Right, client.Bottom});
  if (!area.IsEmpty()) PaintTextArea(area);
  if (underline) {
    const platform::TColor color = marks_->Underline().Color();
    const int y = UnderlinePos(row_);
    Canvas.Line({left, y}, {client.Right, y}, Rgb(color == platform::clNone ? TextColor() : color));
  }
}

void TEditor::PaintTextArea(const platform::TRect& Area) {
  const int left = TextLeft();
  const int top = TextTop();
  const int rowHeight = RowHeight();
  // The area snapped to whole columns on the left and whole rows above and below.
  const int snappedLeft = std::max(left, left + colWidth_ * ((Area.Left - left) / colWidth_));
  const int snappedTop = top + rowHeight * ((Area.Top - top) / rowHeight);
  const int snappedBottom = top + rowHeight * ((Area.Bottom - top + rowHeight - 1) / rowHeight);
  const int first = (snappedTop - top) / rowHeight + topRow_;
  const int last = first + (snappedBottom - snappedTop) / rowHeight - 1;
  const bool selection = selState_ == ssSelected || selState_ == ssHit;
  const int height = fontHeight_ + (selection ? margin_->UnderlineAllowance() : 0);
  const int x = left - horzOffset_;
  const platform::TRgb back = Rgb(BackColor());
  const int count = RowCount();
  const bool textEndsWithBreak = count == 0 || screen_->RowKind(count - 1) != textstore::rkTextEnd;
  std::unique_ptr<fountain::TFountainParser> parser = ActiveFountain().CreateParser();
  int y = snappedTop;
  for (int row = first; row <= last; ++row, y += rowHeight) {
    const platform::TRect rect{snappedLeft, y, Area.Right, y + height};
    if (row < count) {
      ComposeRow(row, y, rect, *parser);
      if (SelectionShown()) {
        PaintRowPieces(rect);
      } else {
        PaintPiece(rect, false);
      }
    } else {
      paintCanvas_->FillRect(rect, back);
      if (row == count && textEndsWithBreak && marks_->EofMark().Visible()) {
        const Scoped<platform::TRect> piece(paintPiece_, rect);
        DrawEofMark(x, y);
      }
    }
    // The rows leave the line margin and, without a selection, the underline's pixel row.
    const platform::TRect gap{snappedLeft, y + height, Area.Right, y + rowHeight};
    if (!gap.IsEmpty()) paintCanvas_->FillRect(gap, back);
  }
}

// --- Selection pieces ------------------------------------------------------------------------

void TEditor::ColumnSpan(int StartCol, int EndCol, int& X1, int& X2) const {
  const TPaintRow& r = paintRow_;
  const int left = TextLeft();
  auto at = [&](int col) {
    col = std::clamp(col, 0, r.Width);
    if (col < static_cast<int>(r.Map.size()) && r.Map[static_cast<size_t>(col)] == textstore::kColumnTrail) {
      ++col;
    }
    return std::max(left, left - horzOffset_ + col * colWidth_);
  };
  X1 = at(StartCol);
  X2 = at(EndCol);
}

void TEditor::PaintRowPieces(const platform::TRect& Rect) {
  const TColSelection& s = colSel_;
  const int row = paintRow_.Index;
  if (row < s.StartRow || row > s.EndRow) {
    PaintPiece(Rect, false);
    return;
  }
  const int left = TextLeft();
  const int right = Width();
  // Normal from the text's left to a, selected from a to b, normal from b to the width.
  int a = left;
  int b = right;
  if (selectionMode_ == 1) {
    ColumnSpan(s.StartCol, s.EndCol, a, b);
  } else {
    int startX = 0;
    int endX = 0;
    // Stream columns never stop inside a character; the span rule is kept all the same.
    ColumnSpan(s.StartCol, s.EndCol, startX, endX);
    if (row == s.StartRow) a = startX;
    if (row == s.EndRow) b = endX;
  }
  const struct {
    int from;
    int to;
    bool selected;
  } pieces[] = {{left, a, false}, {a, b, true}, {b, right, false}};
  for (const auto& piece : pieces) {
    const platform::TRect r = Rect.Intersect({piece.from, Rect.Top, piece.to, Rect.Bottom});
    if (!r.IsEmpty()) PaintPiece(r, piece.selected);
  }
}

void TEditor::DoDrawLine(const platform::ByteString& LineStr, int X, int Y, int Index,
                         const platform::TRect& ARect, bool Selected) {
  if (OnDrawLine) OnDrawLine(this, LineStr, X, Y, Index, ARect, Selected);
}

}  // namespace editor
