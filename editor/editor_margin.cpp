#include "editor/editor_margin.h"

#include <algorithm>

#include "platform/update_guard.h"

namespace editor {

namespace {

int Limit(int Value) {
  return std::clamp(Value, 0, 100);
}

}  // namespace

void TEditorMargin::Store(int& Field, int Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TEditorMargin::SetCharacter(int Value) {
  Store(character_, Limit(Value));
}

void TEditorMargin::SetLeft(int Value) {
  Store(left_, Limit(Value));
}

void TEditorMargin::SetLine(int Value) {
  Store(line_, Limit(Value));
}

void TEditorMargin::SetTop(int Value) {
  Store(top_, Limit(Value));
}

void TEditorMargin::SetUnderlineAllowance(int Value) {
  Store(underlineAllowance_, Value);
}

void TEditorMargin::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorMargin*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  platform::UpdateGuard<TEditorMargin> batch(*this);
  character_ = source->character_;
  left_ = source->left_;
  line_ = source->line_;
  top_ = source->top_;
  underlineAllowance_ = source->underlineAllowance_;
}

}  // namespace editor
