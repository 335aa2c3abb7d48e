// The token under a point or at the caret, for the application's pointer shape and its
// double-click on links. A token may run over several wrapped rows; it is scanned from the
// nearest row above whose stored state does not start inside a token, so a move over a very
// long wrapped line scans a few rows, not the whole line.
#include <algorithm>

#include "editor/editor.h"
#include "editor/editor_rows_host.h"
#include "fountain/fountain_parser.h"
#include "fountain/token_kind.h"

namespace editor {

std::optional<TEditor::TTokenHit> TEditor::TokenAtCell(int ARow, int ACol) {
  const int count = RowCount();
  if (ARow < 0 || ARow >= count || ACol < 0) return std::nullopt;
  const std::string map = RowColumnMap(ARow);
  if (ACol >= static_cast<int>(map.size())) return std::nullopt;
  if (map[static_cast<size_t>(ACol)] == textstore::kColumnTrail) --ACol;
  while (ACol > 0 && map[static_cast<size_t>(ACol)] == textstore::kColumnTabFill) --ACol;
  const int byte = ColToByte(ARow, ACol);

  rows::TEditorScreenStrings& rows = *screen_;
  if (rows.BracketIndex(ARow) == textstore::kBracketNotScanned) rows.RescanFrom(ARow, false);
  // Back to a row that starts outside any token, within the logical line.
  int first = ARow;
  while (first > 0 && rows.RowKind(first - 1) == textstore::rkWrapped && rows.PendingKind(first) != 0) {
    --first;
  }
  // On while the token may continue into the next wrapped row.
  int last = ARow;
  while (last + 1 < count && rows.RowKind(last) == textstore::rkWrapped &&
         rows.PendingKind(last + 1) != 0) {
    ++last;
  }
  std::string text;
  int offset = byte;
  for (int row = first; row <= last; ++row) {
    const std::string_view bytes = rows.Get(row).view();
    if (row < ARow) offset += static_cast<int>(bytes.size());
    text.append(bytes);
  }
  textstore::TRowAttributeData state = rows.RowState(first);
  state.BracketIndex = textstore::kBracketNotScanned;  // brackets play no part in a hit
  std::unique_ptr<fountain::TFountainParser> parser = ActiveFountain().CreateParser();
  parser->NewData(text, state);
  for (std::uint8_t kind = parser->NextToken(); kind != fountain::toEof; kind = parser->NextToken()) {
    if (parser->SourcePos() > offset) break;
    if (offset < parser->SourcePos() + parser->TokenLength()) {
      return TTokenHit{kind, parser->TokenString(), first, parser->SourcePos()};
    }
  }
  return std::nullopt;
}

std::optional<TEditor::TTokenHit> TEditor::TokenAtPoint(platform::TPoint P) {
  if (RowCount() == 0 || P.X < TextLeft() || P.Y < TextTop()) return std::nullopt;
  int row = 0, col = 0;
  PosToRowCol(P.X, P.Y, row, col, true);
  return TokenAtCell(row, col);
}

std::uint8_t TEditor::TokenFromPos(platform::TPoint P) {
  const std::optional<TTokenHit> hit = TokenAtPoint(P);
  return hit ? hit->Kind : std::uint8_t{fountain::toEof};
}

std::uint8_t TEditor::TokenFromCaret() { return TokenFromPos(CaretPos()); }

std::uint8_t TEditor::TokenStringFromPos(platform::TPoint P, std::string& S) {
  const std::optional<TTokenHit> hit = TokenAtPoint(P);
  S = hit ? hit->Text : std::string();
  return hit ? hit->Kind : std::uint8_t{fountain::toEof};
}

std::uint8_t TEditor::TokenStringFromCaret(std::string& S) { return TokenStringFromPos(CaretPos(), S); }

bool TEditor::SelectTokenFromPos(platform::TPoint P) {
  const std::optional<TTokenHit> hit = TokenAtPoint(P);
  if (!hit) return false;
  ClearSelection();
  rowsHost_->SetCaretOffset(hit->Row, hit->Start);
  SetSelLength(static_cast<int>(hit->Text.size()));
  return true;
}

bool TEditor::SelectTokenFromCaret() { return SelectTokenFromPos(CaretPos()); }

}  // namespace editor
