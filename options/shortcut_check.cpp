#include "options/shortcut_check.h"

#include "app/shortcut_text.h"

namespace quillcfg {

std::vector<ShortCutCheck> CheckShortCuts(std::span<const std::string> texts) {
  std::vector<std::optional<quillet::ShortCut>> read;
  std::vector<ShortCutCheck> checks(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    read.push_back(quillet::TextToShortCut(texts[i]));
    checks[i].valid = texts[i].empty() || read[i].has_value();
    for (std::size_t earlier = 0; read[i] && earlier < i && !checks[i].takenBy; ++earlier) {
      if (read[earlier] == read[i]) checks[i].takenBy = earlier;
    }
  }
  return checks;
}

}  // namespace quillcfg
