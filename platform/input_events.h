#pragma once
// Keyboard, mouse, wheel and input-method input as plain values: the window translates its
// toolkit's events into these, so that a view never sees a toolkit event and tests can script
// input. Keys carry the platform's virtual-key numbers; text is CP932 bytes.

#include <string>

namespace platform {

// Virtual-key numbers. Letters and digits are their ASCII upper-case codes ('A' 65, '0' 48).
enum TVirtualKey : int {
  VK_LBUTTON = 1,
  VK_RBUTTON = 2,
  VK_MBUTTON = 4,
  VK_BACK = 8,
  VK_TAB = 9,
  VK_RETURN = 13,
  VK_SHIFT = 16,
  VK_CONTROL = 17,
  VK_MENU = 18,  // Alt
  VK_PAUSE = 19,
  VK_ESCAPE = 27,
  VK_SPACE = 32,
  VK_PRIOR = 33,  // Page Up
  VK_NEXT = 34,   // Page Down
  VK_END = 35,
  VK_HOME = 36,
  VK_LEFT = 37,
  VK_UP = 38,
  VK_RIGHT = 39,
  VK_DOWN = 40,
  VK_INSERT = 45,
  VK_DELETE = 46,
  VK_F1 = 112,           // F1 ... F24 follow in order
  VK_OEM_1 = 0xBA,       // ;
  VK_OEM_PLUS = 0xBB,    // =
  VK_OEM_COMMA = 0xBC,   // ,
  VK_OEM_MINUS = 0xBD,   // -
  VK_OEM_PERIOD = 0xBE,  // .
  VK_OEM_2 = 0xBF,       // /
  VK_OEM_3 = 0xC0,       // `
  VK_OEM_4 = 0xDB,       // [
  VK_OEM_5 = 0xDC,       // backslash
  VK_OEM_6 = 0xDD,       // ]
  VK_OEM_7 = 0xDE,       // '
};

// Modifier keys and mouse buttons held while an event happened.
struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool Left = false;
  bool Right = false;
  bool Middle = false;
  friend bool operator==(const TShiftState&, const TShiftState&) = default;
};

enum class TMouseButton { None, Left, Right, Middle };

// A key went down (or repeats: AutoRepeat, with no release in between) or up.
struct TKeyEvent {
  int Key = 0;
  TShiftState Shift;
  bool AutoRepeat = false;
  friend bool operator==(const TKeyEvent&, const TKeyEvent&) = default;
};

// A mouse button or move at a client point (the window's outer coordinates). Button is None
// for moves; ClickCount is 2 for the second press of a double-click.
struct TMouseEvent {
  int X = 0;
  int Y = 0;
  TMouseButton Button = TMouseButton::None;
  TShiftState Shift;
  int ClickCount = 1;
  friend bool operator==(const TMouseEvent&, const TMouseEvent&) = default;
};

// One turn of the vertical wheel at a client point: 120 per notch, positive away from the user.
struct TWheelEvent {
  int X = 0;
  int Y = 0;
  int Delta = 0;
  TShiftState Shift;
  friend bool operator==(const TWheelEvent&, const TWheelEvent&) = default;
};

inline constexpr int kWheelDelta = 120;

// The input method's state: Commit is finished text to insert (CP932), Preedit the
// composition still being edited (empty when none is open). The window delivers a commit once,
// never again as characters.
struct TImeEvent {
  std::string Commit;
  std::string Preedit;
  friend bool operator==(const TImeEvent&, const TImeEvent&) = default;
};

}  // namespace platform
