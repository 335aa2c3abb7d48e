// The selection: anchored at one place and extended to the caret, as a stream of bytes or a box
// of columns; its start, length and text in the control's counting (a line end two bytes, a
// wrap none), and the row selection of the left margin.
#include <algorithm>

#include "editor/editor.h"
#include "textstore/column_map.h"

namespace editor {
namespace {

int LineEndBytes(textstore::TRowKind kind) { return kind == textstore::rkLineEnd ? 2 : 0; }

// What a row counts when an offset walks the rows: a text end counts one more than its bytes.
int WalkBytes(textstore::TRowKind kind) {
  return kind == textstore::rkLineEnd ? 2 : kind == textstore::rkTextEnd ? 1 : 0;
}

}  // namespace

// --- Bytes and columns -----------------------------------------------------------------------

int TEditor::ColToByte(int ARow, int ACol) const {
  if (ARow < 0 || ARow >= RowCount()) return 0;
  const std::string map = RowColumnMap(ARow);
  const int fills = static_cast<int>(std::count(
      map.begin(), map.begin() + std::min<std::ptrdiff_t>(map.size(), std::max(0, ACol + 1)),
      textstore::kColumnTabFill));
  const int length = static_cast<int>(screen_->Get(ARow).size());
  return std::clamp(ACol - fills, 0, length);
}

int TEditor::ByteToCol(int ARow, int AByte) const {
  if (ARow < 0 || ARow >= RowCount() || AByte <= 0) return 0;
  const std::string_view text = screen_->Get(ARow).view();
  return static_cast<int>(textstore::ColumnWidth(text.substr(0, std::min<size_t>(AByte, text.size())),
                                                 Rules()));
}

int TEditor::CaretByte() const { return ColToByte(row_, col_); }

int TEditor::ColToChar(int ARow, int ACol) const {
  if (ARow < 0 || ARow > RowCount() || ACol < 0) return -1;
  const std::string map = RowColumnMap(ARow);
  auto at = [&map](int c) {
    return c < static_cast<int>(map.size()) ? map[static_cast<size_t>(c)] : textstore::kColumnEnd;
  };
  if (at(ACol) == textstore::kColumnTrail) --ACol;
  while (ACol > 0 && at(ACol) == textstore::kColumnTabFill) --ACol;
  int offset = ColToByte(ARow, ACol);
  for (int row = ARow - 1; row >= 0 && screen_->RowKind(row) == textstore::rkWrapped; --row) {
    offset += static_cast<int>(screen_->Get(row).size());
  }
  return offset;
}

int TEditor::TextLength() const {
  int length = 0;
  for (int row = 0; row < RowCount(); ++row) {
    length += static_cast<int>(screen_->Get(row).size()) + LineEndBytes(screen_->RowKind(row));
  }
  return length;
}

// --- State changes ---------------------------------------------------------------------------

void TEditor::StartSelection() {
  if (selState_ == ssSelected || selState_ == ssHit) ClearSelection();
  if (RowCount() == 0) return;
  selState_ = ssAnchored;
  anchor_.Row = row_;
  anchor_.Byte = CaretByte();
  anchor_.Col = selectionMode_ == 1 ? col_ : std::min(col_, RowEndCol(row_));
  byteSel_ = {row_, row_, anchor_.Byte, anchor_.Byte};
  colSel_ = {row_, row_, anchor_.Col, anchor_.Col};
  prevColSel_ = colSel_;
}

void TEditor::ExtendSelection() {
  if (selState_ == ssAnchored) {
    // A search's hit drawn as such is no selection: it is not copied.
    selState_ = hitDrawing_ ? ssHit : ssSelected;
    HideUnderline();
    UpdateSelection();
  } else if (selState_ == ssSelected) {
    UpdateSelection();
  }
}

void TEditor::UpdateSelection() {
  if (selState_ != ssSelected && selState_ != ssHit) return;
  const int c = CaretByte();
  byteSel_.StartRow = std::min(anchor_.Row, row_);
  byteSel_.EndRow = std::max(anchor_.Row, row_);
  colSel_.StartRow = byteSel_.StartRow;
  colSel_.EndRow = byteSel_.EndRow;
  // The character at the caret is never part of the selection.
  if (anchor_.Row == row_) {
    byteSel_.StartByte = std::min(anchor_.Byte, c);
    byteSel_.EndByte = std::max(anchor_.Byte, c) - 1;
  } else if (anchor_.Row < row_) {
    byteSel_.StartByte = anchor_.Byte;
    byteSel_.EndByte = c - 1;
  } else {
    byteSel_.StartByte = c;
    byteSel_.EndByte = anchor_.Byte - 1;
  }
  if (selectionMode_ == 1) {
    colSel_.StartCol = std::min(anchor_.Col, col_);
    colSel_.EndCol = std::max(anchor_.Col, col_);
  } else if (anchor_.Row == row_) {
    const int end = RowEndCol(row_);
    colSel_.StartCol = std::min(std::min(anchor_.Col, col_), end);
    colSel_.EndCol = std::min(std::max(anchor_.Col, col_), end);
  } else if (anchor_.Row < row_) {
    colSel_.StartCol = std::min(anchor_.Col, RowEndCol(anchor_.Row));
    colSel_.EndCol = std::min(col_, RowEndCol(row_));
  } else {
    colSel_.StartCol = std::min(col_, RowEndCol(row_));
    colSel_.EndCol = std::min(anchor_.Col, RowEndCol(anchor_.Row));
  }
  if (SelectionShown()) RepaintSelectionChange();
  if (OnSelectionChange) OnSelectionChange(this, true);
}

void TEditor::RepaintSelectionChange() {
  const TColSelection& was = prevColSel_;
  const TColSelection& now = colSel_;
  // Whole rows whose selected part may have changed: between the ends that moved.
  int first = std::min(was.StartRow, now.StartRow);
  int last = std::max(was.EndRow, now.EndRow);
  if (selectionMode_ == 0) {
    if (was.StartRow == now.StartRow && was.StartCol == now.StartCol) {
      first = std::min(was.EndRow, now.EndRow);
    } else if (was.EndRow == now.EndRow && was.EndCol == now.EndCol) {
      last = std::max(was.StartRow, now.StartRow);
    }
  }
  prevColSel_ = now;
  InvalidateRows(first, last);
}

void TEditor::ClearSelection() {
  lastHit_.reset();
  if (selState_ != ssSelected && selState_ != ssHit) {
    selState_ = ssNoSelection;
    return;
  }
  const bool caretHit = selState_ == ssHit && hitStyle_ == hsCaret;
  selState_ = ssNoSelection;
  hitLength_ = 0;
  if (caretHit) UpdateCaret();  // the block over the hit becomes the normal caret again
  const bool shown = !(colSel_.StartRow == colSel_.EndRow && colSel_.StartCol == colSel_.EndCol);
  if (shown) InvalidateRows(colSel_.StartRow - 1, colSel_.EndRow);
  ShowUnderline();
  rememberedValid_ = false;
  if (OnSelectionChange) OnSelectionChange(this, false);
}

void TEditor::SetSelectionMode(int Value) {
  Value = Value != 0 ? 1 : 0;
  if (Value == selectionMode_ || dragState_ != 0) return;  // not while a selection is dragged
  selectionMode_ = Value;
  if (Selected()) {
    if (Value == 1 && HandleAllocated()) window_->SetCursor(caret_->Cursors().DefaultCursor());
    // The anchor column of a box is not limited to the row's end.
    if (Value == 0) anchor_.Col = std::min(anchor_.Col, RowEndCol(anchor_.Row));
    prevColSel_ = {colSel_.StartRow, colSel_.EndRow, 0, kColLimit + 2};
    UpdateSelection();
  }
  if (OnSelectionModeChange) OnSelectionModeChange(this);
}

// --- Offsets ---------------------------------------------------------------------------------

int TEditor::SelStart() const {
  if (RowCount() == 0) return 0;
  const bool selection = selState_ == ssSelected || selState_ == ssHit;
  const int lastRow = selection ? byteSel_.StartRow : row_;
  int offset = selection ? byteSel_.StartByte : CaretByte();
  for (int row = 0; row < lastRow && row < RowCount(); ++row) {
    offset += static_cast<int>(screen_->Get(row).size()) + LineEndBytes(screen_->RowKind(row));
  }
  return offset;
}

// Puts the caret `Remaining` bytes after byte `From` of row `Row`, walking the rows with their
// line ends; a line end is never split (an end inside it stays at the row's end).
static void WalkToOffset(const TEditor& View, int& Row, int From, int Remaining, int& Col) {
  const rows::TEditorScreenStrings& rows = View.ScreenStrings();
  for (int row = Row; row < rows.Count(); ++row) {
    const int length = static_cast<int>(rows.Get(row).size());
    const int start = row == Row ? From : 0;
    const textstore::TRowKind kind = rows.RowKind(row);
    if (Remaining < length - start + WalkBytes(kind) || kind == textstore::rkTextEnd) {
      Row = row;
      Col = std::min(View.ByteToCol(row, std::min(length, start + Remaining)), View.RowEndCol(row));
      return;
    }
    Remaining -= length - start + WalkBytes(kind);
  }
  Row = rows.Count();
  Col = 0;
}

void TEditor::SetSelStart(int Value) {
  ClearSelection();
  if (RowCount() == 0) return;
  int row = 0;
  int col = 0;
  if (Value > 0) WalkToOffset(*this, row, 0, Value, col);
  SetRowCol(row, col);
}

void TEditor::SetSelLength(int Value) {
  if (RowCount() == 0) return;
  selectionMode_ = 0;
  const bool selection = selState_ == ssSelected || selState_ == ssHit;
  if (Value <= 0) {
    if (selection) {
      SetRowCol(colSel_.StartRow, colSel_.StartCol);
      ClearSelection();
    }
    return;
  }
  ++deferCaret_;
  if (selection) SetRowCol(colSel_.StartRow, colSel_.StartCol);
  StartSelection();
  int row = row_;
  int col = 0;
  WalkToOffset(*this, row, CaretByte(), Value, col);
  row_ = std::min(row, RowCount());
  col_ = col;
  --deferCaret_;
  UpdateCaret();
  ExtendSelection();
}

void TEditor::SelectAll() {
  CaretHide();
  SetSelStart(0);
  SetSelLength(TextLength());
  CaretShow();
}

// --- Selected text ---------------------------------------------------------------------------

namespace {

// The characters of a row whose first column lies in [StartCol, EndCol).
std::string BoxPiece(std::string_view text, const std::string& map, int startCol, int endCol) {
  std::string piece;
  int col = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool lead = static_cast<size_t>(col) < map.size() &&
                      map[static_cast<size_t>(col)] == textstore::kColumnLead;
    int width = lead ? 2 : 1;
    while (static_cast<size_t>(col + width) < map.size() &&
           map[static_cast<size_t>(col + width)] == textstore::kColumnTabFill) {
      ++width;
    }
    const size_t bytes = lead && i + 1 < text.size() ? 2 : 1;
    if (col >= startCol && col < endCol) piece.append(text.substr(i, bytes));
    if (bytes == 2) ++i;
    col += width;
    if (col >= endCol) break;
  }
  return piece;
}

}  // namespace

std::string TEditor::SelText() const {
  if (!Selected()) return {};
  const TByteSelection& s = byteSel_;
  auto rowText = [this](int row) {
    return row < RowCount() ? screen_->Get(row).view() : std::string_view();
  };
  std::string text;
  if (selectionMode_ == 1) {
    for (int row = colSel_.StartRow; row <= colSel_.EndRow && row < RowCount(); ++row) {
      text += BoxPiece(rowText(row), RowColumnMap(row), colSel_.StartCol, colSel_.EndCol);
      text += "\r\n";
    }
    return text;
  }
  if (s.StartRow == s.EndRow) {
    const std::string_view row = rowText(s.StartRow);
    if (s.EndByte < s.StartByte || static_cast<size_t>(s.StartByte) >= row.size()) return {};
    return std::string(row.substr(s.StartByte, s.EndByte - s.StartByte + 1));
  }
  text.reserve(static_cast<size_t>(SelLength()));
  for (int row = s.StartRow; row < s.EndRow; ++row) {
    const std::string_view bytes = rowText(row);
    text.append(row == s.StartRow ? bytes.substr(std::min<size_t>(s.StartByte, bytes.size()))
                                  : bytes);
    if (screen_->RowKind(row) == textstore::rkLineEnd) text += "\r\n";
  }
  const std::string_view last = rowText(s.EndRow);
  text.append(last.substr(0, std::min<size_t>(last.size(), static_cast<size_t>(s.EndByte + 1))));
  return text;
}

int TEditor::SelLength() const {
  if (!Selected()) return 0;
  if (selectionMode_ == 1) return static_cast<int>(SelText().size());
  const TByteSelection& s = byteSel_;
  if (s.StartRow == s.EndRow) return std::max(0, s.EndByte - s.StartByte + 1);
  int length = 0;
  for (int row = s.StartRow; row < s.EndRow; ++row) {
    length += static_cast<int>(screen_->Get(row).size()) + LineEndBytes(screen_->RowKind(row));
  }
  return length - s.StartByte + s.EndByte + 1;
}

// --- Row selection ---------------------------------------------------------------------------

void TEditor::SelectRow(int ARow) {
  const int count = RowCount();
  if (count == 0) return;
  ARow = std::min(ARow, count);
  if (ARow == count && screen_->RowKind(count - 1) == textstore::rkTextEnd) ARow = count - 1;
  rowSel_ = {ARow, true};
  ExtendRowSelection(ARow);
}

void TEditor::ExtendRowSelection(int ARow) {
  const int count = RowCount();
  if (count == 0 || !rowSel_.Active) return;
  ARow = std::clamp(ARow, 0, count);
  if (ARow == count && screen_->RowKind(count - 1) == textstore::rkTextEnd) ARow = count - 1;
  auto textEnd = [this, count](int row) {
    return row >= count || screen_->RowKind(row) == textstore::rkTextEnd;
  };
  const int a = rowSel_.AnchorRow;
  int anchorRow = a, anchorCol = 0, extentRow = ARow, extentCol = 0;
  if (ARow >= a) {
    if (textEnd(a)) anchorCol = RowEndCol(a);
    if (textEnd(ARow)) {
      extentCol = ARow == a ? 0 : RowEndCol(ARow);
    } else {
      extentRow = ARow + 1;
    }
  } else if (!textEnd(a)) {
    anchorRow = a + 1;
  } else {
    anchorCol = RowEndCol(a);
  }
  ClearSelection();
  HideUnderline();  // erased under the caret's old row, which the selection may not cover
  ++deferCaret_;
  row_ = anchorRow;
  col_ = anchorCol;
  StartSelection();
  row_ = extentRow;
  col_ = extentCol;
  ExtendSelection();
  // The caret shows at the start of the pointed row; the selection stays as made.
  row_ = ARow;
  col_ = 0;
  --deferCaret_;
  UpdateCaret();
  ShowUnderline();
}

}  // namespace editor
