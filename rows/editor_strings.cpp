#include "rows/editor_strings.h"

#include "platform/errors.h"
#include "platform/update_guard.h"
#include "textstore/split_lines.h"

namespace rows {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool SameLines(const platform::TStrings& A, const platform::TStrings& B) {
  if (A.GetCount() != B.GetCount()) return false;
  for (int i = 0; i < A.GetCount(); ++i) {
    if (A.Get(i).view() != B.Get(i).view()) return false;
  }
  return true;
}

}  // namespace

int TEditorStrings::LineRow(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw platform::EListError();
  return Rows().FirstRowOfLine(Index);
}

void TEditorStrings::Edit(int Row, int N, std::string_view Text, int Caret) {
  control_.ClearSelection();
  TEditGuard edit(&control_);
  Rows().ReplaceRows(Row, N, Text);
  control_.SetCaretOffset(Row, Caret);
}

platform::ByteString TEditorStrings::Get(int Index) const {
  TEditorScreenStrings& rows = Rows();
  const int first = LineRow(Index);
  const int last = rows.LineEndRow(first);
  if (first == last) return rows.Get(first);
  std::string line = rows.RowsText(first, last - first + 1).Text;
  if (line.ends_with(kLineBreak)) line.resize(line.size() - kLineBreak.size());
  return platform::ByteString(line);
}

int TEditorStrings::GetCount() const {
  return Rows().LineCount();
}

std::string TEditorStrings::GetTextStr() const {
  return Rows().RowsText(0, Rows().Count()).Text;
}

void TEditorStrings::Put(int Index, const platform::ByteString& S) {
  TEditorScreenStrings& rows = Rows();
  const int first = LineRow(Index);
  const int last = rows.LineEndRow(first);
  std::string text(S.view());
  if (rows.RowKind(last) == textstore::rkLineEnd) text += kLineBreak;
  Edit(first, last - first + 1, text, static_cast<int>(text.size()));
}

void TEditorStrings::SetTextStr(std::string_view Text) { SetSharedText({}, Text); }

void TEditorStrings::SetSharedText(const platform::ByteString& Whole, std::string_view Text) {
  platform::UpdateGuard<TEditorStrings> bracket(*this);
  Rows().LoadText(Whole, Text);
}

int TEditorStrings::Add(const platform::ByteString& S) {
  TEditorScreenStrings& rows = Rows();
  const int index = GetCount();
  const int count = rows.Count();
  if (count > 0 && rows.RowKind(count - 1) != textstore::rkLineEnd) {
    std::string text(rows.Get(count - 1).view());
    text += kLineBreak;
    text += S.view();
    Edit(count - 1, 1, text, static_cast<int>(text.size()));
  } else {
    std::string text(S.view());
    text += kLineBreak;
    Edit(count, 0, text, static_cast<int>(text.size()));
  }
  return index;
}

void TEditorStrings::Clear() {
  Rows().Clear();
}

void TEditorStrings::Delete(int Index) {
  const int first = LineRow(Index);
  Edit(first, Rows().LineEndRow(first) - first + 1, {}, 0);
}

void TEditorStrings::Insert(int Index, const platform::ByteString& S) {
  const int first = Rows().FirstRowOfLine(Index);
  if (first == Rows().Count()) {
    Add(S);
    return;
  }
  std::string text(S.view());
  text += kLineBreak;
  Edit(first, 0, text, static_cast<int>(text.size()));
}

void TEditorStrings::LoadFromFile(const std::string& FileName) {
  platform::UpdateGuard<TEditorStrings> bracket(*this);
  Rows().LoadFromFile(FileName);
}

void TEditorStrings::Assign(const platform::TPersistent& Source) {
  const auto* strings = dynamic_cast<const platform::TStrings*>(&Source);
  if (strings == nullptr) {
    TStrings::Assign(Source);
    return;
  }
  SetTextStr(strings->GetTextStr());
  control_.SetCaretRow(Rows().Count());
  control_.SetCaretCol(0);
}

void TEditorStrings::SetUpdateState(bool Updating) {
  TEditorScreenStrings& rows = Rows();
  if (Updating) {
    control_.LinesUpdating(true);
    rows.BeginUpdate();
  } else {
    rows.EndUpdate();
    control_.LinesUpdating(false);
    rows.RefreshEditors();
  }
}

void TEditorStrings::DefineProperties(platform::TFiler& Filer) {
  const platform::TPersistent* ancestor = Filer.Ancestor();
  bool store = GetCount() > 0;
  if (ancestor != nullptr) {
    const auto* lines = dynamic_cast<const platform::TStrings*>(ancestor);
    store = lines == nullptr || !SameLines(*lines, *this);
  }
  Filer.DefineProperty(
      "Strings",
      [this](platform::TReader& reader) {
        TEditorScreenStrings& rows = Rows();
        platform::UpdateGuard<TEditorScreenStrings> bracket(rows);
        Clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) {
          // A string is one line: line-break bytes in it start further rows.
          const std::string line = reader.ReadString();
          if (line.find_first_of("\r\n") == std::string::npos) {
            rows.Add(line);
            continue;
          }
          textstore::LineReader pieces(line);
          for (std::string_view piece; pieces.Next(piece);) rows.Add(piece);
        }
        reader.ReadListEnd();
      },
      [this](platform::TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < GetCount(); ++i) writer.WriteString(Get(i));
        writer.WriteListEnd();
      },
      store);
}

}  // namespace rows
