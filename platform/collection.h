#pragma once
// Collections: an owned, ordered set of items of one class, which reports changes to itself
// through Update, batched by an update count.

#include <memory>
#include <vector>

#include "platform/persistent.h"

namespace platform {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // Items are made by their collection (TCollection::Add), which passes itself here.
  explicit TCollectionItem(TCollection& Collection) : collection_(&Collection) {}

  TCollection& Collection() const { return *collection_; }
  // The item's position in its collection.
  int Index() const;
  TPersistent* GetOwner() const override;

 protected:
  // Reports a change of this item (AllItems: of the whole collection) unless the collection
  // is updating.
  void Changed(bool AllItems);

 private:
  TCollection* collection_;
};

// Makes the items of a collection; ItemClass<T> makes items of class T.
using TCollectionItemClass = std::unique_ptr<TCollectionItem> (*)(TCollection&);
template <typename T>
constexpr TCollectionItemClass ItemClass =
    [](TCollection& c) -> std::unique_ptr<TCollectionItem> { return std::make_unique<T>(c); };

class TCollection : public TPersistent {
 public:
  explicit TCollection(TCollectionItemClass NewItem) : itemClass_(NewItem) {}
  // Items are freed without any notification.
  ~TCollection() override;

  // Appends a new item of the item class and reports the change.
  virtual TCollectionItem& Add();
  // Both raise EListError outside 0 … Count − 1.
  void Delete(int Index);
  TCollectionItem& Items(int Index) const;
  int Count() const { return static_cast<int>(items_.size()); }
  // Removes every item; a non-empty collection reports one change.
  void Clear();

  // Changes between them report nothing; the last EndUpdate reports once. An EndUpdate without
  // a BeginUpdate does not lower the count below zero.
  virtual void BeginUpdate();
  virtual void EndUpdate();

  // From another collection: its items replace these (each new item assigned from the source's
  // item at the same index), reported as one change.
  void Assign(const TPersistent& Source) override;

 protected:
  // Calls Update (with no item) unless updating.
  void Changed();
  // Told of a change of Item, or of the whole collection when Item is nullptr; never called
  // while updating. The base does nothing.
  virtual void Update(TCollectionItem* /*Item*/) {}

 private:
  friend class TCollectionItem;

  TCollectionItemClass itemClass_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
  int updateCount_ = 0;
};

}  // namespace platform
