// One row of text: its cells composed from the row's column map, the tokens of the fountain in
// force and the selection, then drawn in runs of equal colours and style, so that every cell
// is drawn once, in its final colours (a glyph drawn over another leaves fringes where the
// font smooths its edges). Then OnDrawLine for the piece and the row's end mark. Also the
// drawing helper of OnDrawLine handlers.
#include <algorithm>
#include <string>
#include <utility>

#include "editor/editor.h"
#include "fountain/fountain_parser.h"
#include "textstore/column_map.h"

namespace editor {
namespace {

// Division rounding toward minus infinity (pixels left of column 0 are negative).
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// A tab, its fill and control bytes show as blank cells.
char Shown(char byte) {
  const auto b = static_cast<unsigned char>(byte);
  return b < 0x20 || b == 0x7F ? ' ' : byte;
}

// Columns of a column map that are drawn: up to the column limit, one further when a
// double-byte character straddles it.
int DrawnColumns(const std::string& map) {
  const int size = static_cast<int>(map.size());
  if (size < kColLimit) return size;
  return map[kColLimit - 1] == textstore::kColumnLead ? std::min(size, kColLimit + 1) : kColLimit;
}

// Walks the bytes of `text` over `map`: Visit(byte index, column, shown byte) for each byte
// the map covers, the second half of a double-byte character in the column after its lead;
// a tab's fill columns are left alone. Returns the number of bytes covered.
template <typename Visit>
size_t WalkColumns(std::string_view text, const std::string& map, Visit visit) {
  const size_t columns = map.size();
  size_t b = 0;
  size_t col = 0;
  while (b < text.size() && col < columns) {
    visit(b, col, Shown(text[b]));
    if (map[col] == textstore::kColumnLead) {
      // A lone lead byte at the end still takes both columns.
      visit(b + 1, col + 1, b + 1 < text.size() ? Shown(text[b + 1]) : ' ');
      b += 2;
      col += 2;
    } else {
      ++b;
      ++col;
      while (col < columns && map[col] == textstore::kColumnTabFill) ++col;
    }
  }
  return std::min(b, text.size());
}

}  // namespace

// --- Composing -------------------------------------------------------------------------------

void TEditor::ComposeRow(int ARow, int Y, const platform::TRect& Rect,
                         fountain::TFountainParser& Parser) {
  TPaintRow& r = paintRow_;
  r.Index = ARow;
  r.Y = Y;
  r.Cells.clear();
  if (screen_->BracketIndex(ARow) == textstore::kBracketNotScanned) screen_->RescanFrom(ARow, false);
  r.Text = screen_->Get(ARow);
  r.LineStr = r.Text;
  const std::string_view text = r.Text.view();
  const textstore::ColumnRules rules = Rules();
  r.Map = textstore::ColumnMap(text, rules);
  const int mapped = static_cast<int>(r.Map.size());
  r.Cut = DrawnColumns(r.Map);

  // Columns up to the right edge of the rectangle, never ending inside a character.
  const int x = TextLeft() - horzOffset_;
  int count = std::clamp(FloorDiv(Rect.Right - x + colWidth_ - 1, colWidth_), 0, r.Cut);
  if (count > 0 && count < r.Cut && r.Map[static_cast<size_t>(count - 1)] == textstore::kColumnLead) {
    ++count;
  }
  r.ByteCols.clear();
  r.Cells.assign(static_cast<size_t>(count), TPaintCell{' ', font_->Style(), TextColor(), BackColor()});
  const size_t covered = WalkColumns(text, r.Map, [&](size_t b, size_t col, char shown) {
    if (b < text.size()) r.ByteCols.push_back(static_cast<int>(col));
    if (col < r.Cells.size()) r.Cells[col].Byte = shown;
  });
  r.ByteCols.resize(covered);
  r.ByteCols.push_back(mapped);
  r.Width = covered == text.size() ? mapped : static_cast<int>(textstore::ColumnWidth(text, rules));
  // A row whose text ends more than five columns left of the view shows nothing of it.
  r.Reachable = (r.Width + 5) * colWidth_ >= horzOffset_;
  if (!r.Reachable || text.empty()) return;

  // The tokens are scanned from the row's stored state; a wrapped row is scanned with the
  // next row's text after it, so that a token cut by the wrap keeps its kind.
  if (screen_->WordWrap() && screen_->RowKind(ARow) == textstore::rkWrapped &&
      ARow < RowCount() - 1) {
    r.LineStr = platform::ByteString(r.Text.str() + screen_->Get(ARow + 1).str());
  }
  Parser.NewData(r.LineStr, screen_->RowState(ARow));
  const int length = static_cast<int>(text.size());
  const int bytes = static_cast<int>(covered);
  while (Parser.NextToken() != fountain::toEof) {
    const int pos = Parser.SourcePos();
    if (pos >= length || pos >= bytes) break;
    const int from = r.ByteCols[static_cast<size_t>(pos)];
    if (from >= count) break;
    const fountain::TFountainColor* set = Parser.TokenToFountainColor();
    if (set == nullptr) continue;  // the defaults
    const int end = pos + Parser.TokenLength();
    const int to = std::min(count, end <= bytes ? r.ByteCols[static_cast<size_t>(end)] : mapped);
    const TPaintCell look{' ', set->Style(),
                          set->Color() == platform::clNone ? TextColor() : set->Color(),
                          set->BkColor() == platform::clNone ? BackColor() : set->BkColor()};
    for (int col = from; col < to; ++col) {
      TPaintCell& cell = r.Cells[static_cast<size_t>(col)];
      cell = {cell.Byte, look.Style, look.Fore, look.Back};
    }
  }
  // A token never ends inside a character on screen: the second half looks like the first.
  for (int col = 1; col < count; ++col) {
    if (r.Map[static_cast<size_t>(col)] != textstore::kColumnTrail) continue;
    TPaintCell& cell = r.Cells[static_cast<size_t>(col)];
    const TPaintCell& lead = r.Cells[static_cast<size_t>(col - 1)];
    cell = {cell.Byte, lead.Style, lead.Fore, lead.Back};
  }
}

// --- Drawing ---------------------------------------------------------------------------------

platform::TFontHandle TEditor::StyleFont(platform::TFontStyles Style) {
  if (styleFontsWindow_ != window_ || !(styleFontsBase_ == fontHandle_)) {
    std::fill(std::begin(styleFonts_), std::end(styleFonts_), platform::TFontHandle{});
    styleFontsWindow_ = window_;
    styleFontsBase_ = fontHandle_;
  }
  // The underline is a dotted line drawn by the view, never the font's.
  Style.Exclude(platform::fsUnderline);
  const int index = (Style.Contains(platform::fsBold) ? 1 : 0) |
                    (Style.Contains(platform::fsItalic) ? 2 : 0) |
                    (Style.Contains(platform::fsStrikeOut) ? 4 : 0);
  platform::TFontHandle& handle = styleFonts_[index];
  if (handle.Id == 0) {
    platform::TFontSpec request = font_->Spec();
    request.Style = Style;
    handle = window_->CreateFont(request);
  }
  return handle;
}

void TEditor::DrawCellRuns(const platform::TRect& Clip, int X, int Y, const TPaintCell* Cells,
                           int Count) {
  platform::TCanvas& canvas = *paintCanvas_;
  const int cw = colWidth_;
  // Backgrounds first, so that a glyph reaching into its neighbour is not cut by its fill.
  for (int a = 0; a < Count;) {
    int b = a + 1;
    while (b < Count && Cells[b].Back == Cells[a].Back) ++b;
    const platform::TRect r = Clip.Intersect({X + a * cw, Clip.Top, X + b * cw, Clip.Bottom});
    if (!r.IsEmpty()) canvas.FillRect(r, Rgb(Cells[a].Back));
    a = b;
  }
  std::string bytes;
  for (int a = 0; a < Count;) {
    int b = a + 1;
    while (b < Count && Cells[b].Fore == Cells[a].Fore && Cells[b].Back == Cells[a].Back &&
           Cells[b].Style == Cells[a].Style) {
      ++b;
    }
    const TPaintCell& look = Cells[a];
    const int left = std::max(X + a * cw, Clip.Left);
    const int right = std::min(X + b * cw, Clip.Right);
    if (left < right) {
      // Blanks at the ends of a run are only background, unless a line crosses them.
      int first = a;
      int last = b;
      if (!look.Style.Contains(platform::fsStrikeOut)) {
        while (first < last && Cells[first].Byte == ' ') ++first;
        while (last > first && Cells[last - 1].Byte == ' ') --last;
      }
      const platform::TRgb fore = Rgb(look.Fore);
      if (first < last) {
        bytes.clear();
        for (int i = first; i < last; ++i) bytes += Cells[i].Byte;
        canvas.DrawCells({X + first * cw, Y}, bytes, StyleFont(look.Style), cw, fore, nullptr, Clip);
      }
      const int lineY = Y + fontHeight_ - 1;
      if (look.Style.Contains(platform::fsUnderline) && lineY >= Clip.Top && lineY < Clip.Bottom) {
        canvas.DottedLine({left, lineY}, right - left, fore, Rgb(look.Back));
      }
    }
    a = b;
  }
}

void TEditor::PaintPiece(const platform::TRect& Rect, bool Selected) {
  TPaintRow& r = paintRow_;
  const platform::TRect oldPiece = std::exchange(paintPiece_, Rect);
  platform::TColor selFore = platform::clNone;
  platform::TColor selBack = platform::clNone;
  if (Selected) SelectionColors(selFore, selBack);
  r.PieceBack = Selected ? selBack : BackColor();
  const int x = TextLeft() - horzOffset_;
  const int cw = colWidth_;
  const int cells = static_cast<int>(r.Cells.size());
  auto trail = [&](int col) {
    return col > 0 && col < cells && r.Map[static_cast<size_t>(col)] == textstore::kColumnTrail;
  };
  // A character half in the piece is drawn whole and clipped.
  int from = std::max(0, FloorDiv(Rect.Left - x, cw));
  int to = std::max(from, FloorDiv(Rect.Right - x + cw - 1, cw));
  if (trail(from)) --from;
  if (trail(to)) ++to;
  r.PieceFrom = from;
  r.Piece.clear();
  for (int col = from; col < to; ++col) {
    // Past the text nothing is written, so nothing is underlined or struck out.
    TPaintCell cell = col < cells ? r.Cells[static_cast<size_t>(col)]
                                  : TPaintCell{' ', {}, TextColor(), r.PieceBack};
    if (Selected) {
      cell.Fore = selFore;
      cell.Back = selBack;
    }
    r.Piece.push_back(cell);
  }
  struct Restore {
    TEditor& view;
    platform::TRect piece;
    ~Restore() {
      view.paintPiece_ = piece;
      view.paintEvent_ = false;
    }
  } restore{*this, oldPiece};
  DrawCellRuns(Rect, x + from * cw, r.Y, r.Piece.data(), static_cast<int>(r.Piece.size()));
  if (!r.Reachable) return;
  paintEvent_ = true;
  DoDrawLine(r.LineStr, x, r.Y, r.Index, Rect, Selected);
  paintEvent_ = false;
  paintCanvas_->ResetClip();
  DrawRowMark(Rect, Selected);
}

void TEditor::DrawRowMark(const platform::TRect& Rect, bool Selected) {
  const TPaintRow& r = paintRow_;
  const int x = TextLeft() - horzOffset_;
  const int limit = x + kColLimit * colWidth_;
  const int textEnd = x + r.Width * colWidth_;
  const int endX = r.Width > kColLimit && r.Cut > kColLimit ? limit + colWidth_
                                                             : std::min(textEnd, limit);
  if (endX >= Rect.Right) return;
  if (endX < textEnd) {
    if (marks_->HideMark().Visible()) Selected ? DrawSelHideMark(endX, r.Y) : DrawHideMark(endX, r.Y);
    return;
  }
  const textstore::TRowKind kind = screen_->RowKind(r.Index);
  if (marks_->EofMark().Visible() && r.Index == RowCount() - 1 && kind == textstore::rkTextEnd) {
    DrawEofMark(endX, r.Y);
  } else if (marks_->RetMark().Visible() && kind == textstore::rkLineEnd) {
    Selected ? DrawSelRetMark(endX, r.Y) : DrawRetMark(endX, r.Y);
  } else if (marks_->WrapMark().Visible() && kind == textstore::rkWrapped) {
    Selected ? DrawSelWrapMark(endX, r.Y) : DrawWrapMark(endX, r.Y);
  }
}

// --- The handlers' helper --------------------------------------------------------------------

void TEditor::DrawTextRect(const platform::TRect& Rect, int X, int Y, std::string_view S,
                           platform::TColor Color, platform::TFontStyles Style) {
  if (!paintEvent_ || S.empty()) return;
  const platform::TRect clip = Rect.Intersect(paintPiece_);
  if (clip.IsEmpty()) return;
  const TPaintRow& r = paintRow_;
  const std::string map = textstore::ColumnMap(S, Rules());
  const int count = DrawnColumns(map);
  const platform::TColor fore = Color == platform::clNone ? TextColor() : Color;
  // On the row being painted the cells keep the backgrounds the row gave them.
  const int rowX = TextLeft() - horzOffset_;
  const bool onRow = Y == r.Y && (X - rowX) % colWidth_ == 0;
  const int firstCol = FloorDiv(X - rowX, colWidth_);
  std::vector<TPaintCell> cells(static_cast<size_t>(count), TPaintCell{' ', Style, fore, r.PieceBack});
  WalkColumns(S, map, [&](size_t, size_t col, char shown) {
    if (col < cells.size()) cells[col].Byte = shown;
  });
  if (onRow) {
    const int pieceEnd = r.PieceFrom + static_cast<int>(r.Piece.size());
    for (int i = 0; i < count; ++i) {
      const int col = firstCol + i;
      if (col >= r.PieceFrom && col < pieceEnd) {
        cells[static_cast<size_t>(i)].Back = r.Piece[static_cast<size_t>(col - r.PieceFrom)].Back;
      }
    }
  }
  DrawCellRuns(clip, X, Y, cells.data(), count);
}

}  // namespace editor
