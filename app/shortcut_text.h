#pragma once
// Shortcut texts as the settings file holds them: "Ctrl+R", "^R", "shift+ctrl+m", "F1", "Esc".

#include <optional>
#include <string_view>

#include "platform/input_events.h"

namespace quillet {

// A key with the modifiers held with it: a virtual-key number of platform/input_events.h and
// the Shift, Ctrl and Alt flags (the mouse-button flags stay clear).
struct ShortCut {
  int Key = 0;
  platform::TShiftState Shift;
  friend bool operator==(const ShortCut&, const ShortCut&) = default;
};

// The shortcut `text` names: any number of the prefixes "Shift+", "Ctrl+" (or "^") and "Alt+"
// in any order, then one key name, all compared without regard to ASCII letter case. Key names:
// "A"-"Z", "0"-"9", "F1"-"F24", "BkSp", "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End",
// "Home", "Left", "Up", "Right", "Down", "Ins", "Del", and the punctuation keys by their
// unshifted US-layout character (";", "=", ",", "-", ".", "/", "`", "[", "\", "]", "'").
// None for an empty text and for one whose rest after the prefixes names no key.
std::optional<ShortCut> TextToShortCut(std::string_view text);

}  // namespace quillet
