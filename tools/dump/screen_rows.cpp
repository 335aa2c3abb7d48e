#include "tools/dump/screen_rows.h"

#include "fountain/editor_fountain.h"
#include "fountain/fountain_parser.h"
#include "platform/component.h"
#include "rows/editor_host.h"
#include "rows/screen_strings.h"
#include "textstore/wrap_option.h"
#include "tools/dump/layout.h"

namespace dump {
namespace {

// A view without a window that scans every row at once with the viewer's fountain.
class DumpHost : public rows::TNullEditorHost {
 public:
  explicit DumpHost(std::shared_ptr<rows::TEditorScreenStrings> rows)
      : TNullEditorHost(std::move(rows)) {
    fountain_->SetUrl(true);
    fountain_->SetMail(true);
  }
  bool Focused() const override { return true; }
  fountain::TFountain* ActiveFountain() const override { return fountain_.get(); }

 private:
  std::unique_ptr<fountain::TEditorFountain> fountain_ =
      platform::NewComponent<fountain::TEditorFountain>(nullptr);
};

void ApplyWrap(rows::TEditorScreenStrings& rows, const textstore::TWrapSettings& s) {
  textstore::TEditorWrapOption& option = rows.WrapOption();
  option.SetFollowRetMark(s.FollowRetMark);
  option.SetFollowPunctuation(s.FollowPunctuation);
  option.SetLeading(s.Leading);
  option.SetWordBreak(s.WordBreak);
  option.SetWrapByte(s.WrapByte);
  rows.SetWordWrap(true);
}

}  // namespace

void AddScreenRows(Report& report, std::string_view viewText,
                   const std::optional<textstore::TWrapSettings>& wrap) {
  std::shared_ptr<rows::TEditorScreenStrings> rows = rows::NewScreenStrings();
  DumpHost host(rows);
  if (wrap) ApplyWrap(*rows, *wrap);
  rows->LoadText(viewText);

  fountain::TFountain* fountain = host.ActiveFountain();
  std::unique_ptr<fountain::TFountainParser> parser = fountain->CreateParser();
  report.BeginObject("screen");
  report.Text("wordWrap", wrap ? "on" : "off");
  if (wrap) report.Number("wrapByte", rows->WrapOption().WrapByte());
  report.Number("lines", rows->LineCount());
  report.Number("rows", rows->GetCount());
  report.BeginList("rows");
  for (int row = 0; row < rows->GetCount(); ++row) {
    const textstore::TRowAttributeData state = rows->RowState(row);
    platform::ByteString text = rows->Get(row);

    report.BeginObject();
    report.BeginRecord();
    report.Number("row", row);
    report.Number("line", rows->RowToLine(row) + 1);
    report.Text("kind", RowKindName(rows->RowKind(row)));
    report.Number("marks", rows->RowMarks(row));
    report.Text("prevKind", RowKindName(state.PrevRowKind));
    report.Number("bracket", state.BracketIndex);
    report.Number("remain", state.RemainLen);
    report.Number("pending", state.PendingKind);
    report.Bytes("rowData", state.RowData.view());
    report.Bytes("text", text.view());
    report.End();
    report.BeginList("tokens");
    if (state.BracketIndex != textstore::kBracketNotScanned) AddRowTokens(report, *parser, text, state);
    report.End();
    report.End();
  }
  report.End();
  report.End();
}

}  // namespace dump
