// Metrics, scroll ranges and scrolling: how rows and columns map to pixels, how far the view
// may scroll, and how it scrolls (shifting painted pixels and painting only the exposed band).
#include <algorithm>
#include <cstdlib>

#include "editor/editor.h"

namespace editor {
namespace {

int DecimalDigits(int n) {
  int digits = 1;
  for (n = std::abs(n); n >= 10; n /= 10) ++digits;
  return digits;
}

bool HasHorizontalBar(TScrollStyle style) { return style == ssHorizontal || style == ssBoth; }
bool HasVerticalBar(TScrollStyle style) { return style == ssVertical || style == ssBoth; }

}  // namespace

// --- Window ----------------------------------------------------------------------------------

void TEditor::SetWindow(platform::TEditorWindow* Window) {
  if (window_ == Window) return;
  if (window_ != nullptr) {
    window_->SetClient(nullptr);
    if (caretCreated_) window_->DestroyCaret();
  }
  window_ = Window;
  caretShown_ = false;
  caretCreated_ = false;
  if (window_ == nullptr) return;
  window_->SetClient(this);
  ApplyScrollBarVisibility();
  RecalcMetrics();
  RecalcScrollRanges();
  RepaintAll();
}

void TEditor::ApplyScrollBarVisibility() {
  window_->ShowScrollBar(platform::TScrollAxis::Horizontal, HasHorizontalBar(scrollBars_));
  window_->ShowScrollBar(platform::TScrollAxis::Vertical, HasVerticalBar(scrollBars_));
}

platform::TRect TEditor::ClientRect() const {
  int width = Width();
  int height = Height();
  if (window_ != nullptr) {
    if (HasVerticalBar(scrollBars_)) width -= window_->ScrollBarExtent();
    if (HasHorizontalBar(scrollBars_)) height -= window_->ScrollBarExtent();
  }
  return {0, 0, std::max(0, width), std::max(0, height)};
}

void TEditor::Resized() {
  RecalcMetrics();
  RecalcScrollRanges();
  RepaintAll();
  PlaceCaret();
}

// --- Metrics ---------------------------------------------------------------------------------

int TEditor::RowHeight() const {
  // Never 0, so that no formula divides by it.
  return std::max(1, fontHeight_ + margin_->Line() + margin_->UnderlineAllowance());
}

int TEditor::RulerHeight() const { return ruler_->Visible() ? (ruler_->Edge() ? 11 : 10) : 0; }

int TEditor::TextTop() const { return margin_->Top() + RulerHeight(); }

int TEditor::ImagebarWidth() const {
  if (!imagebar_->Visible()) return 0;
  return imagebar_->LeftMargin() + imagebar_->DigitWidth() + imagebar_->MarkWidth() +
         imagebar_->RightMargin();
}

int TEditor::TextLeft() const {
  return margin_->Left() + ImagebarWidth() + (leftbar_->Visible() ? leftbarWidth_ : 0);
}

bool TEditor::CalcLineNumberDigits() {
  int digits = leftbar_->Column();
  if (leftbar_->ShowNumber() && HandleAllocated()) {
    const int count = RowCount();
    int largest = leftbar_->ShowNumberMode() == nmLine ? screen_->LineCount() - 1 : count - 1;
    if (count == 0 || screen_->RowKind(count - 1) != textstore::rkTextEnd) ++largest;
    if (!leftbar_->ZeroBase()) ++largest;
    digits = std::min(8, std::max(digits, DecimalDigits(largest)));
  }
  const bool changed = digits != leftbarDigits_;
  leftbarDigits_ = digits;
  return changed;
}

void TEditor::CalcLeftbarWidth() {
  leftbarWidth_ = leftbar_->LeftMargin() + leftbarDigits_ * colWidth_ + leftbar_->RightMargin() + 2;
}

void TEditor::RecalcMetrics() {
  if (!HandleAllocated()) return;
  fontHandle_ = window_->CreateFont(font_->Spec());
  const platform::TFontMetrics metrics = window_->Metrics(fontHandle_);
  fontHeight_ = std::max(1, metrics.Height() + std::max(0, metrics.ExternalLeading));
  colWidth_ = std::max(1, metrics.HalfWidth + margin_->Character());
  slantedFont_ = font_->Style().Contains(platform::fsItalic) || metrics.Italic ||
                 ActiveFountain().HasItalic(ActiveFountain());
  // A full repaint follows every metric change: the ruler marks the caret's column from now.
  rulerMarkCol_ = col_;
  // The bar widths come first: the visible column count depends on the text's left edge.
  if (leftbar_->Visible()) {
    CalcLineNumberDigits();
    CalcLeftbarWidth();
  }
  const int extent = window_->ScrollBarExtent();
  const int rows = Height() - TextTop() - 5 - (HasHorizontalBar(scrollBars_) ? extent : 0);
  visibleRowCount_ = std::max(1, rows / RowHeight());
  const int cols = Width() - TextLeft() - colWidth_ / 2 - (HasVerticalBar(scrollBars_) ? extent : 0);
  // A window narrower than one column shows none, never a negative count.
  visibleColCount_ = std::max(0, cols / colWidth_);
}

void TEditor::RecalcScrollRanges() {
  maxTopRow_ = std::max(0, RowCount() + visibleRowCount_ - 1);
  topRow_ = std::min(topRow_, maxTopRow_);
  topCol_ = std::max(0, std::min(topCol_, kColLimit - visibleColCount_ / 2));
  horzOffset_ = topCol_ * colWidth_;
  if (!HandleAllocated()) return;
  auto bar = [this](platform::TScrollAxis axis, int max, int page, int pos) {
    // Disabled rather than hidden when the thumb covers the whole range.
    window_->SetScrollInfo(axis, {0, max, page, pos, max + 1 > page});
  };
  if (HasVerticalBar(scrollBars_)) {
    bar(platform::TScrollAxis::Vertical, std::max(visibleRowCount_, maxTopRow_), visibleRowCount_,
        topRow_);
  }
  if (HasHorizontalBar(scrollBars_)) {
    bar(platform::TScrollAxis::Horizontal, visibleColCount_ / 2 + kColLimit, visibleColCount_,
        topCol_);
  }
}

// --- Painting requests -----------------------------------------------------------------------

void TEditor::RepaintAll() {
  if (!HandleAllocated()) return;
  window_->InvalidateAll();
  if (!linesUpdating_) window_->Update();
}

platform::TRect TEditor::RowRect(int ARow) const {
  const int top = TextTop() + RowHeight() * (ARow - topRow_);
  return {TextLeft(), top, ClientRect().Right, top + fontHeight_};
}

void TEditor::InvalidateRows(int First, int Last, bool PaintNow) {
  if (!HandleAllocated()) return;
  First = std::max(First, topRow_);
  Last = std::min(Last, topRow_ + visibleRowCount_);
  if (First > Last) return;
  const platform::TRect client = ClientRect();
  const int top = TextTop() + RowHeight() * (First - topRow_);
  const int bottom = TextTop() + RowHeight() * (Last - topRow_ + 1);
  window_->Invalidate({0, top, client.Right, std::min(bottom, client.Bottom)});
  if (PaintNow && !linesUpdating_) window_->Update();
}

void TEditor::ScrollPixels(int Dx, int Dy, const platform::TRect& Area) {
  if (linesUpdating_) {
    window_->InvalidateAll();  // painted in one go when the batch ends
    return;
  }
  window_->Update();  // the shift must move what the screen would show now
  window_->ScrollContents(Dx, Dy, Area);
  window_->Update();
}

// --- Scrolling -------------------------------------------------------------------------------

void TEditor::SetTopRow(int Value) {
  if (!HandleAllocated()) return;
  CaretHide();
  const int old = topRow_;
  topRow_ = std::clamp(Value, 0, RowCount());
  const int limit = visibleRowCount_ + 1;
  const int delta = std::clamp(old - topRow_, -limit, limit);
  if (delta != 0) {
    const platform::TRect client = ClientRect();
    ScrollPixels(0, delta * RowHeight(), {0, TextTop(), client.Right, client.Bottom});
    if (HasVerticalBar(scrollBars_)) RecalcScrollRanges();
    MoveImeWindow();
    DoTopRowChange();
  }
  CaretShow();
}

void TEditor::SetTopCol(int Value) {
  if (!HandleAllocated()) return;
  CaretHide();
  const int old = topCol_;
  topCol_ = std::clamp(Value, 0, std::max(0, kColLimit - visibleColCount_ / 2));
  const int delta = (old - topCol_) * colWidth_;
  if (delta != 0) {
    horzOffset_ = topCol_ * colWidth_;
    const platform::TRect client = ClientRect();
    ScrollPixels(delta, 0, {TextLeft(), 0, client.Right, client.Bottom});
    if (HasHorizontalBar(scrollBars_)) RecalcScrollRanges();
    MoveImeWindow();
    DoTopColChange();
  }
  CaretShow();
}

void TEditor::ScrollRows(int N) {
  if (topRow_ == 0 && N < 0) {
    SetRow(0);
    return;
  }
  if (N > 0 && (topRow_ >= RowCount() || screen_->RowKind(topRow_) == textstore::rkTextEnd)) return;
  CaretHide();
  const int offset = row_ - topRow_;
  SetTopRow(std::clamp(topRow_ + N, 0, RowCount()));
  // Through the clamping setter: the caret never lands past the end of the text.
  SetRow(topRow_ + offset);
  CaretShow();
}

void TEditor::PageScroll(int Direction) {
  const int speed = keyRepeat_ ? speed_->PageVerticalRangeAc() : speed_->PageVerticalRange();
  // A view of one or two rows still moves by one.
  const int rows = std::max(1, (visibleRowCount_ - 1) / 2 * speed);
  ScrollRows(Direction < 0 ? -rows : rows);
}

void TEditor::ScrollBarAction(platform::TScrollAxis Axis, int Code, int Pos) {
  ScrollBarMessage(Axis, Code, Pos);
}

void TEditor::ScrollBarMessage(platform::TScrollAxis Axis, int Code, int Pos) {
  const bool vertical = Axis == platform::TScrollAxis::Vertical;
  const int current = vertical ? topRow_ : topCol_;
  const int visible = vertical ? visibleRowCount_ : visibleColCount_;
  const int last = vertical ? maxTopRow_ : visibleColCount_ / 2 + kColLimit;
  int delta = 0;
  switch (Code) {
    case platform::SB_LINEUP: delta = -1; break;
    case platform::SB_LINEDOWN: delta = 1; break;
    case platform::SB_PAGEUP: delta = std::min(-1, -visible); break;
    case platform::SB_PAGEDOWN: delta = std::max(1, visible); break;
    case platform::SB_TOP: delta = -current; break;
    case platform::SB_BOTTOM: delta = last - current; break;
    case platform::SB_THUMBPOSITION:
    case platform::SB_THUMBTRACK: delta = Pos - current; break;
    default: return;
  }
  delta = std::clamp(delta, -current, last - current);
  if (delta == 0) return;
  if (!vertical) {
    SetTopCol(topCol_ + delta);
    return;
  }
  SetTopRow(topRow_ + delta);
  if (caret_->LockScroll()) SetRow(row_ + delta);
}

void TEditor::ScrollCaret() {
  if (!HandleAllocated()) return;
  if (row_ < topRow_) {
    SetTopRow(row_);
  } else if (row_ > topRow_ + visibleRowCount_ - 1) {
    SetTopRow(row_ - visibleRowCount_ + 1);
  }
  const int quarter = visibleColCount_ / 4;
  if (col_ < topCol_) {
    SetTopCol(std::max(0, std::min(col_, topCol_ - quarter)));
  } else if (col_ > topCol_ + visibleColCount_ - 1) {
    SetTopCol(std::min(std::max(col_ - visibleColCount_ + 1, topCol_ + quarter),
                       kColLimit - visibleColCount_ / 2));
  }
}

void TEditor::ScrollCaretByThirds() {
  if (!HandleAllocated()) return;
  if (row_ < topRow_ || row_ > topRow_ + visibleRowCount_ - 1) {
    SetTopRow(row_ - visibleRowCount_ / 3);
  }
  if (col_ < topCol_ || col_ > topCol_ + visibleColCount_ - 1) {
    SetTopCol(col_ - visibleColCount_ / 3);
  }
}

void TEditor::MoveImeWindow() {
  // While a key repeats the composition window follows at the key's release.
  if (keyRepeat_ || !HandleAllocated()) return;
  const platform::TPoint at = CaretPos();
  window_->SetImeCursorRect({at.X, at.Y, at.X + colWidth_, at.Y + fontHeight_});
}

// --- Positions -------------------------------------------------------------------------------

void TEditor::PosToRowCol(int X, int Y, int& ARow, int& ACol, bool Snap) const {
  const int left = TextLeft();
  // Left of the text the division must floor, not truncate toward zero.
  if (X < left) X -= colWidth_ - 1;
  if (Snap) {
    ACol = std::max(0, (X + colWidth_ / 2 - 1 - left) / colWidth_ + topCol_);
  } else {
    ACol = std::max(0, (X - left) / colWidth_ + topCol_);
  }
  ARow = (Y - TextTop()) / RowHeight() + topRow_;
}

platform::TPoint TEditor::CaretPos() const {
  const int x = TextLeft() + (col_ - topCol_) * colWidth_;
  int y = TextTop() + RowHeight() * (row_ - topRow_);
  if (caret_->Style() == csBrief) y += fontHeight_ - 2;
  return {x, y};
}

}  // namespace editor
