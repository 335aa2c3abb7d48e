#pragma once
// The text view's settings: the sections Editor, Editor\Caret, Editor\Colors, Editor\Font,
// Editor\Margin, Editor\Marks, Editor\View and Editor\WrapOption of the settings file, read
// in that order into the view's option objects, each key with its default when the file does
// not give a readable value. Every option object hears of all its changes at once, so a large
// text is scanned again once, not once per key, and (with word wrap on) laid out again once for
// the wrap options and once more when the tab width changes too.

#include "editor/editor.h"
#include "platform/font_style.h"
#include "platform/ini_file.h"

namespace quillet {

// A style as the settings file writes it: 2 bold, 4 italic, 8 underline, 16 strike-out added
// up. An odd value, 0 or a value above 30 is no style.
platform::TFontStyles StyleFromSetting(int value);

// Every key read from `ini` (opened anew for each).
void ApplyTextViewSettings(const platform::TIniReader& ini, editor::TEditor& view);
// Every key at its default, as with no settings file.
void ApplyTextViewDefaults(editor::TEditor& view);

// [Editor] WordWrap as a wrap mode: 0 none, 1 at a byte column, 2 (any other value) at the
// window width.
int ReadWrapMode(const platform::TIniReader& ini);
// [Editor\WrapOption] WrapByte, read at each column-wrap command.
int ReadWrapByte(const platform::TIniReader& ini);

}  // namespace quillet
