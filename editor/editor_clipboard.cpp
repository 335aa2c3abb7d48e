// Copying to the clipboard, and the edits the control makes when it is not read-only: cut,
// paste, delete. Every edit goes through the row list's one edit primitive, so it is undone
// like any other.
#include <algorithm>
#include <optional>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_rows_host.h"
#include "platform/line_breaks.h"

namespace editor {

void TEditor::CopyToClipboard() {
  if (!Selected() || clipboard_ == nullptr) return;
  clipboard_->SetText(SelText(), selectionMode_ == 1);
}

void TEditor::CutToClipboard() {
  if (readOnly_ || !Selected()) return;
  CopyToClipboard();
  DeleteSelection();
}

void TEditor::PasteFromClipboard() {
  if (readOnly_ || clipboard_ == nullptr) return;
  const std::optional<platform::TClipboard::Content> content = clipboard_->Text();
  if (content && !content->Text.empty()) ReplaceSelection(content->Text);
}

bool TEditor::ClipboardHasText() const {
  if (clipboard_ == nullptr) return false;
  const std::optional<platform::TClipboard::Content> content = clipboard_->Text();
  return content && !content->Text.empty();
}

void TEditor::BoxPasteFromClipboard() {
  if (readOnly_ || clipboard_ == nullptr) return;
  const std::optional<platform::TClipboard::Content> content = clipboard_->Text();
  if (!content || content->Text.empty()) return;
  ClearSelection();
  std::vector<std::string_view> lines;
  platform::ForEachLine(content->Text, [&lines](std::string_view line) { lines.push_back(line); });
  const int count = RowCount();
  const int first = std::min(row_, count);
  const int col = col_;
  const int rowsIn = std::max(0, std::min(count, first + static_cast<int>(lines.size())) - first);
  std::string replacement;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int row = first + static_cast<int>(i);
    if (row < count) {
      const std::string_view text = screen_->Get(row).view();
      const int width = RowEndCol(row);
      const size_t at = static_cast<size_t>(ColToByte(row, std::min(col, width)));
      replacement.append(text.substr(0, at));
      if (col > width) replacement.append(static_cast<size_t>(col - width), ' ');
      replacement.append(lines[i]);
      replacement.append(text.substr(at));
      if (screen_->RowKind(row) == textstore::rkLineEnd || i + 1 < lines.size()) replacement += "\r\n";
    } else {
      // Rows past the text: the line at the same column.
      replacement.append(static_cast<size_t>(col), ' ');
      replacement.append(lines[i]);
      if (i + 1 < lines.size()) replacement += "\r\n";
    }
  }
  rows::TEditGuard edit(rowsHost_.get());
  screen_->ReplaceRows(first, rowsIn, replacement);
  rowsHost_->SetCaretOffset(first, 0);
}

void TEditor::DeleteSelection() {
  if (readOnly_ || !Selected()) return;
  ReplaceSelection({});
}

void TEditor::ReplaceSelection(std::string_view Text) {
  if (readOnly_) return;
  const int count = RowCount();
  const bool selected = Selected();
  const int first = selected ? byteSel_.StartRow : row_;
  const int last = selected ? std::min(byteSel_.EndRow, count - 1) : row_;
  // The caret after a final line break: the text goes in after the last row.
  const bool atEnd = first >= count;
  const std::string old = atEnd ? std::string() : screen_->RowsText(first, last - first + 1).Text;
  std::string replacement;
  int caretOffset = 0;
  if (selected && selectionMode_ == 1) {
    // A box loses its columns row by row; the new text goes where its top left was.
    for (int row = first; row <= last; ++row) {
      const std::string_view text = screen_->Get(row).view();
      const size_t from = static_cast<size_t>(ColToByte(row, colSel_.StartCol));
      const size_t to = static_cast<size_t>(ColToByte(row, colSel_.EndCol));
      replacement.append(text.substr(0, from));
      if (row == first) {
        replacement.append(Text);
        caretOffset = static_cast<int>(replacement.size());
      }
      replacement.append(text.substr(to));
      if (screen_->RowKind(row) == textstore::rkLineEnd) replacement += "\r\n";
    }
  } else {
    const size_t start = std::min<size_t>(selected ? byteSel_.StartByte : CaretByte(), old.size());
    size_t resume = start;  // where the kept text after the selection begins in `old`
    if (selected) {
      resume = old.size();
      if (byteSel_.EndRow < count) {
        const std::string_view lastRow = screen_->Get(last).view();
        const size_t tail = lastRow.size() + (screen_->RowKind(last) == textstore::rkLineEnd ? 2 : 0);
        resume = old.size() - tail + static_cast<size_t>(byteSel_.EndByte + 1);
      }
    }
    replacement.append(old, 0, start);
    replacement.append(Text);
    caretOffset = static_cast<int>(replacement.size());
    replacement.append(old, std::min(resume, old.size()));
  }
  ClearSelection();
  rows::TEditGuard edit(rowsHost_.get());
  screen_->ReplaceRows(first, atEnd ? 0 : last - first + 1, replacement);
  rowsHost_->SetCaretOffset(first, caretOffset);
}

}  // namespace editor
