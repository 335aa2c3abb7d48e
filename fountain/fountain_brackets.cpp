#include "fountain/fountain_brackets.h"

#include <string>

#include "platform/errors.h"

namespace fountain {

void TFountainBracketItem::Assign(const platform::TPersistent& Source) {
  if (const auto* source = dynamic_cast<const TFountainBracketItem*>(&Source)) {
    leftBracket_ = source->leftBracket_;
    rightBracket_ = source->rightBracket_;
  }
  TFountainColorItem::Assign(Source);
}

TFountainBracketItem& TFountainBracketCollection::Add() {
  if (Count() >= MaxCount) {
    throw platform::Exception("TFountainBracketCollection\r\nYou can not add item over " +
                              std::to_string(MaxCount));
  }
  return static_cast<TFountainBracketItem&>(platform::TNotifyCollection::Add());
}

}  // namespace fountain
