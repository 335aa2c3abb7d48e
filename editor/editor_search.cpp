// Search and row marks. A search joins rows into buffers of about 8 KB and hands them to
// SearchText; a match is shown as the hit style says: selected, drawn in the hit colours, or
// as a block caret.
#include <algorithm>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_rows_host.h"
#include "textstore/search.h"

namespace editor {
namespace {

// A buffer takes rows until it holds more than this many bytes.
constexpr size_t kSearchBuffer = 8191;

}  // namespace

bool TEditor::Search(std::string_view Text, std::uint16_t Options) {
  const int count = RowCount();
  if (count == 0 || Text.empty()) return false;
  const bool forward = (Options & textstore::soForward) != 0;
  const bool shown = selState_ == ssSelected || selState_ == ssHit;
  // Where the search starts: a row and a byte in it.
  int row = row_;
  int byte = CaretByte();
  if (shown) {
    row = forward ? byteSel_.EndRow : byteSel_.StartRow;
    byte = forward ? byteSel_.EndByte + 1 : byteSel_.StartByte;
  }
  const auto sameSelection = [this](const TByteSelection& s) {
    return s.StartRow == byteSel_.StartRow && s.EndRow == byteSel_.EndRow &&
           s.StartByte == byteSel_.StartByte && s.EndByte == byteSel_.EndByte;
  };
  if (shown && lastHit_ && sameSelection(lastHit_->Shown)) {
    row = lastHit_->Row;
    byte = lastHit_->Byte + (forward ? lastHit_->Length : 0);
  }
  // A row's text and whether CR LF follows it in a buffer.
  struct Row {
    platform::ByteString Text;
    bool LineEnd;
    size_t Bytes() const { return Text.size() + (LineEnd ? 2 : 0); }
  };
  auto readRow = [this](int r) {
    return Row{screen_->Get(r), screen_->RowKind(r) == textstore::rkLineEnd};
  };
  if (row >= count) {
    row = count - 1;
    byte = static_cast<int>(readRow(row).Bytes());
  }
  // A start past its row's bytes and line end is a place in a later row.
  for (int bytes; row + 1 < count && byte > (bytes = static_cast<int>(readRow(row).Bytes()));) {
    byte -= bytes;
    ++row;
  }
  // The rows of one buffer, each read once, in row order once gathered.
  std::vector<Row> rows;
  std::string buffer;
  buffer.reserve(2 * kSearchBuffer);
  for (;;) {
    // Rows from `row` on (or up to it, backwards) until the buffer passes its size.
    rows.clear();
    size_t size = 0;
    for (int r = row;; r += forward ? 1 : -1) {
      rows.push_back(readRow(r));
      size += rows.back().Bytes();
      if (size > kSearchBuffer || r == (forward ? count - 1 : 0)) break;
    }
    const int span = static_cast<int>(rows.size()) - 1;
    const int first = forward ? row : row - span;
    const int last = forward ? row + span : row;
    if (!forward) std::reverse(rows.begin(), rows.end());
    buffer.clear();
    for (const Row& r : rows) {
      buffer.append(r.Text.view());
      if (r.LineEnd) buffer.append("\r\n");
    }
    // The start offset inside the buffer: the start row's byte, after the rows in front of it.
    const size_t start = static_cast<size_t>(byte) + (forward ? 0 : size - rows.back().Bytes());
    textstore::TSearchPosition position{
        static_cast<std::ptrdiff_t>(std::min(start, buffer.size())),
        hitStyle_ == hsCaret && selState_ == ssHit ? hitLength_ : 0};
    if (textstore::SearchText(buffer, position, Text, Options, wordDelimiters_)) {
      ClearSelection();
      // From the buffer's first row the offset walks the rows with their line ends.
      rowsHost_->SetCaretOffset(first, static_cast<int>(position.Start));
      SelectHit(static_cast<int>(position.Length));
      lastHit_ = TSearchHit{first, static_cast<int>(position.Start),
                            static_cast<int>(position.Length), byteSel_};
      ScrollCaretByThirds();
      return true;
    }
    // The next buffer overlaps this one by its last row, so a match across their seam is seen.
    if (forward) {
      if (last + 1 >= count) return false;
      row = last > first ? last : last + 1;
      byte = 0;
    } else {
      if (first == 0) return false;
      row = last > first ? first : first - 1;
      byte = static_cast<int>(readRow(row).Bytes());
    }
  }
}

void TEditor::SelectHit(int Length) {
  hitLength_ = Length;
  if (hitStyle_ == hsSelect || Length <= 0) {
    SetSelLength(Length);
    return;
  }
  const int startRow = row_;
  const int startCol = col_;
  hitDrawing_ = true;
  SetSelLength(Length);
  hitDrawing_ = false;
  if (hitStyle_ == hsCaret && HandleAllocated() && window_->Focused()) {
    // The caret goes back to the match and covers it as a block.
    const int endCol = colSel_.EndRow == startRow ? colSel_.EndCol : RowEndCol(startRow);
    row_ = startRow;
    col_ = startCol;
    window_->CreateCaret(std::max(2, colWidth_ * (endCol - startCol)), fontHeight_);
    caretCreated_ = true;
    caretShown_ = false;
    PlaceCaret();
  }
}

// --- Marks -----------------------------------------------------------------------------------

void TEditor::PutMark(int ARow, int N) {
  if (N < 0 || N > 15) return;  // a mark is one bit of sixteen: others would hit another's bit
  const auto bit = static_cast<textstore::TRowMarks>(1u << N);
  if (N < 10) {
    // Marks 0 to 9 are bookmarks: one row each.
    for (int row = 0; row < RowCount(); ++row) {
      if (screen_->RowMarks(row) & bit) {
        DeleteMark(row, N);
        break;
      }
    }
  }
  if (ARow < 0 || ARow >= RowCount()) return;
  screen_->SetRowMarks(ARow, screen_->RowMarks(ARow) | bit);
  screen_->IncludeMarks(bit);
  if (imagebar_->Visible()) InvalidateRows(ARow, ARow);
}

void TEditor::DeleteMark(int ARow, int N) {
  if (N < 0 || N > 15 || ARow < 0 || ARow >= RowCount()) return;
  const auto bit = static_cast<textstore::TRowMarks>(1u << N);
  screen_->SetRowMarks(ARow, screen_->RowMarks(ARow) & static_cast<textstore::TRowMarks>(~bit));
  if (imagebar_->Visible()) InvalidateRows(ARow, ARow);
}

bool TEditor::RowHasMark(int ARow, int N) const {
  return N >= 0 && N <= 15 && ARow >= 0 && ARow < RowCount() &&
         (screen_->RowMarks(ARow) & (1u << N)) != 0;
}

void TEditor::GotoMark(int N) {
  if (N < 0 || N > 15) return;
  for (int row = 0; row < RowCount(); ++row) {
    if (!RowHasMark(row, N)) continue;
    if (row < topRow_ || row >= topRow_ + visibleRowCount_) SetTopRow(row - visibleRowCount_ / 2);
    SetRow(row);
    return;
  }
}

}  // namespace editor
