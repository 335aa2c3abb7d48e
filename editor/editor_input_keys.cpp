// The keyboard and the input method: the key table (moves, Shift selecting, Delete), typed
// characters with Backspace, Tab and Return, committed compositions, and the word jump of
// Ctrl+Left and Ctrl+Right. Every edit goes through the edit primitive and does nothing under
// ReadOnly; the mouse side is editor_input.cpp.
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_rows_host.h"
#include "fountain/fountain_parser.h"
#include "platform/cp932.h"
#include "textstore/column_map.h"

namespace editor {
namespace {

using platform::TShiftState;
using textstore::TRowKind;

TRowKind KindOf(const rows::TEditorScreenStrings& Rows, int Row) {
  return Row >= 0 && Row < Rows.Count() ? Rows.RowKind(Row) : textstore::rkTextEnd;
}

bool IsMoveKey(int Key) {
  return Key >= platform::VK_PRIOR && Key <= platform::VK_DOWN;
}

bool Lead(std::string_view Text, size_t At) {
  return At + 1 < Text.size() && platform::cp932::IsLeadByte(static_cast<unsigned char>(Text[At]));
}

// Start of the character that ends at byte End (> 0): double-byte characters are found by
// walking from the row's start, as a trail byte can look like a lead byte.
size_t PrevCharStart(std::string_view Text, size_t End) {
  size_t at = 0;
  for (size_t next = 0; next < End; next += Lead(Text, next) ? 2 : 1) at = next;
  return at;
}

struct TToken {
  int Pos;  // a column: the row is tokenised with its tabs laid out as blanks
  int End;
  std::uint8_t Kind;
};

}  // namespace

bool TEditor::KeyHeld(int Key) const {
  return HandleAllocated() && window_->KeyPressed(Key);
}

// --- Keys ------------------------------------------------------------------------------------

bool TEditor::KeyDown(const platform::TKeyEvent& Event) {
  if (InputHeld()) {
    if (dragState_ == 2) DragKey(Event.Key, true);
    return true;
  }
  int key = Event.Key;
  if (OnKeyDown) OnKeyDown(this, key, Event.Shift);
  if (key == 0) return true;  // the host took it
  keyRepeat_ = Event.AutoRepeat;
  if (popupMenu_ != nullptr && popupMenu_->ShortCut(key, Event.Shift)) return true;
  if (IsMoveKey(key)) return MoveKey(key, Event.Shift);
  if (key == platform::VK_DELETE) {
    DeleteChar(false);
    return true;
  }
  return false;
}

bool TEditor::KeyUp(const platform::TKeyEvent& Event) {
  if (InputHeld()) {
    if (dragState_ == 2) DragKey(Event.Key, false);
    return true;
  }
  int key = Event.Key;
  if (OnKeyUp) OnKeyUp(this, key, Event.Shift);
  // The composition window stood still while the key repeated.
  if (std::exchange(keyRepeat_, false)) MoveImeWindow();
  return false;
}

bool TEditor::MoveKey(int Key, TShiftState Shift) {
  if (selState_ == ssHit) ClearSelection();
  if (Shift.Shift && !Selected()) {
    StartSelection();
  } else if (!Shift.Shift && Selected()) {
    ClearSelection();
  }
  MoveCaretByKey(Key, Shift.Ctrl);
  if (Shift.Shift) ExtendSelection();
  return true;
}

void TEditor::MoveCaretByKey(int Key, bool Ctrl) {
  const rows::TEditorScreenStrings& rows = *screen_;
  const int count = RowCount();
  auto vertical = [this](int ARow) {
    keyboardVerticalMove_ = true;
    SetRow(ARow);
    keyboardVerticalMove_ = false;
  };
  // Two steps, one caret update (and one scroll).
  auto rowThenCol = [this](int ARow, auto Col) {
    ++deferCaret_;
    SetRow(ARow);
    SetCol(Col());
    --deferCaret_;
    UpdateCaret();
  };
  auto endCol = [this, count] { return row_ < count ? RowEndCol(row_) : 0; };
  switch (Key) {
    case platform::VK_PRIOR:
      PageScroll(-1);
      break;
    case platform::VK_NEXT:
      PageScroll(1);
      break;
    case platform::VK_HOME:
      if (Ctrl) {
        rowThenCol(0, [] { return 0; });
      } else {
        SetCol(0);
      }
      break;
    case platform::VK_END:
      if (Ctrl) {
        rowThenCol(count, endCol);
      } else {
        SetCol(endCol());
      }
      break;
    case platform::VK_LEFT:
    case platform::VK_RIGHT: {
      const int direction = Key == platform::VK_LEFT ? -1 : 1;
      if (Ctrl) {
        int r = row_, c = col_;
        if (NextTokenPos(r, c, direction)) SetRowCol(r, c);
      } else if (direction < 0) {
        if (col_ > 0) {
          SetCol(col_ - 1);
        } else if (row_ > 0 &&
                   (KindOf(rows, row_ - 1) == textstore::rkWrapped || caret_->NextLine())) {
          SetRowCol(row_ - 1, RowEndCol(row_ - 1));
        }
      } else {
        const int before = col_;
        SetCol(col_ + 1);
        const TRowKind kind = KindOf(rows, row_);
        if (col_ == before && row_ < count && kind != textstore::rkTextEnd &&
            (kind == textstore::rkWrapped || caret_->NextLine())) {
          SetRowCol(row_ + 1, 0);
        }
      }
      break;
    }
    case platform::VK_UP: {
      const int k = keyRepeat_ && row_ == topRow_ ? speed_->CaretVerticalAc() : 1;
      if (!Ctrl) {
        if (row_ > 0) vertical(row_ - k);
      } else {
        // The view scrolls up also when the caret on row 0 is out of it.
        SetTopRow(topRow_ - k);
        if (row_ > topRow_ + visibleRowCount_ - 1) vertical(row_ - k);
      }
      break;
    }
    case platform::VK_DOWN: {
      const int last = topRow_ + visibleRowCount_ - 1;
      const int k = keyRepeat_ && row_ == last ? speed_->CaretVerticalAc() : 1;
      if (!Ctrl) {
        if (KindOf(rows, row_) != textstore::rkTextEnd) vertical(row_ + k);
      } else {
        SetTopRow(topRow_ + k);
        if (row_ < topRow_) vertical(row_ + k);
      }
      break;
    }
    default:
      break;
  }
}

// --- Typing ----------------------------------------------------------------------------------

bool TEditor::Char(std::string_view Text) {
  if (InputHeld()) return true;
  bool used = false;
  std::string run;  // printable characters, typed in one edit
  auto flush = [&] {
    if (!run.empty()) TypeText(run);
    run.clear();
  };
  for (size_t i = 0; i < Text.size(); ++i) {
    const auto c = static_cast<unsigned char>(Text[i]);
    if (Lead(Text, i)) {
      run.append(Text.substr(i++, 2));
      used = true;
      continue;
    }
    if (c >= 0x20 && c != 0x7F) {
      run += static_cast<char>(c);
      used = true;
      continue;
    }
    flush();
    if (c == '\b') {
      used = true;
      DeleteChar(true);
    } else if (c == '\t' && wantTabs_) {
      used = true;
      if (KeyHeld(platform::VK_SHIFT) || KeyHeld(platform::VK_CONTROL)) continue;
      const int width = caret_->TabSpaceCount();
      TypeText(caret_->SoftTab() ? std::string(static_cast<size_t>(width - col_ % width), ' ')
                                 : std::string("\t"));
    } else if (c == '\r' && wantReturns_) {
      used = true;
      TypeText("\r\n");
    }
    // Other control characters (Ctrl with a letter) type nothing.
  }
  flush();
  return used;
}

void TEditor::InputMethod(const platform::TImeEvent& Event) {
  if (!Event.Commit.empty()) TypeText(Event.Commit);
  // The composition shows at the caret's place: the caret hides meanwhile.
  const bool open = !Event.Preedit.empty();
  if (open == imeOpen_) return;
  imeOpen_ = open;
  if (open) {
    CaretHide();
  } else {
    CaretShow();
  }
}

void TEditor::TypeText(std::string_view Text) {
  if (!readOnly_) ReplaceSelection(Text);
}

void TEditor::EditRows(int First, int Count, const std::string& Text, int Offset) {
  ClearSelection();  // an anchor or a hit does not survive the edit
  rows::TEditGuard edit(rowsHost_.get());
  screen_->ReplaceRows(First, Count, Text);
  rowsHost_->SetCaretOffset(First, Offset);
}

void TEditor::DeleteChar(bool Backward) {
  if (readOnly_) return;
  if (Selected()) {
    DeleteSelection();
    return;
  }
  const int count = RowCount();
  if (count == 0) return;
  const int b = CaretByte();
  if (!Backward) {
    if (row_ >= count) return;  // after the final line break nothing follows
    const int length = static_cast<int>(screen_->Get(row_).size());
    const TRowKind kind = screen_->RowKind(row_);
    if (b >= length && kind == textstore::rkTextEnd) return;
    // This row and the next: a line end or a wrap joins them.
    const rows::TRowsText old = screen_->RowsText(row_, 2);
    std::string text = old.Text;
    const bool lineEnd = b >= length && kind == textstore::rkLineEnd;
    const size_t n = lineEnd || Lead(text, static_cast<size_t>(b)) ? 2 : 1;
    text.erase(static_cast<size_t>(b), std::min(n, text.size() - static_cast<size_t>(b)));
    EditRows(row_, old.Rows, text, b);
    return;
  }
  if (b > 0 && row_ < count) {
    std::string text = screen_->RowsText(row_, 1).Text;
    const size_t start = PrevCharStart(text, static_cast<size_t>(b));
    text.erase(start, static_cast<size_t>(b) - start);
    EditRows(row_, 1, text, static_cast<int>(start));
    return;
  }
  if (row_ == 0) return;
  // At the start of a row: the line end or the last character of the row above goes.
  const int above = std::min(row_, count) - 1;
  const rows::TRowsText old = screen_->RowsText(above, row_ < count ? 2 : 1);
  std::string text = old.Text;
  const size_t length = screen_->Get(above).size();
  size_t start = length;
  if (screen_->RowKind(above) == textstore::rkLineEnd) {
    text.erase(length, 2);
  } else {
    start = PrevCharStart(text, length);
    text.erase(start, length - start);
  }
  EditRows(above, old.Rows, text, static_cast<int>(start));
}

// --- Word jump -------------------------------------------------------------------------------

bool TEditor::NextTokenPos(int& ARow, int& ACol, int Direction) const {
  const rows::TEditorScreenStrings& rows = *screen_;
  const int count = RowCount();
  if (ARow < 0 || ARow >= count) return false;
  const bool endStop = caret_->TokenEndStop();
  std::unique_ptr<fountain::TFountainParser> parser = ActiveFountain().CreateParser();
  std::string laid;  // the row being tokenised; the parser reads it in place
  auto tokens = [&](int ARowIndex) {
    const std::string_view text = rows.Get(ARowIndex).view();
    const std::string map = RowColumnMap(ARowIndex);
    laid.assign(map.size(), ' ');
    for (size_t col = 0, i = 0; col < map.size() && i < text.size(); ++col) {
      if (map[col] == textstore::kColumnTabFill) continue;
      const char c = text[i++];
      laid[col] = c == '\t' || c == '\0' ? ' ' : c;
      if (map[col] == textstore::kColumnLead && col + 1 < map.size()) {
        if (i < text.size()) laid[col + 1] = text[i++];
        ++col;
      }
    }
    std::vector<TToken> found;
    parser->NewData(laid, textstore::TRowAttributeData{});
    while (parser->NextToken() != fountain::toEof) {
      found.push_back(
          {parser->SourcePos(), parser->SourcePos() + parser->TokenLength(), parser->Token()});
    }
    return found;
  };
  // The row's last token runs to its end: cut by a wrap, it goes on on the next row.
  auto endsInToken = [&](int ARowIndex) {
    const std::vector<TToken> found = tokens(ARowIndex);
    return !found.empty() && found.back().End >= RowEndCol(ARowIndex);
  };
  auto finish = [&](int r, int c) {
    const bool moved = r != ARow || c != ACol;
    ARow = r;
    ACol = c;
    return moved;
  };
  int r = ARow;
  int c = ACol;
  if (Direction > 0) {
    for (;;) {
      const int end = RowEndCol(r);
      if (c >= end) {
        if (r + 1 < count) {
          ++r;
          c = -1;
          continue;
        }
        // The last row: on to the place after its line break, if it has one.
        return rows.RowKind(r) == textstore::rkLineEnd ? finish(count, 0) : finish(r, end);
      }
      for (const TToken& t : tokens(r)) {
        if (endStop) {
          if (t.Pos > c) return finish(r, t.Pos);
          if (t.End > c) return finish(r, t.End);
        } else if (t.Kind != fountain::toSymbol && t.Pos > c) {
          return finish(r, t.Pos);
        }
      }
      if (rows.RowKind(r) != textstore::rkWrapped || r + 1 >= count) return finish(r, end);
      // A token cut by the wrap goes on at column 0 of the next row and is no stop there; a
      // token that begins the next row is.
      c = endsInToken(r) ? 0 : -1;
      ++r;
    }
  }
  for (;;) {
    if (c > 0) {
      int best = -1;
      int lastEnd = -1;
      for (const TToken& t : tokens(r)) {
        if (t.Pos >= c) break;
        if (!endStop) {
          if (t.Kind != fountain::toSymbol) best = t.Pos;
        } else if (c <= t.End) {
          best = t.Pos;
        } else {
          lastEnd = t.End;
        }
      }
      if (endStop && best < 0) best = lastEnd;
      // A token at column 0 that goes on from a wrapped row above starts there.
      const bool cut =
          best == 0 && r > 0 && rows.RowKind(r - 1) == textstore::rkWrapped && endsInToken(r - 1);
      if (best >= 0 && !cut) return finish(r, best);
    }
    if (r == 0) return finish(0, 0);
    --r;
    c = RowEndCol(r);
    // The end of a logical line is a stop; a wrapped row is searched on from its end.
    if (rows.RowKind(r) != textstore::rkWrapped) return finish(r, c);
  }
}

}  // namespace editor
