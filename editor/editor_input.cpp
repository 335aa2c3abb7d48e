// The mouse and the wheel: the left button places the caret and selects (by rows in the left
// margin), a press inside a draggable selection makes a drag pending that moves or copies it
// on release, the pointer shape follows what lies under the pointer, and the wheel scrolls.
// While the left button is held on the control or a drag is pending or active, other input
// is swallowed: the control is in the middle of a gesture.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "editor/editor.h"

namespace editor {
namespace {

using platform::TMouseButton;
using platform::TMouseEvent;

// Cursor kinds: what lies under the pointer, or a drag going on.
enum : int {
  kCursorDefault = 0,
  kCursorLeftMargin = 1,
  kCursorTopMargin = 2,
  kCursorInSelection = 3,
  kCursorDrag = 4,
  kCursorDragCopy = 5,
};

bool Contains(const platform::TRect& Rect, int X, int Y) {
  return X >= Rect.Left && X < Rect.Right && Y >= Rect.Top && Y < Rect.Bottom;
}

}  // namespace

// --- Buttons ---------------------------------------------------------------------------------

void TEditor::MouseDown(const TMouseEvent& Event) {
  if (InputHeld()) return;  // another button during a gesture
  if (HandleAllocated() && !window_->Focused()) window_->SetFocus();
  if (Event.Button == TMouseButton::Left) PressLeft(Event);
  if (OnMouseDown) OnMouseDown(this, Event.Button, Event.Shift, Event.X, Event.Y);
}

void TEditor::PressLeft(const TMouseEvent& Event) {
  leftButtonDown_ = true;  // before the caret moves: the column rules read it
  clicked_ = true;
  if (!HandleAllocated()) return;
  int r = 0;
  int c = 0;
  if (Event.Shift.Shift) {
    if (!Selected()) StartSelection();
    PosToRowCol(Event.X, Event.Y, r, c, true);
    SetRowCol(r, c);
    ExtendSelection();
    return;
  }
  pressPoint_ = {Event.X, Event.Y};
  PosToRowCol(Event.X, Event.Y, r, c, false);
  if (SelectionDraggable() && Event.X >= TextLeft() && InsideSelection(r, c)) {
    SetRowCol(r, c);
    if (caret_->SelDragMode() == dmAutomatic) {
      // The press ends here as far as selecting goes; its release drops or cancels the drag.
      leftButtonDown_ = false;
      EndRowSelection();
      dragState_ = 1;
    }
    return;
  }
  PosToRowCol(Event.X, Event.Y, r, c, true);
  if (Event.X < TextLeft() && caret_->RowSelect()) {
    SelectRow(std::max(0, r));
    return;
  }
  CaretHide();
  SetRowCol(r, c);
  StartSelection();
  CaretShow();
}

void TEditor::MouseUp(const TMouseEvent& Event) {
  if (Event.Button != TMouseButton::Left) {
    if (InputHeld()) return;
    if (OnMouseUp) OnMouseUp(this, Event.Button, Event.Shift, Event.X, Event.Y);
    return;
  }
  if (OnMouseUp) OnMouseUp(this, Event.Button, Event.Shift, Event.X, Event.Y);
  if (std::exchange(clicked_, false) && OnClick && Contains(ClientRect(), Event.X, Event.Y)) {
    OnClick(this);
  }
  ReleaseLeft(Event);
}

void TEditor::ReleaseLeft(const TMouseEvent& Event) {
  leftButtonDown_ = false;
  if (dragState_ == 2) {
    Drop(Event);
  } else if (dragState_ == 1) {
    // A click inside the selection without dragging: the selection goes, the caret stays.
    dragState_ = 0;
    if (KeyHeld(platform::VK_ESCAPE) && caret_->AutoCursor()) {
      cursorKind_ = kCursorDefault;
      SetCursor(caret_->Cursors().DefaultCursor());
    } else {
      SetCursorKind(kCursorDefault);
    }
    ClearSelection();
  }
  EndRowSelection();
}

void TEditor::DoubleClick(const TMouseEvent& Event) {
  if (InputHeld()) return;
  // The first click placed the caret; the host decides what a double-click does.
  if (OnDblClick) OnDblClick(this);
  if (OnMouseDown) OnMouseDown(this, Event.Button, Event.Shift, Event.X, Event.Y);
}

// --- Moves -----------------------------------------------------------------------------------

void TEditor::MouseMove(const TMouseEvent& Event) {
  if (HandleAllocated()) {
    const int x = Event.X;
    const int y = Event.Y;
    int r = 0;
    int c = 0;
    if (leftButtonDown_) {
      PosToRowCol(x, y, r, c, true);
      if (y < TextTop()) r = std::max(0, r - 1);  // above the text: scroll up a row
      if (rowSel_.Active) {
        ExtendRowSelection(r);
      } else {
        SetRowCol(r, c);  // scrolls as far as the caret needs
        if (Selected()) {
          UpdateSelection();
        } else if (FarFromPress(x, y)) {
          ExtendSelection();
        }
      }
    } else if (dragState_ == 1) {
      if (FarFromPress(x, y)) {
        dragState_ = 2;
        SetCursorKind(Event.Shift.Ctrl ? kCursorDragCopy : kCursorDrag);
      }
    } else if (dragState_ == 2) {
      PosToRowCol(x, y, r, c, false);
      if (y < TextTop()) r = std::max(0, r - 1);
      SetRowCol(r, c);  // the caret marks the drop point
    } else {
      int kind = kCursorDefault;
      if (x < TextLeft()) {
        kind = kCursorLeftMargin;
      } else if (y < TextTop()) {
        kind = kCursorTopMargin;
      } else if (SelectionDraggable()) {
        PosToRowCol(x, y, r, c, true);
        if (InsideSelection(r, c)) kind = kCursorInSelection;
      }
      SetCursorKind(kind);
    }
  }
  if (OnMouseMove) OnMouseMove(this, Event.Shift, Event.X, Event.Y);
}

bool TEditor::FarFromPress(int X, int Y) const {
  const int half = colWidth_ / 2;
  return std::abs(X - pressPoint_.X) >= half || std::abs(Y - pressPoint_.Y) >= half;
}

// --- Selection drag --------------------------------------------------------------------------

bool TEditor::SelectionDraggable() const {
  return !readOnly_ && Selected() && selectionMode_ == 0 && caret_->SelMove();
}

bool TEditor::InsideSelection(int ARow, int ACol) const {
  if (!Selected()) return false;
  const TColSelection& s = colSel_;
  if (ARow < s.StartRow || ARow > s.EndRow) return false;
  if (selectionMode_ == 1) {
    const int b = ColToByte(ARow, ACol);
    return ColToByte(ARow, s.StartCol) <= b && b < ColToByte(ARow, s.EndCol);
  }
  if (ARow == s.StartRow && ACol < s.StartCol) return false;
  return !(ARow == s.EndRow && ACol >= s.EndCol);
}

void TEditor::DragKey(int Key, bool Down) {
  if (Key == platform::VK_CONTROL) {
    SetCursorKind(Down ? kCursorDragCopy : kCursorDrag);
  } else if (Key == platform::VK_ESCAPE && Down) {
    dragState_ = 0;
    EndScreenCursor();
  }
}

void TEditor::Drop(const TMouseEvent& Event) {
  dragState_ = 0;
  EndScreenCursor();
  if (!Contains(ClientRect(), Event.X, Event.Y) || !SelectionDraggable() ||
      InsideSelection(row_, col_)) {
    ClearSelection();
    return;
  }
  const std::string text = SelText();
  int drop = CaretByte();
  for (int row = 0; row < row_ && row < RowCount(); ++row) {
    drop += static_cast<int>(screen_->Get(row).size()) +
            (screen_->RowKind(row) == textstore::rkLineEnd ? 2 : 0);
  }
  if (Event.Shift.Ctrl) {
    ClearSelection();
    ReplaceSelection(text);
    return;
  }
  // A move: out of the text, then in at the drop point as the shortened text counts it.
  const int start = SelStart();
  const int length = SelLength();
  DeleteSelection();
  SetSelStart(drop > start ? drop - length : drop);
  ReplaceSelection(text);
}

// --- Pointer shapes --------------------------------------------------------------------------

void TEditor::SetCursor(platform::TCursor Value) {
  cursor_ = Value;
  // During a drag the screen shows the drag's pointer until it ends.
  if (HandleAllocated() && dragState_ != 2) window_->SetCursor(Value);
}

void TEditor::SetCursorKind(int Kind) {
  if (!caret_->AutoCursor() || !HandleAllocated() || Kind == cursorKind_) return;
  cursorKind_ = Kind;
  const TEditorCursors& cursors = caret_->Cursors();
  switch (Kind) {
    case kCursorDefault:
      SetCursor(cursors.DefaultCursor());
      break;
    case kCursorLeftMargin:
      SetCursor(cursors.LeftMarginCursor());
      break;
    case kCursorTopMargin:
      SetCursor(cursors.TopMarginCursor());
      break;
    case kCursorInSelection:
      SetCursor(cursors.InSelCursor());
      break;
    // A drag's pointer is the screen's, not the control's: the control keeps its Cursor.
    case kCursorDrag:
      window_->SetCursor(cursors.DragSelCursor());
      break;
    case kCursorDragCopy:
      window_->SetCursor(cursors.DragSelCopyCursor());
      break;
    default:
      break;
  }
}

void TEditor::EndScreenCursor() {
  cursorKind_ = -1;  // the next pointer move chooses again
  if (HandleAllocated()) window_->SetCursor(cursor_);
}

// --- Wheel -----------------------------------------------------------------------------------

bool TEditor::Wheel(const platform::TWheelEvent& Event) {
  if (InputHeld()) return true;
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Event.Shift, Event.Delta, {Event.X, Event.Y}, handled);
  if (!handled) MouseWheel(Event.Delta);
  return true;
}

void TEditor::MouseWheel(int WheelDelta) {
  wheelRest_ += WheelDelta;
  const int notches = wheelRest_ / platform::kWheelDelta;
  wheelRest_ -= notches * platform::kWheelDelta;
  const int code = notches > 0 ? platform::SB_LINEUP : platform::SB_LINEDOWN;
  for (int i = 0; i < 3 * std::abs(notches); ++i) {
    ScrollBarMessage(platform::TScrollAxis::Vertical, code, 0);
  }
}

}  // namespace editor
