#include "textstore/column_cursor.h"

#include <algorithm>
#include <cstring>

#include "textstore/column_map.h"

namespace textstore {

TEditorAttributeArray::TEditorAttributeArray(std::string_view text, std::string_view map) {
  Reset(text, map);
}

void TEditorAttributeArray::Reset(std::string_view text, std::string_view map) {
  text_ = text;
  map_.assign(map);
  map_ += kColumnEnd;
  position_ = 0;
  byteCount_ = 0;
  class_ = kColumnWord;  // anything but the end marker, so that the first step is taken
  Next();
}

void TEditorAttributeArray::Next() {
  if (class_ == kColumnEnd) return;
  ++position_;
  class_ = map_[static_cast<size_t>(position_ - 1)];
  if (class_ != kColumnTabFill) ++byteCount_;
}

void TEditorAttributeArray::Prev() {
  if (position_ < 2) return;
  if (class_ != kColumnTabFill) --byteCount_;
  --position_;
  class_ = map_[static_cast<size_t>(position_ - 1)];
}

void TEditorAttributeArray::PrevChar() {
  Prev();
  if (class_ == kColumnLead) Prev();
}

void TEditorAttributeArray::MoveTo(int column) {
  if (position_ < column && class_ != kColumnEnd) {
    // Next, column by column, in one sweep: the end marker stops it, and every column but a
    // fill column adds a byte.
    const int target = std::min(column, Length() + 1);
    const char* p = map_.data() + position_;
    const char* end = map_.data() + target;
    byteCount_ += target - position_;
    while ((p = static_cast<const char*>(
                std::memchr(p, kColumnTabFill, static_cast<size_t>(end - p)))) != nullptr) {
      --byteCount_;
      ++p;
    }
    position_ = target;
    class_ = map_[static_cast<size_t>(position_ - 1)];
  }
  while (position_ > column && position_ > 1) Prev();
}

std::string TEditorAttributeArray::CurrentChar() const {
  return CharFor(class_, byteCount_);
}

std::string TEditorAttributeArray::NextChar() const {
  if (class_ == kColumnEnd) return {};
  char next = map_[static_cast<size_t>(position_)];
  return CharFor(next, next == kColumnTabFill ? byteCount_ : byteCount_ + 1);
}

std::string TEditorAttributeArray::CharFor(char cls, int byteCount) const {
  // 0-based first byte and size; clamped, since a lone lead byte at the end of the text has
  // both map columns but only one byte.
  int first = byteCount - 1;
  int size = 1;
  if (cls == kColumnEnd) return {};
  if (cls == kColumnTrail) {
    first = byteCount - 2;
    size = 2;
  } else if (cls == kColumnLead) {
    size = 2;
  }
  if (first < 0 || static_cast<size_t>(first) >= text_.size()) return {};
  return std::string(text_.substr(static_cast<size_t>(first), static_cast<size_t>(size)));
}

}  // namespace textstore
