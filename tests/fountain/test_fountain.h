#pragma once
// A fountain whose parser is the base tokeniser with the two quote characters mapped to the
// quote procedures, as a descendant would map them.

#include "fountain/fountain.h"
#include "fountain/fountain_parser.h"

namespace fountain::testing {

class TQuoteParser : public TFountainParser {
 public:
  TQuoteParser(Key key, TFountain* Fountain) : TFountainParser(key, Fountain) {}
  TFountainColor* TokenToFountainColor() override { return nullptr; }

 protected:
  void InitMethodTable() override {
    TFountainParser::InitMethodTable();
    SetMethod('\'', &TQuoteParser::SingleQuoteProc);
    SetMethod('"', &TQuoteParser::DoubleQuoteProc);
  }
};

class TQuoteFountain : public TFountain {
 public:
  using TFountain::TFountain;

 protected:
  TFountainParserClass GetParserClass() const override { return ParserClass<TQuoteParser>; }
};

// Adds a bracket pair to Fountain.
inline void AddBracket(TFountain& fountain, const char* left, const char* right) {
  TFountainBracketItem& item = fountain.Brackets().Add();
  item.SetLeftBracket(left);
  item.SetRightBracket(right);
}

}  // namespace fountain::testing
