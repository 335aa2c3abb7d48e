#include "editor/editor_speed.h"

#include <algorithm>

namespace editor {

std::uint8_t TEditorSpeed::Limit(TEditorSpeedRange Value) {
  return static_cast<std::uint8_t>(std::clamp(Value, SpeedRangeMin, SpeedRangeMax));
}

void TEditorSpeed::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorSpeed*>(&Source);
  if (source == nullptr) {
    platform::TPersistent::Assign(Source);
    return;
  }
  caretVerticalAc_ = source->caretVerticalAc_;
  initBracketsFull_ = source->initBracketsFull_;
  pageVerticalRange_ = source->pageVerticalRange_;
  pageVerticalRangeAc_ = source->pageVerticalRangeAc_;
}

}  // namespace editor
