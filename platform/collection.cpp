#include "platform/collection.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/update_guard.h"

namespace platform {

int TCollectionItem::Index() const {
  const auto& items = collection_->items_;
  auto it = std::find_if(items.begin(), items.end(),
                         [this](const auto& item) { return item.get() == this; });
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

TPersistent* TCollectionItem::GetOwner() const {
  return collection_;
}

void TCollectionItem::Changed(bool AllItems) {
  if (collection_->updateCount_ == 0) collection_->Update(AllItems ? nullptr : this);
}

TCollection::~TCollection() = default;

TCollectionItem& TCollection::Add() {
  items_.push_back(itemClass_(*this));
  TCollectionItem& item = *items_.back();
  Changed();
  return item;
}

void TCollection::Delete(int Index) {
  Items(Index);
  items_.erase(items_.begin() + Index);
  Changed();
}

TCollectionItem& TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError();
  return *items_[static_cast<size_t>(Index)];
}

void TCollection::Clear() {
  if (items_.empty()) return;
  UpdateGuard<TCollection> batch(*this);
  items_.clear();
}

void TCollection::BeginUpdate() {
  ++updateCount_;
}

void TCollection::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  Changed();
}

void TCollection::Assign(const TPersistent& Source) {
  const auto* source = dynamic_cast<const TCollection*>(&Source);
  if (source == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  UpdateGuard<TCollection> batch(*this);
  Clear();
  for (int i = 0; i < source->Count(); ++i) Add().Assign(source->Items(i));
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

}  // namespace platform
