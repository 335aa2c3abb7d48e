#pragma once
// A string list that stores its strings, optionally kept sorted in CompareText order.

#include <string_view>
#include <vector>

#include "platform/strings.h"

namespace platform {

// What Add does with a string that a sorted list already holds.
enum class TDuplicates { dupIgnore, dupAccept };

class TStringList : public TStrings {
 public:
  ByteString Get(int Index) const override;
  int GetCount() const override;
  int GetCapacity() const override;
  void SetCapacity(int NewCapacity) override;
  // Put and Insert would break the order of a sorted list: there they are programming errors
  // and throw std::logic_error. Add places the string itself.
  void Put(int Index, const ByteString& S) override;
  int Add(const ByteString& S) override;
  void Clear() override;
  void Delete(int Index) override;
  void Exchange(int Index1, int Index2) override;
  void Insert(int Index, const ByteString& S) override;
  int IndexOf(std::string_view S) const override;

  // Binary search of a sorted list: true when S is present, with Index its first position;
  // otherwise Index is where S would be inserted.
  bool Find(std::string_view S, int& Index) const;

  bool Sorted() const { return sorted_; }
  // Switching sorting on sorts the strings (equal strings keep their order).
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates Value) { duplicates_ = Value; }

 private:
  size_t CheckIndex(int Index) const;

  std::vector<ByteString> items_;
  bool sorted_ = false;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace platform
