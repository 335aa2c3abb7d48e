// The edit-control messages: a thin adapter from the platform's message numbers and packed
// arguments to the control's typed operations.
#include "editor/editor_messages.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "editor/editor.h"

namespace editor {
namespace {

int LowWord(std::uintptr_t value) { return static_cast<int>(value & 0xFFFF); }
int HighWord(std::uintptr_t value) { return static_cast<int>((value >> 16) & 0xFFFF); }
// A point packed as two signed 16-bit halves.
int SignedLow(std::intptr_t value) { return static_cast<std::int16_t>(value & 0xFFFF); }
int SignedHigh(std::intptr_t value) { return static_cast<std::int16_t>((value >> 16) & 0xFFFF); }
std::intptr_t Pack(int low, int high) {
  return static_cast<std::intptr_t>((static_cast<std::uint32_t>(high) & 0xFFFF) << 16 |
                                    (static_cast<std::uint32_t>(low) & 0xFFFF));
}

// The row holding a text offset (a line end counts two bytes, a text end one, a wrap none) and
// the offset's byte in it; the last row for offsets past the text.
std::pair<int, int> RowOfOffset(const rows::TEditorScreenStrings& rows, std::intptr_t offset) {
  for (int row = 0; row < rows.Count(); ++row) {
    const auto length = static_cast<std::intptr_t>(rows.Get(row).size());
    const textstore::TRowKind kind = rows.RowKind(row);
    const int extra = kind == textstore::rkLineEnd ? 2 : kind == textstore::rkTextEnd ? 1 : 0;
    if (offset < length + extra) return {row, static_cast<int>(std::min(offset, length))};
    offset -= length + extra;
  }
  const int last = rows.Count() - 1;
  return {last, last < 0 ? 0 : static_cast<int>(rows.Get(last).size())};
}

}  // namespace

std::intptr_t TEditor::Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam) {
  switch (Msg) {
    case EM_GETFIRSTVISIBLELINE:
      return topRow_;
    case EM_GETLINECOUNT:
      return RowCount();
    case EM_LINEINDEX: {
      const int row = static_cast<int>(static_cast<std::intptr_t>(WParam)) == -1
                          ? row_
                          : static_cast<int>(static_cast<std::intptr_t>(WParam));
      if (row < 0 || row >= RowCount()) return -1;
      std::intptr_t offset = 0;
      for (int i = 0; i < row; ++i) {
        const textstore::TRowKind kind = screen_->RowKind(i);
        offset += static_cast<std::intptr_t>(screen_->Get(i).size()) +
                  (kind == textstore::rkLineEnd ? 2 : kind == textstore::rkTextEnd ? 1 : 0);
      }
      return offset;
    }
    case EM_GETLINE: {
      const int row = static_cast<int>(WParam);
      auto* buffer = reinterpret_cast<char*>(LParam);
      if (buffer == nullptr || row < 0 || row >= RowCount()) return 0;
      // The buffer's first word holds its size; the copy gets no terminating NUL.
      std::uint16_t size = 0;
      std::memcpy(&size, buffer, sizeof size);
      const std::string_view text = screen_->Get(row).view();
      const size_t n = std::min<size_t>(size, text.size());
      std::memcpy(buffer, text.data(), n);
      return static_cast<std::intptr_t>(n);
    }
    case EM_GETSEL: {
      const int start = SelStart();
      const int end = start + SelLength();
      if (WParam != 0) *reinterpret_cast<std::uint32_t*>(WParam) = static_cast<std::uint32_t>(start);
      if (LParam != 0) *reinterpret_cast<std::uint32_t*>(LParam) = static_cast<std::uint32_t>(end);
      return Pack(start, end);
    }
    case EM_SETSEL: {
      const auto start = static_cast<int>(static_cast<std::intptr_t>(WParam));
      const auto end = static_cast<int>(LParam);
      if (start == 0 && end == -1) {
        SelectAll();
      } else if (start == -1) {
        ClearSelection();
      } else {
        SetSelStart(std::min(start, end));
        SetSelLength(std::max(start, end) - std::min(start, end));
      }
      return 0;
    }
    case EM_LINELENGTH: {
      const auto offset = static_cast<std::intptr_t>(WParam);
      if (offset == -1) {
        if (selState_ == ssSelected || selState_ == ssHit) {
          const int end = std::min(byteSel_.EndRow, RowCount() - 1);
          const int length = end < 0 ? 0 : static_cast<int>(screen_->Get(end).size());
          return length + byteSel_.StartByte - byteSel_.EndByte - 1;
        }
        return row_ < RowCount() ? static_cast<std::intptr_t>(screen_->Get(row_).size()) : 0;
      }
      const int row = RowOfOffset(*screen_, offset).first;
      return row < 0 ? 0 : static_cast<std::intptr_t>(screen_->Get(row).size());
    }
    case EM_LINEFROMCHAR: {
      const auto offset = static_cast<std::intptr_t>(WParam);
      if (offset == -1) {
        return selState_ == ssSelected || selState_ == ssHit ? byteSel_.StartRow : row_;
      }
      return std::max(0, RowOfOffset(*screen_, offset).first);
    }
    case EM_CHARFROMPOS: {
      const platform::TPoint at{SignedLow(LParam), SignedHigh(LParam)};
      if (!ClientRect().Contains(at)) return -1;
      int row = 0, col = 0;
      PosToRowCol(at.X, at.Y, row, col, true);
      row = std::clamp(row, 0, std::max(0, RowCount() - 1));
      const std::string map = RowColumnMap(row);
      if (col < static_cast<int>(map.size()) && map[static_cast<size_t>(col)] == textstore::kColumnTrail) --col;
      int offset = ColToByte(row, col);
      for (int i = 0; i < row; ++i) {
        offset += static_cast<int>(screen_->Get(i).size()) +
                  (screen_->RowKind(i) == textstore::rkLineEnd ? 2 : 0);
      }
      return Pack(offset, row);
    }
    case EM_POSFROMCHAR: {
      if (RowCount() == 0) return Pack(TextLeft(), TextTop());
      const auto [row, byte] = RowOfOffset(*screen_, static_cast<std::intptr_t>(WParam));
      return Pack(TextLeft() + (ByteToCol(row, byte) - topCol_) * colWidth_,
                  TextTop() + RowHeight() * (row - topRow_));
    }
    case EM_REPLACESEL:
      if (!readOnly_ && LParam != 0) ReplaceSelection(reinterpret_cast<const char*>(LParam));
      return 0;
    case WM_COPY:
      if (Selected()) {
        CopyToClipboard();
      } else if (clipboard_ != nullptr) {
        clipboard_->SetText({}, false);
      }
      return 0;
    case WM_CUT:
      if (readOnly_ || !Selected()) {
        if (clipboard_ != nullptr) clipboard_->SetText({}, false);
      } else {
        CutToClipboard();
      }
      return 0;
    case WM_PASTE:
      PasteFromClipboard();
      return 0;
    case WM_CLEAR:
      DeleteSelection();
      return 0;
    case EM_SCROLLCARET:
      ScrollCaretByThirds();
      return 0;
    case EM_GETMODIFY:
      return modified_ ? 1 : 0;
    case EM_SETMODIFY:
      if (!readOnly_) modified_ = WParam != 0;
      return 0;
    case EM_SETREADONLY:
      SetReadOnly(WParam != 0);
      return 1;
    case EM_CANUNDO:
      return !readOnly_ && CanUndo() ? 1 : 0;
    case EM_UNDO:
      if (readOnly_ || !CanUndo()) return 0;
      Undo();
      return 1;
    case EM_EMPTYUNDOBUFFER:
      if (!readOnly_) EmptyUndoBuffer();
      return 0;
    case WM_GETTEXTLENGTH: {
      std::intptr_t length = 0;
      for (int i = 0; i < RowCount(); ++i) {
        length += static_cast<std::intptr_t>(screen_->Get(i).size()) +
                  (screen_->RowKind(i) == textstore::rkLineEnd ? 2 : 0);
      }
      return length;
    }
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<char*>(LParam);
      if (buffer == nullptr || WParam == 0) return 0;
      const std::string text = lines_->GetTextStr();
      const size_t n = std::min<size_t>(WParam - 1, text.size());
      std::memcpy(buffer, text.data(), n);
      buffer[n] = '\0';
      return static_cast<std::intptr_t>(n);
    }
    case WM_SETTEXT:
      if (readOnly_) return 0;
      lines_->SetTextStr(LParam != 0 ? reinterpret_cast<const char*>(LParam) : "");
      return 1;
    case WM_VSCROLL:
      ScrollBarMessage(platform::TScrollAxis::Vertical, LowWord(WParam), HighWord(WParam));
      return 0;
    case WM_HSCROLL:
      ScrollBarMessage(platform::TScrollAxis::Horizontal, LowWord(WParam), HighWord(WParam));
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_HASSETSEL | (wantTabs_ ? unsigned{DLGC_WANTTAB} : 0u) |
             (wantReturns_ ? unsigned{DLGC_WANTALLKEYS} : 0u);
    default:
      return 0;
  }
}

}  // namespace editor
