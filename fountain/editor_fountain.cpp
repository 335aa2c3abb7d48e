#include "fountain/editor_fountain.h"

#include "fountain/editor_parser.h"
#include "platform/strings.h"
#include "platform/update_guard.h"

namespace fountain {

TEditorFountain::~TEditorFountain() {
  colors_.reset();
}

void TEditorFountain::SetBkColorAll(platform::TColor Value) {
  TFountainColor color;
  color.SetBkColor(Value);
  SetAll(color, cmBkColor);
}

void TEditorFountain::SetColorAll(platform::TColor Value) {
  TFountainColor color;
  color.SetColor(Value);
  SetAll(color, cmColor);
}

void TEditorFountain::SetStyleAll(platform::TFontStyles Value) {
  TFountainColor color;
  color.SetStyle(Value);
  SetAll(color, cmStyle);
}

void TEditorFountain::SetAll(const TFountainColor& Color, unsigned Mask) {
  platform::UpdateGuard<platform::TNotifyEventList> batch(NotifyEventList());
  SetColors(*colors_, Color, Mask);
}

std::span<const platform::TPublishedProperty> TEditorFountain::PublishedProperties() const {
  static constexpr platform::TPublishedProperty properties[] = {
      kFountainBrackets,
      {"Colors",
       [](platform::TPersistent& f) -> platform::TPersistent* {
         return &static_cast<TEditorFountain&>(f).Colors();
       }},
      kFountainFileExtList,
      kFountainReserve,
      kFountainReserveWordList,
  };
  return properties;
}

void TEditorFountain::Create() {
  TFountain::Create();
  colors_ = CreateColors();
}

std::unique_ptr<TFountainBracketCollection> TEditorFountain::CreateBrackets() {
  auto brackets = std::make_unique<TEditorBracketCollection>(this);
  brackets->SetOnChange(ListenersChanged());
  return brackets;
}

TFountainParserClass TEditorFountain::GetParserClass() const {
  return ParserClass<TEditorParser>;
}

void TEditorFountain::SetColorProc(platform::TPersistent& Instance,
                                   const platform::TPublishedProperty& Property) {
  if (platform::CompareText(Property.Name, "Select") == 0 ||
      platform::CompareText(Property.Name, "Hit") == 0) {
    return;
  }
  TFountain::SetColorProc(Instance, Property);
}

std::unique_ptr<TEditorColors> TEditorFountain::CreateColors() {
  auto colors = std::make_unique<TEditorColors>(*this);
  colors->SetOnChange(ListenersChanged());
  return colors;
}

}  // namespace fountain
