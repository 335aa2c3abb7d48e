// The scanning procedures: each sets the token kind and moves Cursor past the token's bytes.
// None moves past a NUL, and the line-end checks come before every step.
#include "fountain/fountain_parser.h"
#include "fountain/scan_support.h"

namespace fountain {

using scan::Byte;
using scan::IsDigit;
using scan::IsLineEnd;

namespace {

constexpr bool InRange(unsigned char c, unsigned char low, unsigned char high) {
  return c >= low && c <= high;
}

// Valid second bytes of a double-byte character.
constexpr bool IsTrailByte(unsigned char c) {
  return InRange(c, 0x40, 0x7E) || InRange(c, 0x80, 0xFC);
}

// The double-byte symbols of lead 0x82 and 0x83 (those of 0x81 and 0x84-0x87 are all symbols).
constexpr bool IsDbcsSymbol82(unsigned char trail) {
  return InRange(trail, 0x40, 0x4E) || InRange(trail, 0x59, 0x5F) || InRange(trail, 0x7A, 0x80) ||
         InRange(trail, 0x9B, 0x9E) || InRange(trail, 0xF2, 0xFF);
}
constexpr bool IsDbcsSymbol83(unsigned char trail) {
  return InRange(trail, 0x97, 0xF0);
}

// The kind a double-byte character starts, or toEof for none.
std::uint8_t DbcsKindOf(unsigned char lead, unsigned char trail) {
  if (lead == 0x82) {
    if (InRange(trail, 0x4F, 0x58)) return toDbcsDigit;
    if (InRange(trail, 0x60, 0x79) || InRange(trail, 0x81, 0x9A)) return toDbcsAlpha;
    if (InRange(trail, 0x9F, 0xF1)) return toHiragana;
    if (IsDbcsSymbol82(trail)) return toDbcsSymbol;
  } else if (lead == 0x83) {
    if (InRange(trail, 0x40, 0x96)) return toKatakana;
    if (IsDbcsSymbol83(trail)) return toDbcsSymbol;
  }
  return toEof;
}

// True when the character at p goes on a run of Kind. Reads the second byte only after the
// first has matched a lead byte.
bool ContinuesRun(std::uint8_t Kind, const char* p) {
  unsigned char lead = Byte(p);
  if (lead < 0x81 || lead > 0x83) return false;
  unsigned char trail = Byte(p + 1);
  bool prolonged = lead == 0x81 && (trail == 0x5B || trail == 0x7C);  // "ー", "－"
  switch (Kind) {
    case toDbcsDigit:
      return (lead == 0x82 && InRange(trail, 0x4F, 0x58)) ||
             (lead == 0x81 && (trail == 0x43 || trail == 0x44));  // "，", "．"
    case toDbcsAlpha:
      return lead == 0x82 && (InRange(trail, 0x60, 0x79) || InRange(trail, 0x81, 0x9A));
    case toHiragana:
      return (lead == 0x82 && InRange(trail, 0x9F, 0xF1)) || prolonged;
    case toKatakana:
      return (lead == 0x83 && InRange(trail, 0x40, 0x96)) || prolonged;
    default:
      return false;
  }
}

bool IsAnk(unsigned char c) {
  return IsDigit(c) || InRange(c, 'A', 'Z') || InRange(c, 'a', 'z') || c == '_';
}

}  // namespace

void TFountainParser::NullProc() {
  token_ = toEof;
}

void TFountainParser::TabProc() {
  token_ = toTab;
  ++cursor_;
}

void TFountainParser::LFProc() {
  token_ = toEof;
  ++cursor_;
}

void TFountainParser::CRProc() {
  token_ = toEof;
  ++cursor_;
  if (*cursor_ == '\n') ++cursor_;
}

void TFountainParser::CommentProc() {
  token_ = toComment;
  while (!IsLineEnd(Byte(cursor_))) ++cursor_;
}

void TFountainParser::HexProc() {
  token_ = toHex;
  SkipWhile(scan::IsHexDigit);
}

void TFountainParser::AnkProc() {
  token_ = toAnk;
  SkipWhile(IsAnk);
}

void TFountainParser::SymbolProc() {
  token_ = toSymbol;
  if (!IsLineEnd(Byte(cursor_))) ++cursor_;
}

void TFountainParser::KanaSymbolProc() {
  token_ = toKanaSymbol;
  if (InRange(Byte(cursor_), 0xA1, 0xA5)) ++cursor_;
}

void TFountainParser::KanaProc() {
  token_ = toKana;
  while (InRange(Byte(cursor_), 0xA6, 0xDF)) ++cursor_;
}

void TFountainParser::KanjiProc() {
  token_ = toKanji;
  for (unsigned char c = Byte(cursor_); InRange(c, 0x88, 0x9F) || InRange(c, 0xE0, 0xFC);
       c = Byte(cursor_)) {
    ++cursor_;
    if (Byte(cursor_) >= 0x40) ++cursor_;
  }
}

void TFountainParser::NumberProc() {
  token_ = toInteger;
  SkipWhile(IsDigit);
  unsigned char c = Byte(cursor_);
  if (c == '.') {
    token_ = toFloat;
    unsigned char next = Byte(cursor_ + 1);
    if (IsDigit(next)) {
      ++cursor_;
      SkipWhile(IsDigit);
      if (Byte(cursor_) == 'E' || Byte(cursor_) == 'e') Exponent();
    } else if (next == 'E' || next == 'e') {
      ++cursor_;
      Exponent();
    }
    // Otherwise the point is not part of the number ("12." is "12" and ".").
  } else if (c == 'E' || c == 'e') {
    token_ = toFloat;
    Exponent();
  }
}

// At "E" or "e": the letter, then a sign and any digits, or digits. The letter is taken even
// when no digit follows.
void TFountainParser::Exponent() {
  ++cursor_;
  if (*cursor_ == '+' || *cursor_ == '-') ++cursor_;
  SkipWhile(IsDigit);
}

void TFountainParser::DbcsSymbolProc() {
  token_ = toDbcsSymbol;
  unsigned char lead = Byte(cursor_);
  if (IsLineEnd(lead)) return;
  unsigned char trail = Byte(cursor_ + 1);
  if (lead == 0x81 || InRange(lead, 0x84, 0x87) || (lead == 0x82 && IsDbcsSymbol82(trail)) ||
      (lead == 0x83 && IsDbcsSymbol83(trail))) {
    cursor_ += scan::CharLength(cursor_);
  }
}

// A run carried from the previous row goes on over whatever that run goes on over (so a row
// that starts with "ー" inside a hiragana run stays one run). A double-byte character of no
// kind is one symbol; a lead byte without a valid second byte is a one-byte symbol, so that no
// character is ever split and no byte after a broken one is swallowed.
void TFountainParser::DbcsProc() {
  if (IsLineEnd(Byte(cursor_))) {
    token_ = toDbcsSymbol;
    return;
  }
  std::uint8_t kind;
  if (continuing_ && ContinuesRun(pendingKind_, cursor_)) {
    kind = pendingKind_;
  } else {
    kind = DbcsKindOf(Byte(cursor_), Byte(cursor_ + 1));
  }
  if (kind == toEof) {
    token_ = toDbcsSymbol;
    bool pair = platform::cp932::IsLeadByte(Byte(cursor_)) && IsTrailByte(Byte(cursor_ + 1));
    cursor_ += pair ? 2 : 1;
    return;
  }
  token_ = kind;
  cursor_ += 2;
  if (kind == toDbcsSymbol) return;
  while (ContinuesRun(kind, cursor_)) cursor_ += 2;
}

void TFountainParser::SingleQuoteProc() {
  QuoteProc('\'', toSingleQuote);
}

void TFountainParser::DoubleQuoteProc() {
  QuoteProc('"', toDoubleQuote);
}

// A string carried from the previous row has no opening quote at the row start.
void TFountainParser::QuoteProc(char Quote, std::uint8_t Kind) {
  token_ = Kind;
  if (!continuing_) ++cursor_;
  ScanQuoted(Quote);
}

void TFountainParser::ScanQuoted(char Quote) {
  while (!IsLineEnd(Byte(cursor_))) {
    if (*cursor_ == Quote) {
      ++cursor_;
      if (*cursor_ != Quote) return;
      ++cursor_;  // a doubled quote stands for one quote inside the string
    } else {
      cursor_ += scan::CharLength(cursor_);
    }
  }
}

// An unbroken run of mail bytes, not starting with "@", in which a "." follows an "@".
bool TFountainParser::MatchMail() {
  unsigned char c = Byte(cursor_);
  if (!scan::MailChars.Contains(c) || c == '@') return false;
  if (cursor_ >= mailMissStart_ && cursor_ < mailMissEnd_) return false;
  bool at = false;
  for (const char* p = cursor_ + 1;; ++p) {
    c = Byte(p);
    if (!scan::MailChars.Contains(c)) {  // NUL, CR and LF are not mail bytes
      mailMissStart_ = cursor_;
      mailMissEnd_ = p;
      return false;
    }
    if (c == '@') {
      at = true;
    } else if (at && c == '.') {
      cursor_ = p + 1;
      return true;
    }
  }
}

void TFountainParser::MailProc() {
  token_ = toMail;
  SkipWhile([](unsigned char c) { return scan::MailChars.Contains(c); });
}

bool TFountainParser::MatchUrl() {
  auto opener = [this](std::string_view literal) {
    if (!scan::StartsWith(cursor_, literal)) return false;
    cursor_ += literal.size();
    return true;
  };
  switch (*cursor_) {
    case 'f':
      return opener("ftp:");
    case 'h':
      return opener("http:") || opener("https:");
    case 'w':
      return opener("www.");
    default:
      return false;
  }
}

void TFountainParser::UrlProc() {
  token_ = toUrl;
  SkipWhile([](unsigned char c) { return scan::UrlChars.Contains(c); });
}

}  // namespace fountain
