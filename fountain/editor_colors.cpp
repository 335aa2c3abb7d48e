#include "fountain/editor_colors.h"

#include "platform/update_guard.h"

namespace fountain {

TEditorColors::TEditorColors(TFountain& Fountain) : fountain_(Fountain) {
  select_.SetBkColor(platform::clNavy);
  select_.SetColor(platform::clWhite);
  for (TEditorColor* color : {&ank_, &comment_, &dbcs_, &hit_, &int_, &mail_, &select_, &str_,
                              &symbol_, &url_}) {
    color->SetOnChange({this, &TEditorColors::ChangedProc});
  }
}

void TEditorColors::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorColors*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  platform::UpdateGuard<TEditorColors> batch(*this);
  SetAnk(source->Ank());
  SetComment(source->Comment());
  SetDBCS(source->DBCS());
  SetHit(source->Hit());
  SetInt(source->Int());
  SetMail(source->Mail());
  SetStr(source->Str());
  SetSymbol(source->Symbol());
  SetReserve(source->Reserve());
  SetUrl(source->Url());
  SetSelect(source->Select());
}

namespace {

template <auto Slot>
platform::TPersistent* SlotOf(platform::TPersistent& Colors) {
  return &(static_cast<TEditorColors&>(Colors).*Slot)();
}

// Non-const accessors of the slots, for the property table.
using TSlot = TEditorColor& (TEditorColors::*)();

}  // namespace

std::span<const platform::TPublishedProperty> TEditorColors::PublishedProperties() const {
  static constexpr platform::TPublishedProperty properties[] = {
      {"Ank", SlotOf<static_cast<TSlot>(&TEditorColors::Ank)>},
      {"Comment", SlotOf<static_cast<TSlot>(&TEditorColors::Comment)>},
      {"DBCS", SlotOf<static_cast<TSlot>(&TEditorColors::DBCS)>},
      {"Hit", SlotOf<static_cast<TSlot>(&TEditorColors::Hit)>},
      {"Int", SlotOf<static_cast<TSlot>(&TEditorColors::Int)>},
      {"Mail", SlotOf<static_cast<TSlot>(&TEditorColors::Mail)>},
      {"Reserve",
       SlotOf<static_cast<TFountainColor& (TEditorColors::*)()>(&TEditorColors::Reserve)>},
      {"Select", SlotOf<static_cast<TSlot>(&TEditorColors::Select)>},
      {"Str", SlotOf<static_cast<TSlot>(&TEditorColors::Str)>},
      {"Symbol", SlotOf<static_cast<TSlot>(&TEditorColors::Symbol)>},
      {"Url", SlotOf<static_cast<TSlot>(&TEditorColors::Url)>},
  };
  return properties;
}

}  // namespace fountain
