#include "platform/string_list.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/errors.h"

namespace platform {

size_t TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError();
  return static_cast<size_t>(Index);
}

ByteString TStringList::Get(int Index) const {
  return items_[CheckIndex(Index)];
}

int TStringList::GetCount() const {
  return static_cast<int>(items_.size());
}

int TStringList::GetCapacity() const {
  return static_cast<int>(items_.capacity());
}

void TStringList::SetCapacity(int NewCapacity) {
  if (NewCapacity > GetCount()) items_.reserve(static_cast<size_t>(NewCapacity));
}

void TStringList::Put(int Index, const ByteString& S) {
  if (sorted_) throw std::logic_error("TStringList::Put on a sorted list");
  items_[CheckIndex(Index)] = S;
}

int TStringList::Add(const ByteString& S) {
  if (!sorted_) {
    items_.push_back(S);
    return GetCount() - 1;
  }
  int index = 0;
  if (Find(S, index) && duplicates_ == TDuplicates::dupIgnore) return index;
  // After the equal strings already present, so that equal strings keep their order.
  while (index < GetCount() && CompareStrings(items_[static_cast<size_t>(index)], S) == 0) ++index;
  items_.insert(items_.begin() + index, S);
  return index;
}

void TStringList::Clear() {
  items_.clear();
}

void TStringList::Delete(int Index) {
  items_.erase(items_.begin() + CheckIndex(Index));
}

void TStringList::Exchange(int Index1, int Index2) {
  std::swap(items_[CheckIndex(Index1)], items_[CheckIndex(Index2)]);
}

void TStringList::Insert(int Index, const ByteString& S) {
  if (sorted_) throw std::logic_error("TStringList::Insert on a sorted list");
  if (Index < 0 || Index > GetCount()) throw EListError();
  items_.insert(items_.begin() + Index, S);
}

int TStringList::IndexOf(std::string_view S) const {
  if (!sorted_) return TStrings::IndexOf(S);
  int index = 0;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(std::string_view S, int& Index) const {
  auto first = std::lower_bound(items_.begin(), items_.end(), S,
                                [this](const ByteString& item, std::string_view key) {
                                  return CompareStrings(item, key) < 0;
                                });
  Index = static_cast<int>(first - items_.begin());
  return first != items_.end() && CompareStrings(*first, S) == 0;
}

void TStringList::SetSorted(bool Value) {
  if (Value && !sorted_) {
    std::stable_sort(
        items_.begin(), items_.end(),
        [this](const ByteString& a, const ByteString& b) { return CompareStrings(a, b) < 0; });
  }
  sorted_ = Value;
}

}  // namespace platform
