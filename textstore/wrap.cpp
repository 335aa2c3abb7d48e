#include "textstore/wrap.h"

#include <algorithm>

#include "platform/cp932.h"
#include "platform/update_guard.h"
#include "textstore/dbcs_string.h"
#include "textstore/split_lines.h"

namespace textstore {
namespace {

ByteString Cp932(std::string_view utf8) {
  return ByteString(platform::cp932::FromUtf8(utf8));
}

// A row's string: a slice of the whole where a line break or the whole's end follows it.
ByteString RowString(std::string_view Row, platform::ByteStringSlicer* Slicer) {
  if (Slicer == nullptr || Row.empty()) return ByteString(Row);
  const std::string_view whole = Slicer->Whole();
  const size_t after = static_cast<size_t>(Row.data() - whole.data()) + Row.size();
  if (after < whole.size() && whole[after] != '\r' && whole[after] != '\n') return ByteString(Row);
  return Slicer->Slice(Row);
}

}  // namespace

int ClampWrapByte(int Value) {
  return std::clamp(Value, kMinWrapByte, kMaxWrapByte);
}

const ByteString& DefaultFollowStr() {
  static const ByteString list = Cp932("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ");
  return list;
}

const ByteString& DefaultLeadStr() {
  static const ByteString list = Cp932("（［｛「『([{｢");
  return list;
}

const ByteString& DefaultPunctuationStr() {
  static const ByteString list = Cp932("、。，．,.｡､");
  return list;
}

void TLineWrapper::CharList::Assign(std::string_view List) {
  single_.reset();
  double_.reset();
  // The characters of the list as IncludesChar walks it; a lone lead byte at its end is a
  // character of one byte.
  for (size_t i = 0; i < List.size();) {
    std::string_view ch = List.substr(i, CharSize(List, i));
    if (ch.size() == 1) {
      single_.set(static_cast<unsigned char>(ch[0]));
    } else {
      double_.set(static_cast<size_t>(static_cast<unsigned char>(ch[0])) << 8 |
                  static_cast<unsigned char>(ch[1]));
    }
    i += ch.size();
  }
}

bool TLineWrapper::CharList::Includes(std::string_view Ch) const {
  if (Ch.size() == 1) return single_[static_cast<unsigned char>(Ch[0])];
  if (Ch.size() == 2) {
    return double_[static_cast<size_t>(static_cast<unsigned char>(Ch[0])) << 8 |
                   static_cast<unsigned char>(Ch[1])];
  }
  return false;
}

TLineWrapper::TLineWrapper() {
  columns_.WordWrap = true;
  SetOptions(TWrapSettings());
}

void TLineWrapper::SetOptions(const TWrapSettings& Value) {
  options_ = Value;
  options_.WrapByte = ClampWrapByte(Value.WrapByte);
  columns_.WrapWidth = options_.WrapByte;
  follow_.Assign(options_.FollowStr);
  lead_.Assign(options_.LeadStr);
  punctuation_.Assign(options_.PunctuationStr);
}

void TLineWrapper::WrapLines(std::string_view Text, TRowAttributeStringList& Rows,
                             platform::ByteStringSlicer* Slicer) {
  platform::UpdateGuard<TRowAttributeStringList> update(Rows);
  Rows.Clear();
  if (Text.empty()) {
    Rows.Add(ByteString());
    return;
  }
  // Every line makes one row at least.
  Rows.SetCapacity(static_cast<int>(LfLineCount(Text)));
  AppendLines(Text, Rows, Slicer);
}

void TLineWrapper::AppendLines(std::string_view Text, TRowAttributeStringList& Rows,
                               platform::ByteStringSlicer* Slicer) {
  LineReader lines(Text);
  for (std::string_view line; lines.Next(line);) {
    if (wordWrap_) {
      CutLine(line, &Rows, Slicer);
    } else {
      Rows.Add(RowString(line, Slicer));
    }
  }
}

int TLineWrapper::CountRows(std::string_view Line) {
  return wordWrap_ ? CutLine(Line, nullptr) : 1;
}

int TLineWrapper::CutLine(std::string_view Line, TRowAttributeStringList* Rows,
                          platform::ByteStringSlicer* Slicer) {
  const int width = options_.WrapByte;
  auto addRow = [Rows, Slicer](std::string_view text, TRowKind kind) {
    if (Rows == nullptr) return;
    int index = Rows->Add(RowString(text, Slicer));
    if (kind != rkLineEnd) Rows->SetRowKind(index, kind);
  };

  map_.clear();
  mapped_ = ExtendColumnMap(map_, Line, 0, columns_);
  if (map_.size() < static_cast<size_t>(width)) {
    addRow(Line, rkLineEnd);
    return 1;
  }
  std::string_view rest = Line;
  cursor_.Reset(rest, map_);
  cursor_.MoveTo(width);
  int rows = 0;
  while (cursor_.Class() != kColumnEnd) {
    FindRowEnd();
    // A lone lead byte at the end of the line counts two bytes on its second column.
    size_t cut = std::min(static_cast<size_t>(cursor_.ByteCount()), rest.size());
    addRow(rest.substr(0, cut), rkWrapped);
    ++rows;
    StartRest(rest, cut);
  }
  if (!rest.empty() || !options_.FollowRetMark) {
    addRow(rest, rkLineEnd);
    ++rows;
  } else if (Rows != nullptr) {
    Rows->SetRowKind(Rows->Count() - 1, rkLineEnd);
  }
  return rows;
}

void TLineWrapper::FindRowEnd() {
  TEditorAttributeArray& cursor = cursor_;
  const int width = options_.WrapByte;
  if (cursor.Class() == kColumnLead) {
    // The character would straddle column W: it moves to the next row.
    cursor.Prev();
  } else if (options_.WordBreak && cursor.Length() > width) {
    // Only the last column decides: a word ending exactly at W moves too.
    while (cursor.Class() == kColumnWord && cursor.Position() > width / 3) cursor.PrevChar();
  }

  if (options_.FollowPunctuation) {
    while (cursor.Position() < width + 2 && punctuation_.Includes(cursor.NextChar())) {
      cursor.Next();
      if (cursor.Class() == kColumnLead) cursor.Next();
    }
  }

  // When something follows the row: no opening character at its end, and no closing one at
  // the start of the next row, even when it is the line's last character. Neither rule takes
  // the row back beyond (W div 5) × 4.
  if (options_.Leading && cursor.Position() < cursor.Length()) {
    const int limit = width / 5 * 4;
    while (cursor.Position() > limit && lead_.Includes(cursor.CurrentChar())) cursor.PrevChar();
    std::string next = cursor.NextChar();
    if (follow_.Includes(next)) {
      std::string current = cursor.CurrentChar();
      while (cursor.Position() > limit && (lead_.Includes(current) || follow_.Includes(next))) {
        cursor.PrevChar();
        next = std::move(current);
        current = cursor.CurrentChar();
      }
    }
  }
}

void TLineWrapper::StartRest(std::string_view& rest, size_t cut) {
  const size_t end = static_cast<size_t>(cursor_.Position());
  // Behind a cut inside a tab's fill lie more fill columns of that tab, and a tab behind the
  // cut gets other fill columns once its column changes: then the rest is mapped anew.
  const std::string_view kept = rest.substr(cut, mapped_ - cut);
  size_t from = 0;
  if ((end >= map_.size() || map_[end] != kColumnTabFill) &&
      kept.find('\t') == std::string_view::npos) {
    map_.erase(0, end);
    from = kept.size();
  } else {
    map_.clear();
  }
  rest.remove_prefix(cut);
  mapped_ = ExtendColumnMap(map_, rest, from, columns_);
  cursor_.Reset(rest, map_);
  cursor_.MoveTo(options_.WrapByte);
}

}  // namespace textstore
