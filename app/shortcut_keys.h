#pragma once
// The commands' keyboard shortcuts in the settings file: which key of which section binds
// which action, with its default, in the order the keys are read.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/shortcut_text.h"

namespace quillet {

struct ShortCutKey {
  std::string_view Section;
  std::string_view Key;
  std::string_view Default;  // a shortcut text; empty for none
  std::string_view Action;   // the action's object name
};

inline constexpr std::array<ShortCutKey, 18> kShortCutKeys = {{
    {"Key\\File", "Reply", "Ctrl+R", "actFileRes"},
    {"Key\\File", "From", "Ctrl+O", "actFileReNew"},
    {"Key\\File", "New", "Ctrl+N", "actFileNew"},
    {"Key\\File", "Close", "Esc", "actFileClose"},
    {"Key\\Edit", "Copy", "Ctrl+C", "actEditCopy"},
    {"Key\\Edit", "Select", "Ctrl+A", "actEditSelect"},
    {"Key\\Bar", "Tool", "", "actViewToolbar"},
    {"Key\\Bar", "Header", "", "actViewHeadbar"},
    {"Key\\Bar", "status", "", "actViewStabar"},
    {"Key\\View", "Message", "", "actViewMsg"},
    {"Key\\View", "Header", "", "actViewHead"},
    {"Key\\View", "sources", "", "actViewSrc"},
    {"Key\\View", "Option", "", "actViewOption"},
    {"Key\\Turn", "None", "", "actTurnNone"},
    {"Key\\Turn", "Col", "", "actTurnCol"},
    {"Key\\Turn", "Window", "", "actTurnWin"},
    {"Key\\Help", "Topic", "F1", "actHelpTopic"},
    {"Key\\Help", "Version", "", "actHelpVer"},
}};

// The shortcuts for shortcut texts read in the order of kShortCutKeys, one for each text: none
// where a text names no key, and none where an earlier text already claimed the same key and
// modifiers, so that each shortcut runs exactly one action (a key bound twice would otherwise
// run neither, as the toolkit leaves an ambiguous shortcut alone).
std::vector<std::optional<ShortCut>> AssignShortCuts(std::span<const std::string> texts);

}  // namespace quillet
