#pragma once
// The tokeniser. A parser scans one NUL-terminated string at a time, token by token, choosing
// each token's procedure by one look-up in a 256-entry table, and allocates nothing per token.
// ParseRow carries the scan state from one screen row to the next, so that every row can be
// tokenised on its own from the state stored with it.

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "fountain/fountain.h"
#include "fountain/token_kind.h"
#include "textstore/row_attributes.h"

namespace fountain {

// A set of token kinds.
using TTokenKinds = std::bitset<256>;

class TFountainParser {
 protected:
  // Only NewParser can make one, so that InitMethodTable always runs on the finished object.
  class Key {
    Key() = default;
    template <typename T, typename... Args>
    friend std::unique_ptr<T> NewParser(Args&&... args);
  };

 public:
  // Raises platform::Exception "TFountainParser.Create need instance of TFountain" when
  // Fountain is nullptr. The fountain is not owned; it must outlive the parser.
  TFountainParser(Key, TFountain* Fountain);
  TFountainParser(const TFountainParser&) = delete;
  TFountainParser& operator=(const TFountainParser&) = delete;
  virtual ~TFountainParser() = default;

  // Starts a scan of S from the row state Data. S must stay alive and unchanged for the whole
  // scan, so temporaries are refused.
  void NewData(const platform::ByteString& S, const textstore::TRowAttributeData& Data);
  void NewData(const std::string& S, const textstore::TRowAttributeData& Data);
  void NewData(platform::ByteString&&, const textstore::TRowAttributeData&) = delete;
  void NewData(std::string&&, const textstore::TRowAttributeData&) = delete;

  // Scans the next token and returns its kind; toEof when none is left.
  virtual std::uint8_t NextToken();
  // Data holds the state at the start of row Index of List (its RowKind is that row's kind);
  // it becomes the state at the start of row Index + 1. Reads at most row Index + 1.
  virtual void ParseRow(int Index, const textstore::TRowAttributeStringList& List,
                        textstore::TRowAttributeData& Data);
  // The colour set of the current token, or nullptr for the view's defaults.
  virtual TFountainColor* TokenToFountainColor() = 0;
  // True when the current token is in the fountain's reserved-word list (never for a carried
  // token, an end, a bracket or a comment).
  virtual bool IsReserveWord();

  // 0-based byte offset of the current token, its length and its bytes.
  int SourcePos() const { return static_cast<int>(tokenStart_ - buffer_); }
  int TokenLength() const { return static_cast<int>(nextPos_ - tokenStart_); }
  std::string_view TokenView() const { return {tokenStart_, nextPos_}; }
  std::string TokenString() const { return std::string(TokenView()); }
  std::uint8_t Token() const { return token_; }
  // The bracket item of the current bracket token; −2 when none was scanned.
  int DrawBracketIndex() const { return drawBracketIndex_; }
  // −1 outside brackets, −2 bracket matching off, else the open bracket item.
  int BracketIndex() const { return bracketIndex_; }
  TFountain* Fountain() const { return fountain_; }

  // The row state as NewData took it; ParseRow hands Reserved1 and Reserved3 on to the next
  // row. No parser of this system changes the reserved values or RowData: they are there for
  // descendants that keep state of their own per row.
  std::uint8_t RowKind() const { return rowKind_; }
  std::uint8_t PrevRowKind() const { return prevRowKind_; }
  int Reserved1() const { return reserved1_; }
  int Reserved2() const { return reserved2_; }
  std::uint8_t Reserved3() const { return reserved3_; }
  const platform::ByteString& RowData() const { return rowData_; }

 protected:
  using TProc = void (TFountainParser::*)();

  // A parser that needs no fountain (it must scan with BracketIndex −2).
  explicit TFountainParser(Key) {}

  // Fills both tables; descendants call it first and then replace entries.
  virtual void InitMethodTable();
  virtual void SkipBlanks();
  virtual bool MatchLeftBracket();
  virtual void BracketProc();
  virtual bool MatchMail();
  virtual void MailProc();
  virtual bool MatchUrl();
  virtual void UrlProc();
  virtual void ReserveProc();
  virtual void NullProc();
  virtual void TabProc();
  virtual void LFProc();
  virtual void CRProc();
  virtual void CommentProc();
  virtual void HexProc();
  virtual void NumberProc();
  virtual void AnkProc();
  virtual void DbcsSymbolProc();
  virtual void DbcsProc();
  virtual void KanjiProc();
  virtual void KanaSymbolProc();
  virtual void KanaProc();
  virtual void SymbolProc();
  virtual void SingleQuoteProc();
  virtual void DoubleQuoteProc();
  virtual void ContinueProc();
  virtual void DispatchProc();
  virtual void AdjustKind(std::uint8_t& Kind);
  // Carried kinds that the next row scans on in rather than taking a counted remainder.
  virtual TTokenKinds RescanKinds() const;
  // Carried kinds that cover the rest of the logical line without scanning.
  virtual TTokenKinds LineEndKinds() const;

  void SetMethod(unsigned char Byte, TProc Proc) { methodTable_[Byte] = Proc; }
  void SetTokenMethod(std::uint8_t Kind, TProc Proc) { tokenMethodTable_[Kind] = Proc; }
  // Runs the procedure of the byte at Cursor.
  void CallMethod() { (this->*methodTable_[static_cast<unsigned char>(*cursor_)])(); }

  const char* Cursor() const { return cursor_; }
  void SetCursor(const char* Value) { cursor_ = Value; }
  void SetToken(std::uint8_t Kind) { token_ = Kind; }
  // Moves Cursor over the bytes that Accept takes (it must refuse NUL).
  template <typename Test>
  void SkipWhile(Test Accept) {
    while (Accept(static_cast<unsigned char>(*cursor_))) ++cursor_;
  }
  bool Continuing() const { return continuing_; }
  void SetReserved1(int Value) { reserved1_ = Value; }
  void SetReserved3(std::uint8_t Value) { reserved3_ = Value; }
  // Scans a string body from Cursor up to and including the closing Quote; a doubled quote is
  // part of the string. Stops before NUL, CR or LF when the string is not closed.
  void ScanQuoted(char Quote);
  // The bracket item Index of the fountain, or nullptr when there is no such item.
  TFountainBracketItem* BracketItem(int Index) const;

 private:
  template <typename T, typename... Args>
  friend std::unique_ptr<T> NewParser(Args&&... args);

  void Start(const char* S, const textstore::TRowAttributeData& Data);
  void QuoteProc(char Quote, std::uint8_t Kind);
  void Exponent();

  const char* buffer_ = "";
  int bracketIndex_ = -1;
  platform::ByteString rowData_;
  int drawBracketIndex_ = -2;
  int reserved1_ = 0;
  TFountain* fountain_ = nullptr;
  bool continuing_ = false;
  std::array<TProc, 256> methodTable_{};
  const char* cursor_ = buffer_;
  std::uint8_t prevRowKind_ = 0;
  std::uint8_t reserved3_ = 0;
  int reserved2_ = 0;
  std::uint8_t rowKind_ = 0;
  const char* nextPos_ = buffer_;
  std::uint8_t pendingKind_ = 0;
  std::uint8_t token_ = toEof;
  std::array<TProc, 256> tokenMethodTable_{};
  const char* tokenStart_ = buffer_;
  int remainLen_ = 0;
  // A run of mail bytes already walked without finding an address: no token start inside it
  // can find one either, so long runs are walked once, not once per token.
  const char* mailMissStart_ = nullptr;
  const char* mailMissEnd_ = nullptr;
  // ParseRow's row text with its look-ahead row, kept to reuse its memory.
  std::string rowText_;
};

// Makes a parser of class T: its constructor, then InitMethodTable.
template <typename T, typename... Args>
std::unique_ptr<T> NewParser(Args&&... args) {
  std::unique_ptr<T> parser(new T(typename T::Key(), std::forward<Args>(args)...));
  static_cast<TFountainParser&>(*parser).InitMethodTable();
  return parser;
}

// The parser class of T, as fountains hand it out (GetParserClass).
template <typename T>
constexpr TFountainParserClass ParserClass =
    [](TFountain& Fountain) -> std::unique_ptr<TFountainParser> {
  return NewParser<T>(&Fountain);
};

}  // namespace fountain
