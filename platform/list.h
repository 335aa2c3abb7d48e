#pragma once
// An ordered list of values with index-checked access. A list that owns objects holds them as
// std::unique_ptr, so deleting an entry or clearing the list frees them.

#include <utility>
#include <vector>

#include "platform/errors.h"
#include "platform/object.h"

namespace platform {

template <typename T>
class TList : public TObject {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError outside 0 … Count − 1.
  const T& Items(int Index) const { return items_[CheckIndex(Index)]; }

  int Add(T Item) {
    items_.push_back(std::move(Item));
    return Count() - 1;
  }
  void Delete(int Index) { items_.erase(items_.begin() + CheckIndex(Index)); }
  // The first index holding an entry equal to Item, or −1.
  int IndexOf(const T& Item) const {
    for (int i = 0; i < Count(); ++i) {
      if (items_[static_cast<size_t>(i)] == Item) return i;
    }
    return -1;
  }
  virtual void Clear() { items_.clear(); }

 private:
  size_t CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError();
    return static_cast<size_t>(Index);
  }

  std::vector<T> items_;
};

}  // namespace platform
