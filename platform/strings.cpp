#include "platform/strings.h"

#include <algorithm>

#include "platform/ascii.h"
#include "platform/cp932.h"
#include "platform/line_breaks.h"
#include "platform/update_guard.h"

namespace platform {

void TStrings::SetCapacity(int /*NewCapacity*/) {}

void TStrings::Put(int Index, const ByteString& S) {
  UpdateGuard<TStrings> bracket(*this);
  Delete(Index);
  Insert(Index, S);
}

int TStrings::Add(const ByteString& S) {
  int index = GetCount();
  Insert(index, S);
  return index;
}

void TStrings::Exchange(int Index1, int Index2) {
  UpdateGuard<TStrings> bracket(*this);
  ByteString first = Get(Index1);
  Put(Index1, Get(Index2));
  Put(Index2, first);
}

int TStrings::IndexOf(std::string_view S) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (CompareStrings(Get(i), S) == 0) return i;
  }
  return -1;
}

std::string TStrings::GetTextStr() const {
  size_t length = 0;
  for (int i = 0; i < GetCount(); ++i) length += Get(i).size() + 2;
  std::string text;
  text.reserve(length);
  for (int i = 0; i < GetCount(); ++i) {
    text += Get(i).view();
    text += "\r\n";
  }
  return text;
}

void TStrings::SetTextStr(std::string_view Text) {
  UpdateGuard<TStrings> bracket(*this);
  Clear();
  ForEachLine(Text, [this](std::string_view line) { Add(ByteString(line)); });
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  UpdateGuard<TStrings> bracket(*this);
  ByteString moved = Get(CurIndex);
  Delete(CurIndex);
  Insert(NewIndex, moved);
}

void TStrings::AddStrings(const TStrings& Strings) {
  UpdateGuard<TStrings> bracket(*this);
  for (int i = 0; i < Strings.GetCount(); ++i) Add(Strings.Get(i));
}

void TStrings::Assign(const TPersistent& Source) {
  const auto* strings = dynamic_cast<const TStrings*>(&Source);
  if (strings == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (strings == this) return;
  UpdateGuard<TStrings> bracket(*this);
  Clear();
  AddStrings(*strings);
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

int TStrings::CompareStrings(std::string_view S1, std::string_view S2) const {
  return CompareText(S1, S2);
}

int CompareText(std::string_view S1, std::string_view S2) {
  size_t n = std::min(S1.size(), S2.size());
  bool trail = false;  // the byte at i is the second byte of a double-byte character in both
  for (size_t i = 0; i < n; ++i) {
    auto a = static_cast<unsigned char>(S1[i]);
    auto b = static_cast<unsigned char>(S2[i]);
    if (!trail) {
      a = AsciiUpper(a);
      b = AsciiUpper(b);
    }
    if (a != b) return a < b ? -1 : 1;
    // Equal bytes so far: both strings are at the same character boundary.
    trail = !trail && cp932::IsLeadByte(a);
  }
  if (S1.size() == S2.size()) return 0;
  return S1.size() < S2.size() ? -1 : 1;
}

}  // namespace platform
