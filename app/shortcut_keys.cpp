#include "app/shortcut_keys.h"

#include <algorithm>

namespace quillet {

std::vector<std::optional<ShortCut>> AssignShortCuts(std::span<const std::string> texts) {
  std::vector<std::optional<ShortCut>> assigned;
  assigned.reserve(texts.size());
  for (const std::string& text : texts) {
    std::optional<ShortCut> shortCut = TextToShortCut(text);
    if (shortCut && std::find(assigned.begin(), assigned.end(), shortCut) != assigned.end()) {
      shortCut.reset();
    }
    assigned.push_back(shortCut);
  }
  return assigned;
}

}  // namespace quillet
