#pragma once
// Cutting logical lines into screen rows of at most W columns (the wrap width), with the
// Japanese line-breaking rules: punctuation may hang past W, opening brackets do not end a
// row, closing characters do not begin one, and single-byte words are split only where no
// better place is near. The screen-row list owns one wrapper and lays out every line with it.

#include <bitset>
#include <string>
#include <string_view>

#include "platform/byte_string.h"
#include "textstore/column_cursor.h"
#include "textstore/column_map.h"
#include "textstore/row_attributes.h"

namespace textstore {

inline constexpr int kMinWrapByte = 20;
inline constexpr int kMaxWrapByte = 250;

// The wrap width limited to 20 ... 250. The rules step a cut back to W div 3 or (W div 5) × 4
// at most, so every cut keeps at least one byte and a line is always used up.
int ClampWrapByte(int Value);

// The built-in lists, in CP932.
const ByteString& DefaultFollowStr();  // 、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ
const ByteString& DefaultLeadStr();         // （［｛「『([{｢
const ByteString& DefaultPunctuationStr();  // 、。，．,.｡､

// The values of the wrap option. The lists are CP932 characters, single- and double-byte
// mixed; a character matches only at a character boundary of its list.
struct TWrapSettings {
  bool FollowRetMark = false;                 // a line that fills its last row exactly ends there
  bool FollowPunctuation = false;             // PunctuationStr may hang past W
  ByteString FollowStr = DefaultFollowStr();  // may not begin a row
  bool Leading = false;                       // the LeadStr and FollowStr rules
  ByteString LeadStr = DefaultLeadStr();      // may not end a row
  ByteString PunctuationStr = DefaultPunctuationStr();  // may hang past W
  bool WordBreak = false;  // single-byte words move to the next row whole
  int WrapByte = 80;       // W, in columns
};

class TLineWrapper {
 public:
  // The default settings, word wrap off, the default column rules.
  TLineWrapper();

  const TWrapSettings& Options() const { return options_; }
  // Takes the values with WrapByte limited to 20 ... 250.
  void SetOptions(const TWrapSettings& Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value) { wordWrap_ = Value; }
  // The rules the column maps of the cut are made by: word wrap on, at W.
  const ColumnRules& Columns() const { return columns_; }
  // The view's column rules: tab width and word delimiters.
  void SetTabWidth(int Value) { columns_.TabWidth = Value; }
  void SetDelimiters(const ByteSet& Value) { columns_.Delimiters = Value; }

  // Replaces the rows with those of Text, which may hold several lines (CR, LF or CR LF end
  // one), inside one update bracket of Rows. With word wrap off every line is one row; with
  // it on each line is cut into rows of kind rkWrapped closed by one of kind rkLineEnd. An
  // empty Text gives one empty row.
  //
  // With a slicer, Text lies within its whole, and a row that a line break or the whole's end
  // follows there shares the whole's bytes; the tokeniser stops at those, so the row reads as
  // if it had its own NUL. Rows cut inside a line get bytes of their own.
  void WrapLines(std::string_view Text, TRowAttributeStringList& Rows,
                 platform::ByteStringSlicer* Slicer = nullptr);
  // The same rows appended to Rows, inside the caller's update bracket, for a non-empty Text.
  void AppendLines(std::string_view Text, TRowAttributeStringList& Rows,
                   platform::ByteStringSlicer* Slicer = nullptr);
  // The number of rows WrapLines makes of Line, which holds no line break.
  int CountRows(std::string_view Line);

 private:
  // IncludesChar against one list, in constant time.
  class CharList {
   public:
    void Assign(std::string_view List);
    bool Includes(std::string_view Ch) const;

   private:
    std::bitset<256> single_;
    std::bitset<65536> double_;
  };

  // Cuts Line and counts its rows; appends them to Rows unless it is null.
  int CutLine(std::string_view Line, TRowAttributeStringList* Rows,
              platform::ByteStringSlicer* Slicer = nullptr);
  // From column W of the cursor to the last column of the row, by the line-breaking rules.
  void FindRowEnd();
  // After `cut` bytes of `rest` went into a row: the map and the cursor on the rest. The
  // columns behind the row carry over unless a tab among them has to be measured again.
  void StartRest(std::string_view& rest, size_t cut);

  TWrapSettings options_;
  bool wordWrap_ = false;
  ColumnRules columns_;  // always with word wrap, at W
  CharList follow_;
  CharList lead_;
  CharList punctuation_;
  // Scratch of the line being cut, kept between lines so that cutting allocates nothing but
  // the rows: the map of the rest, the bytes of the rest it describes, the cursor on it.
  std::string map_;
  size_t mapped_ = 0;
  TEditorAttributeArray cursor_{{}, {}};
};

}  // namespace textstore
