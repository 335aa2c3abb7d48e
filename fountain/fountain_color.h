#pragma once
// Colour sets (background, text colour, font style) and the collection item that carries one.

#include <span>

#include "platform/notify_persistent.h"
#include "platform/collection.h"
#include "platform/colors.h"
#include "platform/font_style.h"

namespace fountain {

// A colour left at clNone takes the view's default when drawn.
class TFountainColor : public platform::TNotifyPersistent {
 public:
  platform::TColor BkColor() const { return bkColor_; }
  void SetBkColor(platform::TColor Value);
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor Value);
  platform::TFontStyles Style() const { return style_; }
  void SetStyle(platform::TFontStyles Value);

  // From another colour set: all three values, one change.
  void Assign(const platform::TPersistent& Source) override;

 private:
  platform::TColor bkColor_ = platform::clNone;
  platform::TColor color_ = platform::clNone;
  platform::TFontStyles style_;
};

class TFountainColorItem : public platform::TCollectionItem {
 public:
  // In a change-notifying collection the colour reports to the collection.
  explicit TFountainColorItem(platform::TCollection& Collection);

  TFountainColor& ItemColor() { return itemColor_; }
  const TFountainColor& ItemColor() const { return itemColor_; }
  void SetItemColor(const TFountainColor& Value) { itemColor_.Assign(Value); }

  void Assign(const platform::TPersistent& Source) override;
  std::span<const platform::TPublishedProperty> PublishedProperties() const override;

 private:
  TFountainColor itemColor_;
};

}  // namespace fountain
