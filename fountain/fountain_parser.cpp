// The parser's frame: construction, dispatch, continuation of carried kinds, brackets and
// reserved words. The scanning procedures are in fountain_scan.cpp, ParseRow in parse_row.cpp.
#include "fountain/fountain_parser.h"

#include "fountain/scan_support.h"
#include "platform/errors.h"

namespace fountain {

using scan::Byte;
using scan::IsLineEnd;

TFountainParser::TFountainParser(Key, TFountain* Fountain) : fountain_(Fountain) {
  if (Fountain == nullptr) {
    throw platform::Exception("TFountainParser.Create need instance of TFountain");
  }
}

void TFountainParser::NewData(const platform::ByteString& S,
                              const textstore::TRowAttributeData& Data) {
  Start(S.data(), Data);
}

void TFountainParser::NewData(const std::string& S, const textstore::TRowAttributeData& Data) {
  Start(S.c_str(), Data);
}

void TFountainParser::Start(const char* S, const textstore::TRowAttributeData& Data) {
  buffer_ = nextPos_ = tokenStart_ = cursor_ = S;
  token_ = toEof;
  continuing_ = false;
  drawBracketIndex_ = -2;
  rowKind_ = Data.RowKind;
  prevRowKind_ = Data.PrevRowKind;
  bracketIndex_ = Data.BracketIndex;
  reserved1_ = Data.Reserved1;
  remainLen_ = Data.RemainLen;
  reserved2_ = Data.Reserved2;
  pendingKind_ = Data.PendingKind;
  reserved3_ = Data.Reserved3;
  rowData_ = Data.RowData;
  mailMissStart_ = mailMissEnd_ = nullptr;
}

void TFountainParser::InitMethodTable() {
  methodTable_.fill(&TFountainParser::SymbolProc);
  SetMethod(0x00, &TFountainParser::NullProc);
  SetMethod(0x09, &TFountainParser::TabProc);
  SetMethod(0x0A, &TFountainParser::LFProc);
  SetMethod(0x0D, &TFountainParser::CRProc);
  for (int c = '0'; c <= '9'; ++c) SetMethod(c, &TFountainParser::NumberProc);
  for (int c = 'A'; c <= 'Z'; ++c) SetMethod(c, &TFountainParser::AnkProc);
  for (int c = 'a'; c <= 'z'; ++c) SetMethod(c, &TFountainParser::AnkProc);
  SetMethod('_', &TFountainParser::AnkProc);
  SetMethod(0x81, &TFountainParser::DbcsSymbolProc);
  for (int c = 0x84; c <= 0x87; ++c) SetMethod(c, &TFountainParser::DbcsSymbolProc);
  SetMethod(0x82, &TFountainParser::DbcsProc);
  SetMethod(0x83, &TFountainParser::DbcsProc);
  for (int c = 0x88; c <= 0x9F; ++c) SetMethod(c, &TFountainParser::KanjiProc);
  for (int c = 0xE0; c <= 0xFC; ++c) SetMethod(c, &TFountainParser::KanjiProc);
  for (int c = 0xA1; c <= 0xA5; ++c) SetMethod(c, &TFountainParser::KanaSymbolProc);
  for (int c = 0xA6; c <= 0xDF; ++c) SetMethod(c, &TFountainParser::KanaProc);

  tokenMethodTable_.fill(&TFountainParser::SymbolProc);
  SetTokenMethod(toInteger, &TFountainParser::NumberProc);
  SetTokenMethod(toFloat, &TFountainParser::NumberProc);
  SetTokenMethod(toBracket, &TFountainParser::BracketProc);
  SetTokenMethod(toComment, &TFountainParser::CommentProc);
  SetTokenMethod(toReserve, &TFountainParser::ReserveProc);
  SetTokenMethod(toAnk, &TFountainParser::AnkProc);
  SetTokenMethod(toDbcsSymbol, &TFountainParser::DbcsSymbolProc);
  for (std::uint8_t k = toDbcsDigit; k <= toKatakana; ++k) {
    SetTokenMethod(k, &TFountainParser::DbcsProc);
  }
  SetTokenMethod(toKanji, &TFountainParser::KanjiProc);
  SetTokenMethod(toKanaSymbol, &TFountainParser::KanaSymbolProc);
  SetTokenMethod(toKana, &TFountainParser::KanaProc);
  SetTokenMethod(toUrl, &TFountainParser::UrlProc);
  SetTokenMethod(toMail, &TFountainParser::MailProc);
  SetTokenMethod(toHex, &TFountainParser::HexProc);
  SetTokenMethod(toSingleQuote, &TFountainParser::SingleQuoteProc);
  SetTokenMethod(toDoubleQuote, &TFountainParser::DoubleQuoteProc);
}

std::uint8_t TFountainParser::NextToken() {
  SkipBlanks();
  cursor_ = tokenStart_ = nextPos_;
  continuing_ = pendingKind_ != 0;
  if (IsLineEnd(Byte(cursor_))) {
    token_ = toEof;
  } else if (pendingKind_ != 0) {
    ContinueProc();
  } else if (bracketIndex_ < 0) {
    DispatchProc();
  } else {
    BracketProc();  // the row starts inside an open bracket
  }
  nextPos_ = cursor_;
  return token_;
}

void TFountainParser::SkipBlanks() {
  for (unsigned char c = Byte(nextPos_); c != 0 && c != 0x09 && c <= 0x20; c = Byte(nextPos_)) {
    ++nextPos_;
  }
}

void TFountainParser::ContinueProc() {
  if (remainLen_ > 0) {
    token_ = pendingKind_;
    // The carried length is trusted only up to the end of the text.
    for (int n = remainLen_; n > 0 && !IsLineEnd(Byte(cursor_)); --n) ++cursor_;
    if (token_ == toBracket) {
      drawBracketIndex_ = bracketIndex_;
      bracketIndex_ = -1;  // the carried piece closes the bracket
    }
  } else {
    (this->*tokenMethodTable_[pendingKind_])();
  }
  pendingKind_ = 0;
  remainLen_ = 0;
}

void TFountainParser::DispatchProc() {
  if (bracketIndex_ == -1 && MatchLeftBracket()) {
    BracketProc();
  } else {
    CallMethod();
  }
}

// A pair without a right bracket could never close, so its left bracket is not matched.
bool TFountainParser::MatchLeftBracket() {
  if (fountain_ == nullptr) return false;
  const TFountainBracketCollection& brackets = fountain_->Brackets();
  for (int i = 0; i < brackets.Count(); ++i) {
    const TFountainBracketItem& item = brackets.Items(i);
    if (!item.RightBracket().empty() && scan::StartsWith(cursor_, item.LeftBracket())) {
      bracketIndex_ = i;
      cursor_ += item.LeftBracket().size();
      return true;
    }
  }
  return false;
}

void TFountainParser::BracketProc() {
  TFountainBracketItem* item = BracketItem(bracketIndex_);
  if (item == nullptr || item->RightBracket().empty()) {
    token_ = toEof;
    return;
  }
  token_ = toBracket;
  drawBracketIndex_ = bracketIndex_;
  std::string_view right = item->RightBracket().view();
  while (!IsLineEnd(Byte(cursor_))) {
    if (scan::StartsWith(cursor_, right)) {
      cursor_ += right.size();
      bracketIndex_ = -1;
      return;
    }
    cursor_ += scan::CharLength(cursor_);
  }
}

TFountainBracketItem* TFountainParser::BracketItem(int Index) const {
  if (fountain_ == nullptr || Index < 0 || Index >= fountain_->Brackets().Count()) {
    return nullptr;
  }
  return &fountain_->Brackets().Items(Index);
}

void TFountainParser::ReserveProc() {
  CallMethod();
  token_ = toReserve;
}

bool TFountainParser::IsReserveWord() {
  if (continuing_ || token_ == toEof || token_ == toBracket || token_ == toComment) return false;
  if (fountain_ == nullptr) return false;
  const platform::TStringList& words = fountain_->ReserveWordList();
  int index = 0;
  return words.Count() > 0 && words.Find(TokenView(), index);
}

void TFountainParser::AdjustKind(std::uint8_t& Kind) {
  if (IsReserveWord()) Kind = toReserve;
}

TTokenKinds TFountainParser::RescanKinds() const {
  TTokenKinds kinds;
  kinds.set(toComment).set(toSingleQuote).set(toDoubleQuote);
  return kinds;
}

TTokenKinds TFountainParser::LineEndKinds() const {
  TTokenKinds kinds;
  kinds.set(toComment);
  return kinds;
}

}  // namespace fountain
