// The edit-control messages: a thin adapter from the platform's message numbers and packed
// arguments to the control's typed operations.
#include "editor/editor_messages.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "editor/editor.h"

namespace editor {
namespace {

int LowWord(std::uintptr_t value) { return static_cast<int>(value & 0xFFFF); }
int HighWord(std::uintptr_t value) { return static_cast<int>((value >> 16) & 0xFFFF); }

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
