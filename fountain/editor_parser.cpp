#include "fountain/editor_parser.h"

#include "fountain/scan_support.h"

namespace fountain {

TEditorParser::TEditorParser(Key key, TFountain* Fountain)
    : TFountainParser(key, Fountain), editorFountain_(dynamic_cast<TEditorFountain*>(Fountain)) {}

void TEditorParser::InitMethodTable() {
  TFountainParser::InitMethodTable();
  SetTokenMethod(toQuotation, static_cast<TProc>(&TEditorParser::QuotationProc));
  SetTokenMethod(toCharCode, static_cast<TProc>(&TEditorParser::CharCodeProc));
  SetTokenMethod(toHexCharCode, static_cast<TProc>(&TEditorParser::HexCharCodeProc));
}

void TEditorParser::DispatchProc() {
  const TEditorFountain* f = editorFountain_;
  if (BracketIndex() == -1 && MatchLeftBracket()) {
    BracketProc();
  } else if (f != nullptr && f->Mail() && MatchMail()) {
    MailProc();
  } else if (f != nullptr && f->Url() && MatchUrl()) {
    UrlProc();
  } else if (MatchCommenter()) {
    CommentProc();
  } else if (MatchQuotation()) {
    QuotationProc();
  } else if (MatchHexCharCode()) {
    HexCharCodeProc();
  } else if (MatchCharCode()) {
    CharCodeProc();
  } else if (MatchHexPrefix()) {
    HexProc();
  } else {
    CallMethod();
  }
}

TTokenKinds TEditorParser::RescanKinds() const {
  return TFountainParser::RescanKinds().set(toQuotation);
}

bool TEditorParser::Skip(std::string_view Literal) {
  if (!scan::StartsWith(Cursor(), Literal)) return false;
  SetCursor(Cursor() + Literal.size());
  return true;
}

bool TEditorParser::MatchQuotation() {
  if (editorFountain_ == nullptr || editorFountain_->Quotation().empty()) return false;
  if (*Cursor() != editorFountain_->Quotation().data()[0]) return false;
  SetCursor(Cursor() + 1);
  return true;
}

void TEditorParser::QuotationProc() {
  if (editorFountain_ == nullptr || editorFountain_->Quotation().empty()) {
    SetToken(toEof);
    return;
  }
  SetToken(toQuotation);
  ScanQuoted(editorFountain_->Quotation().data()[0]);
}

bool TEditorParser::MatchCommenter() {
  return editorFountain_ != nullptr && Skip(editorFountain_->Commenter());
}

bool TEditorParser::MatchHexPrefix() {
  if (editorFountain_ == nullptr) return false;
  std::string_view prefix = editorFountain_->HexPrefix();
  if (!scan::StartsWithIgnoreCase(Cursor(), prefix)) return false;
  SetCursor(Cursor() + prefix.size());
  return true;
}

bool TEditorParser::MatchHexCharCode() {
  return editorFountain_ != nullptr && editorFountain_->ControlCode() && Skip("#$");
}

void TEditorParser::HexCharCodeProc() {
  SetToken(toHexCharCode);
  SkipWhile(scan::IsHexDigit);
}

bool TEditorParser::MatchCharCode() {
  return editorFountain_ != nullptr && editorFountain_->ControlCode() && Skip("#");
}

void TEditorParser::CharCodeProc() {
  SetToken(toCharCode);
  SkipWhile(scan::IsDigit);
}

TFountainColor* TEditorParser::TokenToFountainColor() {
  if (editorFountain_ == nullptr) return nullptr;
  TEditorColors& colors = editorFountain_->Colors();
  if (IsReserveWord()) return &colors.Reserve();
  switch (Token()) {
    case toSymbol:
      return &colors.Symbol();
    case toInteger:
    case toFloat:
    case toHex:
      return &colors.Int();
    case toBracket: {
      TFountainBracketItem* item = BracketItem(DrawBracketIndex());
      return item != nullptr ? &item->ItemColor() : nullptr;
    }
    case toComment:
      return &colors.Comment();
    case toReserve:
      return &colors.Reserve();
    case toAnk:
      return &colors.Ank();
    case toDbcsSymbol:
    case toDbcsDigit:
    case toDbcsAlpha:
    case toHiragana:
    case toKatakana:
    case toKanji:
    case toKanaSymbol:
    case toKana:
      return &colors.DBCS();
    case toUrl:
      return &colors.Url();
    case toMail:
      return &colors.Mail();
    case toQuotation:
    case toCharCode:
    case toHexCharCode:
      return &colors.Str();
    default:
      return nullptr;
  }
}

}  // namespace fountain
