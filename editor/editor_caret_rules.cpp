// The caret: its row and column setters with the column rules that keep it on legal columns
// (never inside a double-byte character or a tab's fill, never past a wrapped row's end), and
// its display: shape, screen position, nesting of hide and show.
#include <algorithm>

#include "editor/editor.h"
#include "textstore/column_map.h"

namespace editor {
namespace {

// The class of column `col` in `map`; columns outside it read as the end.
char At(const std::string& map, int col) {
  return col >= 0 && col < static_cast<int>(map.size()) ? map[static_cast<size_t>(col)]
                                                        : textstore::kColumnEnd;
}

}  // namespace

std::string TEditor::RowColumnMap(int ARow) const {
  if (ARow < 0 || ARow >= RowCount()) return {};
  return textstore::ColumnMap(screen_->Get(ARow).view(), Rules());
}

int TEditor::RowEndCol(int ARow) const { return static_cast<int>(RowColumnMap(ARow).size()); }

void TEditor::SetRow(int Value) {
  const int count = RowCount();
  if (Value == row_ && row_ != count) return;
  // The underline leaves the old row and comes to the new one.
  HideUnderline();
  row_ = std::clamp(Value, 0, count);
  // The caret may stand after a final line break, not after a last row without one.
  if (row_ == count && row_ > 0 && screen_->RowKind(count - 1) == textstore::rkTextEnd) {
    row_ = count - 1;
  }
  ApplyColumnRules(-1, true);
  ShowUnderline();
}

void TEditor::SetCol(int Value) {
  const int direction = Value > col_ ? 1 : -1;
  col_ = std::clamp(Value, 0, kColLimit + 1);
  ApplyColumnRules(direction, false);
}

void TEditor::SetRowCol(int ARow, int ACol) {
  if (ARow == row_ && ACol == col_) return;
  ++deferCaret_;
  SetRow(ARow);
  const std::string map = RowColumnMap(row_);
  if (At(map, ACol) == textstore::kColumnTrail) --ACol;
  if (!caret_->InTab()) {
    while (At(map, ACol) == textstore::kColumnTabFill) --ACol;
  }
  SetCol(ACol);
  --deferCaret_;
  UpdateCaret();
}

void TEditor::Remember(bool Vertical, int Value) {
  if (Vertical && !rememberedValid_) {
    rememberedCol_ = Value;
    rememberedValid_ = true;
  }
}

void TEditor::ApplyColumnRules(int Direction, bool Vertical) {
  const std::string map = RowColumnMap(row_);
  const int end = static_cast<int>(map.size());
  if (!Vertical) {
    rememberedValid_ = false;
  } else if (rememberedValid_) {
    col_ = rememberedCol_;
  }
  if (!caret_->FreeCaret() && col_ > end) {
    Remember(Vertical, caret_->KeepCaret() && leftButtonDown_ ? end : col_);
    if (!(Vertical && keyboardVerticalMove_ && caret_->FreeRow())) {
      col_ = end;
      if (!caret_->KeepCaret()) rememberedValid_ = false;
    }
  }
  if (At(map, col_) == textstore::kColumnTrail) {
    Remember(Vertical, col_);
    col_ += Direction;
  }
  const bool inTab = caret_->InTab();
  if (!inTab && At(map, col_) == textstore::kColumnTabFill) {
    Remember(Vertical, col_);
    while (At(map, col_) == textstore::kColumnTabFill) col_ += Direction;
  }
  if (screen_->WordWrap() && col_ >= end) {
    Remember(Vertical, col_);
    const int wrapByte = screen_->WrapOption().WrapByte();
    if (row_ < RowCount() && screen_->RowKind(row_) == textstore::rkWrapped) {
      col_ = std::max(0, end - 1);
    } else if (col_ >= wrapByte) {
      col_ = std::max(end, wrapByte - 1);
    }
    if (At(map, col_) == textstore::kColumnTrail) --col_;
    if (!inTab) {
      while (At(map, col_) == textstore::kColumnTabFill) --col_;
    }
  }
  if (col_ > kColLimit && At(map, kColLimit - 1) != textstore::kColumnLead) col_ = kColLimit;
  col_ = std::max(0, col_);
  if (deferCaret_ == 0) UpdateCaret();
}

// --- Display ---------------------------------------------------------------------------------

bool TEditor::CaretInView() const {
  return topRow_ <= row_ && row_ <= topRow_ + visibleRowCount_ && topCol_ <= col_ &&
         col_ <= topCol_ + visibleColCount_;
}

void TEditor::CreateCaretShape() {
  if (!HandleAllocated() || !window_->Focused()) return;
  if (caret_->Style() == csBrief) {
    const int glyph = colWidth_ - margin_->Character();
    const bool wide = At(RowColumnMap(row_), col_) == textstore::kColumnLead;
    window_->CreateCaret(std::max(1, wide ? 2 * glyph : glyph), 2);
  } else {
    window_->CreateCaret(2, fontHeight_);
  }
  caretCreated_ = true;
  caretShown_ = false;
}

void TEditor::SetCaretScreenPos() {
  if (!HandleAllocated() || !window_->Focused()) return;
  window_->SetCaretPos(CaretPos());
  MoveImeWindow();
  if (caretShown_ && !CaretInView()) {
    window_->HideCaret();
    caretShown_ = false;
  }
  DoCaretMoved();
}

void TEditor::CaretHide() {
  if (caretHideCount_++ == 0 && caretShown_) {
    window_->HideCaret();
    caretShown_ = false;
  }
}

void TEditor::CaretShow() {
  if (caretHideCount_ == 0 || --caretHideCount_ > 0) return;
  // The view may have scrolled under the hidden caret: place it again before showing it.
  PlaceCaret();
}

void TEditor::ShowCaretIfAllowed() {
  if (caretCreated_ && caretHideCount_ == 0 && !caretShown_ && window_->Focused() && CaretInView()) {
    window_->ShowCaret();
    caretShown_ = true;
  }
}

void TEditor::PlaceCaret() {
  if (!HandleAllocated() || !caretCreated_) return;
  window_->SetCaretPos(CaretPos());
  if (caretShown_ && !CaretInView()) {
    window_->HideCaret();
    caretShown_ = false;
  }
  ShowCaretIfAllowed();
}

void TEditor::UpdateCaret() {
  if (!HandleAllocated()) return;
  CreateCaretShape();
  ScrollCaret();
  FollowRulerMark();
  SetCaretScreenPos();
  ShowCaretIfAllowed();
}

void TEditor::FocusChanged(bool Focused) {
  if (!HandleAllocated()) return;
  if (Focused) {
    CreateCaretShape();
    SetCaretScreenPos();
    ShowCaretIfAllowed();
    return;
  }
  if (caretShown_) window_->HideCaret();
  if (caretCreated_) window_->DestroyCaret();
  caretShown_ = false;
  caretCreated_ = false;
}

}  // namespace editor
