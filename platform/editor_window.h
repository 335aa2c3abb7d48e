#pragma once
// The window services a text view needs, as plain C++: the view (the client) is told of paint
// requests, size, focus, scroll-bar actions and input, and asks the window to invalidate, paint
// now, shift its contents, set its scroll bars, caret and cursor, read key state and make
// fonts. The Qt backend is a widget with a backing image; tests use a fake window that records
// the calls.
//
// Painting contract: the view may paint at any moment, not only when asked. Invalidate marks a
// region; Update paints every invalid region at once by calling the client's Paint on the
// backing image; the screen shows the image afterwards. ScrollContents shifts pixels that are
// already painted and invalidates the band it exposes.

#include <memory>
#include <string_view>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/geometry.h"
#include "platform/input_events.h"
#include "platform/menu.h"

namespace platform {

enum class TScrollAxis { Horizontal, Vertical };

// The scroll-bar message codes with the platform's numbers (the horizontal ones share them:
// line left 0, line right 1, page left 2, page right 3, left edge 6, right edge 7).
enum TScrollCode : int {
  SB_LINEUP = 0,
  SB_LINEDOWN = 1,
  SB_PAGEUP = 2,
  SB_PAGEDOWN = 3,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_TOP = 6,
  SB_BOTTOM = 7,
  SB_ENDSCROLL = 8,
};

// A scroll bar in the platform's counting: the range Min..Max holds Max - Min + 1 units, the
// thumb covers Page of them, so the position runs from Min to Max - Page + 1. A bar that
// cannot scroll is shown disabled, not hidden.
struct TScrollInfo {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  bool Enabled = true;
  friend bool operator==(const TScrollInfo&, const TScrollInfo&) = default;
};

// What the window calls in the view. Every call comes from the GUI thread.
class TWindowClient {
 public:
  virtual ~TWindowClient() = default;
  // Paint `dirty` (already the canvas clip) from the view's state; changes nothing else.
  virtual void Paint(TCanvas& canvas, const TRect& dirty) = 0;
  // The outer size changed.
  virtual void Resized() = 0;
  // A scroll-bar action; `pos` is the tracking position for SB_THUMBPOSITION/SB_THUMBTRACK.
  virtual void ScrollBarAction(TScrollAxis axis, int code, int pos) = 0;
  virtual void FocusChanged(bool focused) = 0;

  // Input. A call that answers true used the event (or swallowed it on purpose); false leaves
  // it to the window's parent (menu shortcuts, dialog keys). The defaults use nothing.
  // A key press, then its characters (if any) through Char: Char comes whatever KeyDown says.
  virtual bool KeyDown(const TKeyEvent&) { return false; }
  virtual bool KeyUp(const TKeyEvent&) { return false; }
  // Typed characters as whole CP932 characters; control characters (backspace 8, tab 9,
  // return 13) come one at a time as typed.
  virtual bool Char(std::string_view) { return false; }
  virtual void MouseDown(const TMouseEvent&) {}
  virtual void MouseMove(const TMouseEvent&) {}
  virtual void MouseUp(const TMouseEvent&) {}
  // The second press of a left double-click, instead of its MouseDown; its release is a
  // MouseUp.
  virtual void DoubleClick(const TMouseEvent&) {}
  virtual bool Wheel(const TWheelEvent&) { return false; }
  virtual void InputMethod(const TImeEvent&) {}
  // Whether typed text can go anywhere: an input method opens no composition otherwise.
  virtual bool AcceptsText() const { return false; }
  // Whether Tab is typed into the view rather than moving the focus on.
  virtual bool AcceptsTab() const { return false; }
  // The context-menu gesture at a client point (right button or the menu key).
  virtual void ContextMenu(TPoint) {}
};

class TEditorWindow {
 public:
  virtual ~TEditorWindow() = default;

  // The view to call; nullptr detaches it (before the view goes away).
  virtual void SetClient(TWindowClient* client) = 0;

  // The outer size: the whole control, scroll bars and border included.
  virtual TSize Size() const = 0;
  // Width of a vertical scroll bar and height of a horizontal one, from the style.
  virtual int ScrollBarExtent() const = 0;
  // Pixel height of the display the window is on (0 when unknown).
  virtual int ScreenHeight() const = 0;

  virtual void Invalidate(const TRect& rect) = 0;
  virtual void InvalidateAll() = 0;
  // Paints every invalid region now.
  virtual void Update() = 0;
  // Shifts the pixels of `area` by (dx, dy) and invalidates the band the shift exposes.
  virtual void ScrollContents(int dx, int dy, const TRect& area) = 0;

  virtual void ShowScrollBar(TScrollAxis axis, bool show) = 0;
  virtual void SetScrollInfo(TScrollAxis axis, const TScrollInfo& info) = 0;
  virtual TScrollInfo ScrollInfo(TScrollAxis axis) const = 0;

  // The caret: one per window, drawn over the painted image, blinking at the desktop's rate.
  // Show and Hide are not counted; the view keeps its own nesting.
  virtual void CreateCaret(int width, int height) = 0;
  virtual void DestroyCaret() = 0;
  virtual void SetCaretPos(TPoint at) = 0;
  virtual void ShowCaret() = 0;
  virtual void HideCaret() = 0;

  virtual void SetCursor(TCursor cursor) = 0;
  // Whether a key (or, for VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, a mouse button) is down now.
  virtual bool KeyPressed(int) const { return false; }
  // Shows `menu`'s items at a client point and runs the one chosen (its OnClick) before
  // returning. The items must stay alive while it shows.
  virtual void ShowPopupMenu(TMenuItem& /*menu*/, TPoint /*at*/) {}
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;
  // Where the input method places its window: the caret's rectangle.
  virtual void SetImeCursorRect(const TRect& rect) = 0;

  // Fonts live as long as the window; the same request gives the same handle.
  virtual TFontHandle CreateFont(const TFontSpec& request) = 0;
  virtual TFontMetrics Metrics(TFontHandle font) const = 0;
  // RGB of a colour; system colours from the desktop palette. clNone is the caller's to
  // replace before asking.
  virtual TRgb ResolveColor(TColor color) const = 0;
  virtual std::unique_ptr<TBitmap> CreateBitmap(TSize size) = 0;
};

}  // namespace platform
