#include "fountain/editor_brackets.h"

#include "platform/update_guard.h"

namespace fountain {

template <typename V>
void TEditorBracketCollection::SetAll(void (TFountainColor::*Setter)(V), V Value) {
  platform::UpdateGuard<platform::TCollection> batch(*this);
  for (int i = 0; i < Count(); ++i) (Items(i).ItemColor().*Setter)(Value);
}

void TEditorBracketCollection::SetBkColor(platform::TColor Value) {
  SetAll(&TFountainColor::SetBkColor, Value);
}

void TEditorBracketCollection::SetColor(platform::TColor Value) {
  SetAll(&TFountainColor::SetColor, Value);
}

void TEditorBracketCollection::SetStyle(platform::TFontStyles Value) {
  SetAll(&TFountainColor::SetStyle, Value);
}

}  // namespace fountain
