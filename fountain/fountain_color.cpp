#include "fountain/fountain_color.h"

#include "platform/notify_collection.h"

namespace fountain {

void TFountainColor::SetBkColor(platform::TColor Value) {
  if (bkColor_ == Value) return;
  bkColor_ = Value;
  Changed();
}

void TFountainColor::SetColor(platform::TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  Changed();
}

void TFountainColor::SetStyle(platform::TFontStyles Value) {
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}

void TFountainColor::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TFountainColor*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  bkColor_ = source->bkColor_;
  color_ = source->color_;
  style_ = source->style_;
  Changed();
}

TFountainColorItem::TFountainColorItem(platform::TCollection& Collection)
    : TCollectionItem(Collection) {
  if (auto* notifying = dynamic_cast<platform::TNotifyCollection*>(&Collection)) {
    itemColor_.SetOnChange({notifying, &platform::TNotifyCollection::ChangedProc});
  }
}

void TFountainColorItem::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TFountainColorItem*>(&Source);
  if (source == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  itemColor_.Assign(source->itemColor_);
}

std::span<const platform::TPublishedProperty> TFountainColorItem::PublishedProperties() const {
  static constexpr platform::TPublishedProperty properties[] = {
      {"ItemColor",
       [](platform::TPersistent& item) -> platform::TPersistent* {
         return &static_cast<TFountainColorItem&>(item).ItemColor();
       }},
  };
  return properties;
}

}  // namespace fountain
