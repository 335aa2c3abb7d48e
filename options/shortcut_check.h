#pragma once
// Checks the commands' shortcut texts as the viewer reads them, so that the dialog can warn of
// a text the viewer would ignore and of a shortcut two commands would share.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillcfg {

struct ShortCutCheck {
  bool valid = true;  // empty (no shortcut) or naming a key
  // The earlier command (an index into the texts) that takes the same shortcut: the viewer
  // gives it to that one only.
  std::optional<std::size_t> takenBy;
};

// One check for each text, the texts in the order the viewer reads the keys.
std::vector<ShortCutCheck> CheckShortCuts(std::span<const std::string> texts);

}  // namespace quillcfg
