// The caret-row underline: a one-pixel line under the caret's row that follows the caret. It is
// drawn by Paint like everything else; these only say when and where it has to be repainted.
#include "editor/editor.h"

namespace editor {

int TEditor::UnderlinePos(int ARow) const {
  const int y = TextTop() + RowHeight() * (ARow - topRow_) + fontHeight_;
  return y <= TextTop() || y > Height() ? -1 : y;
}

bool TEditor::UnderlineShown() const {
  return marks_->Underline().Visible() && underlineHideCount_ == 0 && !SelectionShown() &&
         UnderlinePos(row_) != -1;
}

void TEditor::DrawUnderline(int ARow) {
  const int y = UnderlinePos(ARow);
  if (!HandleAllocated() || y == -1) return;
  window_->Invalidate({TextLeft(), y, ClientRect().Right, y + 1});
  if (!linesUpdating_) window_->Update();
}

// Repainting the line while it is hidden paints it in the background colour.
void TEditor::EraseUnderline(int ARow) { DrawUnderline(ARow); }

void TEditor::HideUnderline() {
  if (underlineHideCount_++ == 0 && marks_->Underline().Visible() && !SelectionShown()) {
    EraseUnderline(row_);
  }
}

void TEditor::ShowUnderline() {
  if (underlineHideCount_ == 0) return;
  if (--underlineHideCount_ == 0 && marks_->Underline().Visible() && !SelectionShown()) {
    DrawUnderline(row_);
  }
}

}  // namespace editor
