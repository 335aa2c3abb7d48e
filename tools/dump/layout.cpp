#include "tools/dump/layout.h"

#include "fountain/editor_fountain.h"
#include "fountain/fountain_parser.h"
#include "fountain/token_kind.h"
#include "platform/component.h"
#include "textstore/row_attributes.h"
#include "textstore/split_lines.h"

namespace dump {
namespace {

const char* TokenKindName(std::uint8_t kind) {
  static const char* const kNames[] = {
      "toEof",        "toSymbol",      "2",          "toInteger",     "toFloat",
      "5",            "toBracket",     "toComment",  "toReserve",     "toTab",
      "10",           "toAnk",         "toDbcsSymbol", "13",          "toDbcsDigit",
      "toDbcsAlpha",  "toHiragana",    "toKatakana", "toKanji",       "toKanaSymbol",
      "toKana",       "toUrl",         "toMail",     "toHex",         "toSingleQuote",
      "toDoubleQuote", "toQuotation",  "toCharCode", "toHexCharCode",
  };
  return kind < std::size(kNames) ? kNames[kind] : "?";
}

}  // namespace

const char* RowKindName(textstore::TRowKind kind) {
  switch (kind) {
    case textstore::rkLineEnd:
      return "rkLineEnd";
    case textstore::rkWrapped:
      return "rkWrapped";
    case textstore::rkTextEnd:
      return "rkTextEnd";
    case textstore::rkNone:
      break;
  }
  return "rkNone";
}

void AddRowTokens(Report& report, fountain::TFountainParser& parser,
                  const platform::ByteString& text, const textstore::TRowAttributeData& state) {
  parser.NewData(text, state);
  for (std::uint8_t kind = parser.NextToken(); kind != fountain::toEof;
       kind = parser.NextToken()) {
    report.BeginRecord();
    report.Number("kind", kind);
    report.Text("name", TokenKindName(kind));
    report.Number("offset", parser.SourcePos());
    report.Number("length", parser.TokenLength());
    report.Bytes("text", parser.TokenView());
    report.End();
  }
}

void AddTokens(Report& report, std::string_view viewText) {
  // The viewer's fountain: URLs and mail addresses recognised, nothing else switched on.
  auto fountain = platform::NewComponent<fountain::TEditorFountain>(nullptr);
  fountain->SetUrl(true);
  fountain->SetMail(true);
  std::unique_ptr<fountain::TFountainParser> parser = fountain->CreateParser();

  textstore::TEditorStringList rows;
  for (const std::string& line : textstore::SplitLines(viewText)) rows.Add(line);
  textstore::TRowAttributeData state;  // the start of the text
  report.BeginList("tokens");
  for (int row = 0; row < rows.GetCount(); ++row) {
    state.RowKind = rows.RowKind(row);
    platform::ByteString text = rows.Get(row);
    report.BeginObject();
    report.Number("line", row + 1);
    report.BeginList("tokens");
    AddRowTokens(report, *parser, text, state);
    report.End();
    report.End();
    parser->ParseRow(row, rows, state);
    state.PrevRowKind = rows.RowKind(row);
  }
  report.End();
}

void AddRows(Report& report, std::string_view viewText, const textstore::TWrapSettings& settings) {
  textstore::TLineWrapper wrapper;
  wrapper.SetOptions(settings);
  wrapper.SetWordWrap(true);
  report.Number("wrapByte", wrapper.Options().WrapByte);
  report.BeginList("rows");
  int index = 0;
  for (const std::string& line : textstore::SplitLines(viewText)) {
    textstore::TEditorStringList rows;
    wrapper.WrapLines(line, rows);
    for (int i = 0; i < rows.GetCount(); ++i, ++index) {
      report.BeginRecord();
      report.Number("row", index);
      report.Text("kind", RowKindName(rows.RowKind(i)));
      report.Number("bytes", static_cast<long long>(rows.Get(i).size()));
      report.Bytes("text", rows.Get(i).view());
      report.End();
    }
  }
  report.End();
}

}  // namespace dump
