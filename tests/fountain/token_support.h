#pragma once
// Helpers of the tokeniser tests: tokens as (kind, bytes) pairs, Shift_JIS text from UTF-8
// literals, row lists with row kinds, and the two scans the text view runs over rows (the
// row-state pass and the per-row scan of painting).

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "fountain/fountain.h"
#include "fountain/fountain_parser.h"
#include "fountain/token_kind.h"
#include "platform/cp932.h"
#include "textstore/row_attributes.h"

namespace fountain::testing {

struct Tok {
  std::uint8_t Kind;
  std::string Text;
  friend bool operator==(const Tok&, const Tok&) = default;
  friend void PrintTo(const Tok& t, std::ostream* os) {
    *os << "{" << int(t.Kind) << ", \"" << platform::cp932::ToUtf8(t.Text) << "\"}";
  }
};

// Shift_JIS bytes of a UTF-8 literal.
inline std::string J(const char* utf8) {
  return platform::cp932::FromUtf8(utf8);
}

// Every token of Text scanned from State, up to toEof.
inline std::vector<Tok> Scan(TFountainParser& parser, const std::string& text,
                             const textstore::TRowAttributeData& state = {}) {
  parser.NewData(text, state);
  std::vector<Tok> tokens;
  while (parser.NextToken() != toEof) tokens.push_back({parser.Token(), parser.TokenString()});
  return tokens;
}

inline std::vector<Tok> Scan(TFountain& fountain, const std::string& text) {
  auto parser = fountain.CreateParser();
  return Scan(*parser, text);
}

// Fills List with rows of the given kinds.
inline void SetRows(textstore::TRowAttributeStringList& list,
                    const std::vector<std::pair<std::string, textstore::TRowKind>>& rows) {
  list.Clear();
  for (const auto& [text, kind] : rows) list.SetRowKind(list.Add(text), kind);
}

// The state at the start of every row, computed in row order from the start-of-text state.
inline std::vector<textstore::TRowAttributeData> RowStates(
    TFountain& fountain, const textstore::TRowAttributeStringList& list) {
  auto parser = fountain.CreateParser();
  std::vector<textstore::TRowAttributeData> states;
  textstore::TRowAttributeData data;
  for (int i = 0; i < list.Count(); ++i) {
    data.RowKind = list.RowKind(i);
    states.push_back(data);
    parser->ParseRow(i, list, data);
    data.PrevRowKind = list.RowKind(i);
  }
  return states;
}

// The tokens that start in row Index, scanned from its state with the next row's text behind
// a wrapped row, as painting does. A token cut by the row end is whole.
inline std::vector<Tok> RowTokens(TFountain& fountain,
                                  const textstore::TRowAttributeStringList& list, int index,
                                  const textstore::TRowAttributeData& state) {
  auto parser = fountain.CreateParser();
  std::string text(list.Get(index).view());
  const int len = static_cast<int>(text.size());
  if (list.RowKind(index) == textstore::rkWrapped && index + 1 < list.Count()) {
    text += list.Get(index + 1).view();
  }
  parser->NewData(text, state);
  std::vector<Tok> tokens;
  while (parser->NextToken() != toEof && parser->SourcePos() < len) {
    tokens.push_back({parser->Token(), parser->TokenString()});
  }
  return tokens;
}

}  // namespace fountain::testing
