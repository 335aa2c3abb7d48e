#pragma once
// The view text loaded into the screen-row list as the viewer loads it: every row with its
// kind, marks, stored scan state and the tokens painted from that state.

#include <optional>
#include <string_view>

#include "textstore/wrap.h"
#include "tools/dump/report.h"

namespace dump {

// `wrap` empty: word wrap off; otherwise on, with these settings.
void AddScreenRows(Report& report, std::string_view viewText,
                   const std::optional<textstore::TWrapSettings>& wrap);

}  // namespace dump
