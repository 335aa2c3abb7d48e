#pragma once
// A parser without a fountain, for splitting a row into tokens when no colouring is wanted.
// Its users scan with BracketIndex −2 (brackets off) and never ask for reserved words or row
// states, which need a fountain.

#include "fountain/fountain_parser.h"

namespace fountain {

class TTokenParser : public TFountainParser {
 public:
  explicit TTokenParser(Key key) : TFountainParser(key) {}

  // No colour sets: always nullptr.
  TFountainColor* TokenToFountainColor() override { return nullptr; }
};

}  // namespace fountain
