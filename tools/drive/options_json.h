#pragma once
// The text view's effective options as JSON: what the settings file (or anything else) left in
// its option objects, and its colours both as stored and as the window resolves them.

#include "editor/editor.h"
#include "tools/drive/state_json.h"

namespace platform::qt {
class EditorWindowWidget;
}

namespace drive {

// Caret, font, margin, marks, view flags, wrap options and the view's own values. Byte
// strings are hexadecimal (CP932 as it is).
JsonObject OptionsState(editor::TEditor& view);

// Each colour set of the view by slot name: "bk" and "fore" as stored (the platform's value),
// "bkRgb" and "foreRgb" as drawn ("#rrggbb", "none" for no colour of its own), and the style's weights added up (2 bold,
// 4 italic, 8 underline, 16 strike-out); "view" is the view's background.
JsonObject ColorsState(editor::TEditor& view, const platform::qt::EditorWindowWidget& window);

}  // namespace drive
