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

// A view without a window: it scans every row at once and ignores screen requests.
class DumpHost : public rows::TEditorHost {
 public:
  explicit DumpHost(rows::TEditorScreenStrings* rows) : rows_(rows) {
    fountain_->SetUrl(true);
    fountain_->SetMail(true);
    rows_->AttachEditor(this);
  }
  DumpHost(const DumpHost&) = delete;
  DumpHost& operator=(const DumpHost&) = delete;
  ~DumpHost() override { rows_->DetachEditor(this); }  // frees the row list

  rows::TEditorScreenStrings& ScreenStrings() override { return *rows_; }
  bool Loading() const override { return false; }
  bool Destroying() const override { return false; }
  bool Focused() const override { return true; }
  int RowHeight() const override { return 16; }
  int ScreenHeight() const override { return 16 * 40; }
  int TopRow() const override { return 0; }
  int CaretRow() const override { return 0; }
  int CaretCol() const override { return 0; }
  bool InitBracketsFull() const override { return true; }
  fountain::TFountain* ActiveFountain() const override { return fountain_.get(); }
  int TabSpaceCount() const override { return 8; }
  const textstore::ByteSet& WordDelimiters() const override { return delimiters_; }
  void ClearSelection() override {}
  void BeginEdit() override {}
  void EndEdit() override {}
  void SetCaretOffset(int, int) override {}
  void SetCaretRow(int) override {}
  void SetCaretCol(int) override {}
  void SetTopRow(int) override {}
  void RefreshScreen() override {}
  void RowsChanged() override {}
  void RowStateChanged(int) override {}
  void LinesUpdating(bool) override {}

 private:
  rows::TEditorScreenStrings* rows_;
  textstore::ByteSet delimiters_ = textstore::DefaultWordDelimiters();
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
  auto* rows = rows::NewScreenStrings();
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
    textstore::TRowAttributeData state;
    state.RowKind = rows->RowKind(row);
    state.PrevRowKind = rows->PrevRowKind(row);
    state.BracketIndex = rows->BracketIndex(row);
    state.Reserved1 = rows->Reserved1(row);
    state.RemainLen = rows->RemainLen(row);
    state.Reserved2 = rows->Reserved2(row);
    state.PendingKind = static_cast<std::uint8_t>(rows->PendingKind(row));
    state.Reserved3 = static_cast<std::uint8_t>(rows->Reserved3(row));
    state.RowData = rows->RowData(row);
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
