#pragma once
// Bracket pairs: text from a left bracket to its right bracket is one token in the pair's
// colour, and may run over several rows.

#include "fountain/fountain_color.h"
#include "platform/notify_collection.h"
#include "platform/byte_string.h"

namespace fountain {

class TFountainBracketItem : public TFountainColorItem {
 public:
  using TFountainColorItem::TFountainColorItem;

  // Plain values: setting them notifies nobody. Matched byte for byte, case-sensitively.
  const platform::ByteString& LeftBracket() const { return leftBracket_; }
  void SetLeftBracket(const platform::ByteString& Value) { leftBracket_ = Value; }
  const platform::ByteString& RightBracket() const { return rightBracket_; }
  void SetRightBracket(const platform::ByteString& Value) { rightBracket_ = Value; }

  // From another bracket item: both strings, then the colour.
  void Assign(const platform::TPersistent& Source) override;

 private:
  platform::ByteString leftBracket_;
  platform::ByteString rightBracket_;
};

class TFountainBracketCollection : public platform::TNotifyCollection {
 public:
  // Row states keep the open bracket's index in four bits (−2 … 13).
  static constexpr int MaxCount = 14;

  explicit TFountainBracketCollection(platform::TPersistent* Owner)
      : platform::TNotifyCollection(Owner, platform::ItemClass<TFountainBracketItem>) {}

  // A fifteenth item raises platform::Exception ("TFountainBracketCollection\r\nYou can not add
  // item over 14"); the collection keeps its items.
  TFountainBracketItem& Add() override;
  // Raises EListError outside 0 … Count − 1.
  TFountainBracketItem& Items(int Index) const {
    return static_cast<TFountainBracketItem&>(platform::TNotifyCollection::Items(Index));
  }
};

}  // namespace fountain
