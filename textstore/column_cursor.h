#pragma once
// The column cursor that the wrap routine walks: a position on a column-class map together
// with the number of text bytes in the columns up to it.

#include <string>
#include <string_view>

namespace textstore {

class TEditorAttributeArray {
 public:
  // The cursor refers to `text` without copying it (the wrap routine resets it on the rest of
  // a line after every cut): the text must outlive the cursor or the next Reset.
  TEditorAttributeArray(std::string_view text, std::string_view map);

  // Starts over on `text` and its map, standing on column 1.
  void Reset(std::string_view text, std::string_view map);

  // Columns of the map.
  int Length() const { return static_cast<int>(map_.size()) - 1; }
  // 1-based column; Length() + 1 on the end marker.
  int Position() const { return position_; }
  // The class byte at the cursor; kColumnEnd past the last column.
  char Class() const { return class_; }
  // 1-based index of the text byte ending the current character (the tab on a fill column).
  int ByteCount() const { return byteCount_; }

  void Next();
  void Prev();
  // From the last column of one character to the last column of the character before it.
  void PrevChar();
  // Moves towards column `column`, stopping at the end marker or at column 1.
  void MoveTo(int column);

  // The character at the cursor: empty at the end, the tab on a fill column.
  std::string CurrentChar() const;
  // The character after the cursor, empty at the end; the cursor stays where it is.
  std::string NextChar() const;

 private:
  std::string CharFor(char cls, int byteCount) const;

  std::string_view text_;
  std::string map_;  // the map plus the end marker
  int position_ = 0;
  char class_ = '0';
  int byteCount_ = 0;
};

}  // namespace textstore
