#include "textstore/row_list.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/bulk_memory.h"
#include "platform/errors.h"

namespace textstore {
namespace {

// Stores a reference to Value in Slot and releases the one Slot held.
void SetString(ByteString::Handle& Slot, ByteString Value) {
  ByteString old = ByteString::adopt(Slot);
  Slot = std::move(Value).release();
}

// Takes the row's references back into temporaries, which drop them.
void ReleaseStrings(TheStringItem& Item) {
  ByteString::adopt(std::exchange(Item.Text, {}));
  ByteString::adopt(std::exchange(Item.RowData, {}));
}

}  // namespace

TheStringList::~TheStringList() {
  onChange_ = {};
  onChanging_ = {};
  ReleaseAll();
}

void TheStringList::ReleaseAll() {
  for (int i = 0; i < count_; ++i) ReleaseStrings(items_[static_cast<size_t>(i)]);
}

TheStringItem& TheStringList::Item(int Index) const {
  if (Index < 0 || Index >= count_) throw platform::EListError();
  return items_[static_cast<size_t>(Index)];
}

ByteString TheStringList::Get(int Index) const {
  return ByteString::share(Item(Index).Text);
}

int TheStringList::GetCapacity() const {
  return capacity_;
}

int TheStringList::GetCount() const {
  return count_;
}

void TheStringList::Put(int Index, const ByteString& S) {
  TheStringItem& item = Item(Index);
  Changing();
  SetString(item.Text, S);
  Changed();
}

void TheStringList::SetCapacity(int NewCapacity) {
  NewCapacity = std::max(NewCapacity, count_);
  if (NewCapacity == capacity_) return;
  Items items;
  if (NewCapacity > 0) {
    const size_t n = static_cast<size_t>(NewCapacity);
    auto* raw = static_cast<TheStringItem*>(::operator new(sizeof(TheStringItem) * n));
    // Backed at once before the slots are written: a million rows fault page by page otherwise.
    // Slots past the count are raw: a row is written whole when it is added.
    platform::PopulateForWrite(raw, sizeof(TheStringItem) * n);
    items.reset(raw);
    if (count_ > 0) {
      std::memcpy(items.get(), items_.get(), sizeof(TheStringItem) * static_cast<size_t>(count_));
    }
  }
  items_ = std::move(items);
  capacity_ = NewCapacity;
}

void TheStringList::Grow() {
  int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
  SetCapacity(capacity_ + delta);
}

int TheStringList::Add(const ByteString& S) {
  int index = count_;
  InsertItem(index, S);
  return index;
}

void TheStringList::Insert(int Index, const ByteString& S) {
  if (Index < 0 || Index > count_) throw platform::EListError();
  InsertItem(Index, S);
}

void TheStringList::InsertItem(int Index, const ByteString& S) {
  Changing();
  if (count_ == capacity_) Grow();
  TheStringItem* item = items_.get() + Index;
  std::memmove(item + 1, item, sizeof(TheStringItem) * static_cast<size_t>(count_ - Index));
  *item = TheStringItem{ByteString(S).release(), {}, 0, 0, 0};
  ++count_;
  Changed();
}

void TheStringList::Delete(int Index) {
  TheStringItem* item = &Item(Index);
  Changing();
  ReleaseStrings(*item);
  --count_;
  std::memmove(item, item + 1, sizeof(TheStringItem) * static_cast<size_t>(count_ - Index));
  Changed();
}

void TheStringList::Exchange(int Index1, int Index2) {
  TheStringItem& first = Item(Index1);
  TheStringItem& second = Item(Index2);
  Changing();
  std::swap(first, second);
  Changed();
}

void TheStringList::MoveRowsFrom(TheStringList& Other) {
  if (&Other == this || Other.count_ == 0) return;
  Changing();
  if (count_ + Other.count_ > capacity_) SetCapacity(count_ + Other.count_);
  std::memcpy(items_.get() + count_, Other.items_.get(),
              sizeof(TheStringItem) * static_cast<size_t>(Other.count_));
  count_ += Other.count_;
  // Other's records are this list's now: it forgets them without releasing their strings.
  Other.Changing();
  Other.items_.reset();
  Other.count_ = 0;
  Other.capacity_ = 0;
  Other.Changed();
  Changed();
}

void TheStringList::Clear() {
  if (count_ == 0) return;
  Changing();
  ReleaseAll();
  items_.reset();
  count_ = 0;
  capacity_ = 0;
  Changed();
}

ByteString TheStringList::RowData(int Index) const {
  return ByteString::share(Item(Index).RowData);
}

void TheStringList::SetRowData(int Index, const ByteString& Value) {
  SetString(Item(Index).RowData, Value);
}

std::int32_t TheStringList::RowTag(int Index) const {
  return Item(Index).RowTag;
}

void TheStringList::SetRowTag(int Index, std::int32_t Value) {
  Item(Index).RowTag = Value;
}

std::uint32_t TheStringList::PackedState(int Index) const {
  return Item(Index).PackedState;
}

void TheStringList::SetPackedState(int Index, std::uint32_t Value) {
  Item(Index).PackedState = Value;
}

std::uint32_t TheStringList::PackedExtra(int Index) const {
  return Item(Index).PackedExtra;
}

void TheStringList::SetPackedExtra(int Index, std::uint32_t Value) {
  Item(Index).PackedExtra = Value;
}

void TheStringList::Changed() {
  if (updateCount_ == 0 && onChange_) onChange_(this);
}

void TheStringList::Changing() {
  if (updateCount_ == 0 && onChanging_) onChanging_(this);
}

void TheStringList::SetUpdateState(bool Updating) {
  if (Updating) {
    Changing();
    ++updateCount_;
  } else {
    --updateCount_;
    Changed();
  }
}

}  // namespace textstore
