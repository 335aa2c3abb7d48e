#include "tests/fuzz/fuzz_parser.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "fountain/editor_fountain.h"
#include "fountain/fountain_parser.h"
#include "fountain/token_parser.h"
#include "platform/byte_string.h"
#include "platform/cp932.h"
#include "textstore/row_attributes.h"

namespace quillet::fuzz {

namespace {

using fountain::TFountainParser;

// Reads configuration bytes from the front of the input; zeros once it is used up.
class TInput {
 public:
  TInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // Up to `max` bytes as a string.
  std::string Bytes(std::size_t max) {
    std::size_t n = std::min<std::size_t>(Byte() % (max + 1), size_ - std::min(pos_, size_));
    std::string s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }
  std::string_view Rest() const {
    return pos_ < size_ ? std::string_view(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_)
                        : std::string_view();
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Scans Text (exactly allocated, so that a read past its NUL is caught) from State and checks
// that the tokens follow each other inside the text and that the scan ends.
void ScanChecked(TFountainParser& parser, const platform::ByteString& text,
                 const textstore::TRowAttributeData& state, bool colours) {
  const int length = static_cast<int>(std::strlen(text.data()));
  parser.NewData(text, state);
  int end = 0;
  for (int tokens = 0; parser.NextToken() != fountain::toEof; ++tokens) {
    if (tokens > length + 1) std::abort();  // no progress
    if (parser.SourcePos() < end || parser.TokenLength() < 0) std::abort();
    end = parser.SourcePos() + parser.TokenLength();
    if (end > length) std::abort();
    if (colours) {
      parser.TokenToFountainColor();
      parser.IsReserveWord();
    }
  }
}

}  // namespace

void ParseBytes(const std::uint8_t* data, std::size_t size) {
  TInput input(data, size);
  auto f = platform::NewComponent<fountain::TEditorFountain>(nullptr);
  std::uint8_t flags = input.Byte();
  f->SetMail(flags & 1);
  f->SetUrl(flags & 2);
  f->SetControlCode(flags & 4);
  if (flags & 8) f->SetCommenter(input.Bytes(3));
  if (flags & 16) f->SetQuotation(input.Bytes(2));
  if (flags & 32) f->SetHexPrefix(input.Bytes(3));
  for (int pairs = input.Byte() % 4; pairs > 0; --pairs) {
    fountain::TFountainBracketItem& item = f->Brackets().Add();
    item.SetLeftBracket(input.Bytes(3));
    item.SetRightBracket(input.Bytes(3));
  }
  for (int words = input.Byte() % 3; words > 0; --words) f->ReserveWordList().Add(input.Bytes(6));
  textstore::TRowAttributeData state;
  state.BracketIndex = input.Byte() % 18 - 2;  // also indexes of pairs that do not exist
  state.PendingKind = input.Byte() % 32;
  state.RemainLen = input.Byte();
  const int width = 1 + input.Byte() % 100;
  const std::string_view text = input.Rest();

  // The whole text from the arbitrary state, with every recogniser and without a fountain.
  auto parser = f->CreateParser();
  ScanChecked(*parser, platform::ByteString(text), state, true);
  auto plain = fountain::NewParser<fountain::TTokenParser>();
  textstore::TRowAttributeData off = state;
  off.BracketIndex = -2;
  ScanChecked(*plain, platform::ByteString(text), off, false);

  // Lines cut into rows of `width` bytes at character boundaries, as the wrap does.
  textstore::TEditorStringList rows;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t lineEnd = std::min(text.find_first_of("\r\n", start), text.size());
    std::size_t rowStart = start;
    do {
      std::size_t rowEnd = rowStart;
      while (rowEnd < lineEnd && rowEnd - rowStart < static_cast<std::size_t>(width)) {
        rowEnd += platform::cp932::IsLeadByte(static_cast<unsigned char>(text[rowEnd])) ? 2 : 1;
      }
      rowEnd = std::min(rowEnd, lineEnd);
      int row = rows.Add(text.substr(rowStart, rowEnd - rowStart));
      rows.SetRowKind(row, rowEnd < lineEnd ? textstore::rkWrapped : textstore::rkLineEnd);
      rowStart = rowEnd;
    } while (rowStart < lineEnd);
    start = lineEnd + 1;
  }
  rows.SetRowKind(rows.Count() - 1, textstore::rkTextEnd);

  // Row states, each checked against what the row store can hold, then every row scanned
  // from its state with the next row behind it, as painting does.
  textstore::TRowAttributeData next;
  for (int i = 0; i < rows.Count(); ++i) {
    next.RowKind = rows.RowKind(i);
    textstore::TRowAttributeData rowState = next;
    parser->ParseRow(i, rows, next);
    next.PrevRowKind = rows.RowKind(i);
    if (next.BracketIndex < -1 || next.BracketIndex >= f->Brackets().Count()) std::abort();
    if (next.RemainLen < 0 || next.PendingKind > fountain::toHexCharCode) std::abort();
    if (i + 1 < rows.Count() && next.RemainLen > static_cast<int>(rows.Get(i + 1).size())) {
      std::abort();
    }
    std::string joined(rows.Get(i).view());
    if (rows.RowKind(i) == textstore::rkWrapped && i + 1 < rows.Count()) {
      joined += rows.Get(i + 1).view();
    }
    ScanChecked(*parser, platform::ByteString(joined), rowState, true);
  }
  f->HasItalic(*f);
}

}  // namespace quillet::fuzz
