#include "editor/editor_marks.h"

#include "platform/update_guard.h"

namespace editor {

void TEditorMark::SetColor(platform::TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  Changed();
}

void TEditorMark::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  Changed();
}

void TEditorMark::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorMark*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  color_ = source->color_;
  visible_ = source->visible_;
  Changed();
}

TEditorMarks::TEditorMarks() {
  for (TEditorMark* mark : {&eofMark_, &retMark_, &wrapMark_, &hideMark_, &underline_}) {
    mark->SetOnChange({this, &TEditorMarks::ChangedProc});
  }
}

void TEditorMarks::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorMarks*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  platform::UpdateGuard<TEditorMarks> batch(*this);
  SetEofMark(source->EofMark());
  SetRetMark(source->RetMark());
  SetWrapMark(source->WrapMark());
  SetHideMark(source->HideMark());
  SetUnderline(source->Underline());
}

namespace {

template <TEditorMark& (TEditorMarks::*Mark)()>
platform::TPersistent* MarkOf(platform::TPersistent& Marks) {
  return &(static_cast<TEditorMarks&>(Marks).*Mark)();
}

}  // namespace

std::span<const platform::TPublishedProperty> TEditorMarks::PublishedProperties() const {
  static constexpr platform::TPublishedProperty properties[] = {
      {"EofMark", MarkOf<&TEditorMarks::EofMark>},
      {"HideMark", MarkOf<&TEditorMarks::HideMark>},
      {"RetMark", MarkOf<&TEditorMarks::RetMark>},
      {"Underline", MarkOf<&TEditorMarks::Underline>},
      {"WrapMark", MarkOf<&TEditorMarks::WrapMark>},
  };
  return properties;
}

}  // namespace editor
