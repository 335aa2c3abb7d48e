#pragma once
// What the text view makes of the view text: the tokens of every line as the editor fountain
// scans it with the viewer's settings, and the screen rows the wrap routine cuts.

#include <string_view>

#include "fountain/fountain_parser.h"
#include "textstore/row_attributes.h"
#include "textstore/wrap.h"
#include "tools/dump/report.h"

namespace dump {

const char* RowKindName(textstore::TRowKind kind);

// The tokens of `text` scanned from `state`, one record each (kind, name, offset, length,
// bytes). `text` must outlive the call.
void AddRowTokens(Report& report, fountain::TFountainParser& parser,
                  const platform::ByteString& text, const textstore::TRowAttributeData& state);

// Tokens of every line, each scanned from the state the line before it left.
void AddTokens(Report& report, std::string_view viewText);

// The rows of every line with their kinds, cut with `settings` (word wrap on).
void AddRows(Report& report, std::string_view viewText, const textstore::TWrapSettings& settings);

}  // namespace dump
