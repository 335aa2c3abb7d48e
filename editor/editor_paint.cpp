// Painting: the background and the text of the visible rows on the grid.
#include <algorithm>

#include "editor/editor.h"

namespace editor {

void TEditor::Paint(platform::TCanvas& Canvas, const platform::TRect& Dirty) {
  if (!HandleAllocated()) return;
  // A colour without a value of its own means the window's.
  const platform::TRgb back =
      window_->ResolveColor(color_ == platform::clNone ? platform::clWindow : color_);
  const platform::TColor textColor = font_->Color();
  const platform::TRgb fore = window_->ResolveColor(
      textColor == platform::clNone ? platform::clWindowText : textColor);
  Canvas.FillRect(Dirty, back);
  const int rowHeight = RowHeight();
  const int first = topRow_ + std::max(0, (Dirty.Top - TextTop()) / rowHeight);
  const int last = std::min(RowCount() - 1, topRow_ + (Dirty.Bottom - TextTop()) / rowHeight);
  const platform::TRect textArea{TextLeft(), TextTop(), ClientRect().Right, ClientRect().Bottom};
  const platform::TRect limit = textArea.Intersect(Dirty);
  for (int row = first; row <= last; ++row) {
    const platform::TPoint origin{TextLeft() - horzOffset_,
                                  TextTop() + rowHeight * (row - topRow_)};
    Canvas.DrawCells(origin, screen_->Get(row).view(), fontHandle_, colWidth_, fore, nullptr, limit);
  }
}

}  // namespace editor
