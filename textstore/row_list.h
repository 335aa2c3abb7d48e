#pragma once
// The row store: a string list whose items are fixed-size records (the row's text plus its
// per-row data) kept in one contiguous array, with change events around text and structure
// changes.

#include <cstdint>
#include <memory>
#include <type_traits>

#include "platform/byte_string.h"
#include "platform/method.h"
#include "platform/strings.h"

namespace textstore {

using platform::ByteString;

// One row. A plain record: the list shifts rows with memmove and keeps the strings' counts
// itself (each handle holds one reference, released when the row goes).
struct TheStringItem {
  ByteString::Handle Text;     // without line-break bytes
  ByteString::Handle RowData;  // the tokeniser's carried data string; empty when unused
  std::int32_t RowTag = 0;
  std::uint32_t PackedState = 0;
  std::uint32_t PackedExtra = 0;
};
static_assert(std::is_trivially_copyable_v<TheStringItem>, "rows are moved as raw memory");
static_assert(sizeof(TheStringItem) <= 32, "rows must stay small");

class TheStringList : public platform::TStrings {
 public:
  TheStringList() = default;
  // Clears both events first, so that nothing fires while the rows are released.
  ~TheStringList() override;

  // Every operation that takes an index raises EListError outside 0 … Count − 1 (0 … Count for
  // Insert), before anything changes or fires.
  ByteString Get(int Index) const override;
  int GetCapacity() const override;
  int GetCount() const override;
  // Replaces the text; the row's other fields stay.
  void Put(int Index, const ByteString& S) override;
  // Never below Count: the rows are kept.
  void SetCapacity(int NewCapacity) override;
  int Add(const ByteString& S) override;
  // An empty list fires nothing.
  void Clear() override;
  void Delete(int Index) override;
  // The whole records swap places: text, data, tag and both packed words.
  void Exchange(int Index1, int Index2) override;
  void Insert(int Index, const ByteString& S) override;
  // Appends Other's rows whole (text, data, tag, state) and leaves Other empty: the records
  // move as raw memory, their strings keep their counts. One pair of events on this list.
  void MoveRowsFrom(TheStringList& Other);

  // Raw row fields. Writing them fires no event.
  ByteString RowData(int Index) const;
  void SetRowData(int Index, const ByteString& Value);
  std::int32_t RowTag(int Index) const;
  void SetRowTag(int Index, std::int32_t Value);
  std::uint32_t PackedState(int Index) const;
  void SetPackedState(int Index, std::uint32_t Value);
  std::uint32_t PackedExtra(int Index) const;
  void SetPackedExtra(int Index, std::uint32_t Value);

  platform::TNotifyEvent OnChange() const { return onChange_; }
  void SetOnChange(platform::TNotifyEvent Value) { onChange_ = Value; }
  platform::TNotifyEvent OnChanging() const { return onChanging_; }
  void SetOnChanging(platform::TNotifyEvent Value) { onChanging_ = Value; }

 protected:
  // Fire OnChange / OnChanging with the list as sender, unless an update bracket is open.
  virtual void Changed();
  virtual void Changing();
  // Opening a bracket fires Changing before it counts; closing fires Changed after it counts
  // down: one pair of events per bracket, none inside.
  void SetUpdateState(bool Updating) override;

 private:
  TheStringItem& Item(int Index) const;
  void InsertItem(int Index, const ByteString& S);
  void Grow();
  // Releases the strings of every row.
  void ReleaseAll();

  // Raw storage of trivially destructible rows, allocated by SetCapacity.
  struct FreeItems {
    void operator()(TheStringItem* items) const noexcept { ::operator delete(items); }
  };
  using Items = std::unique_ptr<TheStringItem[], FreeItems>;
  Items items_;
  int count_ = 0;
  int capacity_ = 0;
  int updateCount_ = 0;
  platform::TNotifyEvent onChange_;
  platform::TNotifyEvent onChanging_;
};

}  // namespace textstore
