#pragma once
// The values steps take: integers, switches, and the view's properties that `set` changes
// by name (Margin.Left=6, ScrollBars=ssBoth, Font.Name=...).

#include <functional>
#include <string>
#include <string_view>

#include "editor/editor.h"

namespace drive {

// A value a step cannot take; the reason goes after the step in the message.
struct BadValue {
  std::string reason;
};

// Decimal with an optional sign, or hexadecimal after 0x.
int ParseInt(std::string_view word);
// 1, 0, true, false (any case).
bool ParseBool(std::string_view word);
// "WxH", each 1 ... 10000 pixels.
void ParseSize(std::string_view word, int& width, int& height);
// Text as a script writes it (UTF-8, with \n \r \t \\ escapes) made CP932.
std::string ScriptText(std::string_view utf8);

using Setting = std::function<void(editor::TEditor&)>;
// "Name=Value": the change it makes, checked before any step runs.
Setting ParseSetting(std::string_view assignment);
// The names `set` knows, each with the values it takes, one per line.
std::string SettingHelp();

}  // namespace drive
