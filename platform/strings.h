#pragma once
// The string-list interface. A descendant stores the strings and overrides the storage
// operations (Get, GetCount, Insert, Delete, Clear, and Put, Add, Exchange where it can do
// better); everything else here is built on those operations.

#include <string>
#include <string_view>

#include "platform/byte_string.h"
#include "platform/persistent.h"

namespace platform {

class TStrings : public TPersistent {
 public:
  virtual ByteString Get(int Index) const = 0;
  virtual int GetCount() const = 0;
  // The base keeps no capacity: it reads as the count, and setting it does nothing.
  virtual int GetCapacity() const { return GetCount(); }
  virtual void SetCapacity(int NewCapacity);
  // Replaces the string at Index: the base deletes it and inserts S in its place.
  virtual void Put(int Index, const ByteString& S);
  // Appends S and returns its index.
  virtual int Add(const ByteString& S);
  virtual void Clear() = 0;
  virtual void Delete(int Index) = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Insert(int Index, const ByteString& S) = 0;
  // The first index whose string equals S by CompareStrings, or −1.
  virtual int IndexOf(std::string_view S) const;
  // The strings, each followed by CR LF.
  virtual std::string GetTextStr() const;
  // Replaces the strings by the lines of Text. A line ends at CR, LF or CR LF; a line break at
  // the very end does not start another line, so "" gives no line and "a\r\n" one.
  virtual void SetTextStr(std::string_view Text);

  int Count() const { return GetCount(); }
  std::string Text() const { return GetTextStr(); }
  void SetText(std::string_view Text) { SetTextStr(Text); }

  // Moves the string at CurIndex so that it ends up at NewIndex.
  void Move(int CurIndex, int NewIndex);
  void AddStrings(const TStrings& Strings);
  // From another string list: its strings replace these, inside one update bracket.
  void Assign(const TPersistent& Source) override;

  // Brackets a batch of changes: the first BeginUpdate calls SetUpdateState(true), the
  // matching last EndUpdate SetUpdateState(false). An EndUpdate without a bracket is ignored.
  void BeginUpdate();
  void EndUpdate();

 protected:
  // The comparison of IndexOf: case-insensitive (ASCII letters outside double-byte characters).
  virtual int CompareStrings(std::string_view S1, std::string_view S2) const;
  // Told when a bracket opens (true) and when it closes (false); the base does nothing.
  virtual void SetUpdateState(bool /*Updating*/) {}

 private:
  int updateCount_ = 0;
};

// Case-insensitive order of CP932 byte strings: ASCII letters compare as upper case, the bytes
// of double-byte characters as they are. Negative, zero or positive, as S1 sorts before, with
// or after S2.
int CompareText(std::string_view S1, std::string_view S2);

}  // namespace platform
