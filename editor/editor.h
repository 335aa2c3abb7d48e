#pragma once
// TEditor: the text view control. It holds the text as logical lines (Lines) over a shared
// screen-row list, shows it on a fixed grid of rows and columns, keeps a caret and a scroll
// position and colours tokens through the fountain in force. It is plain C++: it draws and
// scrolls through a TEditorWindow, which a Qt widget implements on screen and a fake window in
// tests. Until a window is attached every metric, scrolling and caret operation does nothing.
//
// The code is split by concern: editor.cpp (creation, properties), editor_rows_host.cpp (the
// view the row list talks to), editor_scroll.cpp (metrics, scroll ranges, scrolling,
// positions), editor_caret_rules.cpp (caret rows and columns), editor_changes.cpp (change and
// option notices), editor_messages.cpp (the edit-control messages), editor_paint.cpp.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "editor/editor_bars.h"
#include "editor/editor_caret.h"
#include "editor/editor_margin.h"
#include "editor/editor_popup_menu.h"
#include "editor/editor_marks.h"
#include "editor/editor_speed.h"
#include "editor/editor_view_info.h"
#include "fountain/fountain.h"
#include "platform/clipboard.h"
#include "platform/colors.h"
#include "platform/component.h"
#include "platform/editor_window.h"
#include "platform/font.h"
#include "platform/method.h"
#include "platform/notify_event_list.h"
#include "platform/string_list.h"
#include "rows/editor_strings.h"
#include "rows/screen_strings.h"

namespace editor {

enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBorderStyle : std::uint8_t { bsNone, bsSingle };
enum TEditorHitStyle : std::uint8_t { hsSelect, hsDraw, hsCaret };
enum TSelState : std::uint8_t { ssNoSelection, ssAnchored, ssSelected, ssHit };

// OnDrawLine: once per painted piece of a row (its text, where it was drawn, its row index and
// rectangle, and whether it is a selected piece).
using TDrawLineEvent =
    platform::Method<void(platform::TObject* Sender, const platform::ByteString& LineStr, int X,
                          int Y, int Index, const platform::TRect& ARect, bool Selected)>;
using TSelectionChangeEvent = platform::Method<void(platform::TObject* Sender, bool Selected)>;

// The highest column the view scrolls to; the caret may stand one or two further.
inline constexpr int kColLimit = 1000;

class TEditor : public platform::TComponent, public platform::TWindowClient {
 public:
  TEditor(Key key, platform::TComponent* Owner);
  ~TEditor() override;

  // --- The window -------------------------------------------------------------------------
  // Attaches the window (nullptr detaches it; do so before either goes away). Attaching runs
  // the window-creation steps: metrics, scroll bars, ranges.
  void SetWindow(platform::TEditorWindow* Window);
  platform::TEditorWindow* Window() const { return window_; }
  bool HandleAllocated() const { return window_ != nullptr; }
  // Outer size: the window's, or the design size (185 x 89) without one.
  int Width() const;
  int Height() const;

  // TWindowClient
  void Paint(platform::TCanvas& Canvas, const platform::TRect& Dirty) override;
  void Resized() override;
  void ScrollBarAction(platform::TScrollAxis Axis, int Code, int Pos) override;
  void FocusChanged(bool Focused) override;

  // --- Published properties ---------------------------------------------------------------
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  TEditorCaret& Caret() { return *caret_; }
  void SetCaret(const TEditorCaret& Value) { caret_->Assign(Value); }
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor Value);
  platform::TFont& Font() { return *font_; }
  void SetFont(const platform::TFont& Value) { font_->Assign(Value); }
  // The fountain in use when set; referenced, not owned (dropped when it is freed).
  fountain::TFountain* Fountain() const { return fountain_; }
  void SetFountain(fountain::TFountain* Value);
  TEditorHitStyle HitStyle() const { return hitStyle_; }
  void SetHitStyle(TEditorHitStyle Value);
  TEditorImagebar& Imagebar() { return *imagebar_; }
  void SetImagebar(const TEditorImagebar& Value) { imagebar_->Assign(Value); }
  TEditorLeftbar& Leftbar() { return *leftbar_; }
  void SetLeftbar(const TEditorLeftbar& Value) { leftbar_->Assign(Value); }
  rows::TEditorStrings& Lines() { return *lines_; }
  void SetLines(const platform::TStrings& Value) { lines_->Assign(Value); }
  TEditorMargin& Margin() { return *margin_; }
  void SetMargin(const TEditorMargin& Value) { margin_->Assign(Value); }
  TEditorMarks& Marks() { return *marks_; }
  void SetMarks(const TEditorMarks& Value) { marks_->Assign(Value); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value);
  // The reserved words of View's fountain.
  const platform::TStringList& ReserveWordList() const;
  void SetReserveWordList(const platform::TStrings& Value);
  TEditorRuler& Ruler() { return *ruler_; }
  void SetRuler(const TEditorRuler& Value) { ruler_->Assign(Value); }
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle Value);
  TEditorSpeed& Speed() { return *speed_; }
  void SetSpeed(const TEditorSpeed& Value) { speed_->Assign(Value); }
  int UndoListMax() const;
  void SetUndoListMax(int Value);  // below 64 stores 64
  TEditorViewInfo& View() { return *view_; }
  void SetView(const TEditorViewInfo& Value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool Value) { wantReturns_ = Value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool Value) { wantTabs_ = Value; }
  bool WordWrap() const { return screen_->WordWrap(); }
  void SetWordWrap(bool Value) { screen_->SetWordWrap(Value); }
  textstore::TEditorWrapOption& WrapOption() { return screen_->WrapOption(); }
  void SetWrapOption(const textstore::TEditorWrapOption& Value) { WrapOption().Assign(Value); }

  // --- Events -----------------------------------------------------------------------------
  platform::TNotifyEvent OnCaretMoved;
  platform::TNotifyEvent OnChange;
  TDrawLineEvent OnDrawLine;
  TSelectionChangeEvent OnSelectionChange;
  platform::TNotifyEvent OnSelectionModeChange;
  platform::TNotifyEvent OnTopColChange;
  platform::TNotifyEvent OnTopRowChange;

  // --- State ------------------------------------------------------------------------------
  int Row() const { return row_; }
  int Col() const { return col_; }
  int TopRow() const { return topRow_; }
  int TopCol() const { return topCol_; }
  int VisibleRowCount() const { return visibleRowCount_; }
  int VisibleColCount() const { return visibleColCount_; }
  int ColWidth() const { return colWidth_; }
  int FontHeight() const { return fontHeight_; }
  int MaxTopRow() const { return maxTopRow_; }
  int HorzOffset() const { return horzOffset_; }
  bool Modified() const { return modified_; }
  void SetModified(bool Value) { modified_ = Value; }
  bool KeyRepeat() const { return keyRepeat_; }
  void SetKeyRepeat(bool Value) { keyRepeat_ = Value; }
  bool SlantedFont() const { return slantedFont_; }
  // Derived metrics (pixels).
  int RowHeight() const;
  int TextTop() const;
  int TextLeft() const;
  int ImagebarWidth() const;
  int LeftbarWidth() const { return leftbarWidth_; }
  int RulerHeight() const;
  // The area the view paints: the outer size less the scroll bars shown (and the border).
  platform::TRect ClientRect() const;
  const textstore::ByteSet& WordDelimiters() const { return wordDelimiters_; }
  // The fountain that tokenises: Fountain when set, else View's.
  fountain::TFountain& ActiveFountain() const;
  rows::TEditorScreenStrings& ScreenStrings() const { return *screen_; }
  int RowCount() const { return screen_->Count(); }

  // --- Scrolling --------------------------------------------------------------------------
  void SetTopRow(int Value);
  void SetTopCol(int Value);
  // Moves the view by N rows, the caret keeping its place on screen (the page keys).
  void ScrollRows(int N);
  // The page keys' move: (VisibleRowCount - 1) div 2 x the speed, up (-1) or down (+1).
  void PageScroll(int Direction);
  // Brings the caret into view by the caret-move rule, or by thirds (the edit-control
  // message's rule).
  void ScrollCaret();
  void ScrollCaretByThirds();

  // --- Positions --------------------------------------------------------------------------
  // Row and column of a client point; Snap rounds to the nearer cell edge. The row is not
  // limited to the text.
  void PosToRowCol(int X, int Y, int& ARow, int& ACol, bool Snap) const;
  platform::TPoint CaretPos() const;
  // Pixel rectangle of a visible row (text left to the width, FontHeight high).
  platform::TRect RowRect(int ARow) const;

  // --- Caret ------------------------------------------------------------------------------
  // Caret row: clamped to the rows (the place after a final line break included), then the
  // column rules of a vertical move.
  void SetRow(int Value);
  // Caret column: 0 ... 1001, then the column rules of a horizontal move.
  void SetCol(int Value);
  void SetRowCol(int ARow, int ACol);
  // Nesting: the first hide hides the caret, the show that ends the nesting shows it again.
  void CaretHide();
  void CaretShow();
  // Shape, scroll into view, position, show.
  void UpdateCaret();
  bool CaretShown() const { return caretShown_; }
  // The column map of a row (empty outside the rows), by the view's column rules.
  std::string RowColumnMap(int ARow) const;
  // Column where End puts the caret on a row: the length of its column map.
  int RowEndCol(int ARow) const;

  // --- Selection ---------------------------------------------------------------------------
  // Columns of the selection as painted: rows StartRow ... EndRow; in stream mode the start
  // row from StartCol and the end row up to EndCol, in box mode columns StartCol ... EndCol
  // of every row.
  struct TColSelection {
    int StartRow = 0;
    int EndRow = 0;
    int StartCol = 0;
    int EndCol = 0;
    friend bool operator==(const TColSelection&, const TColSelection&) = default;
  };
  // Bytes of the selection: StartByte inclusive on StartRow to EndByte inclusive on EndRow
  // (-1: the selection ends before the first byte of its end row).
  struct TByteSelection {
    int StartRow = 0;
    int EndRow = 0;
    int StartByte = 0;
    int EndByte = -1;
  };
  TSelState SelState() const { return selState_; }
  // Selected only in state ssSelected; a hit is no selection for copying.
  bool Selected() const { return selState_ == ssSelected; }
  // The selection is painted: selected, or a hit drawn as such.
  bool SelectionShown() const {
    return selState_ == ssSelected || (selState_ == ssHit && hitStyle_ == hsDraw);
  }
  const TColSelection& ColSelection() const { return colSel_; }
  const TByteSelection& ByteSelection() const { return byteSel_; }
  // 0 line (stream) selection, 1 box selection.
  int SelectionMode() const { return selectionMode_; }
  void SetSelectionMode(int Value);
  void StartSelection();
  void ExtendSelection();
  void ClearSelection();
  void SelectAll();
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  std::string SelText() const;
  void SelectRow(int ARow);
  void ExtendRowSelection(int ARow);
  void EndRowSelection() { rowSel_.Active = false; }
  // Byte index of the caret in its row.
  int CaretByte() const;
  // Byte index in row ARow of column ACol: columns of tab fill do not count.
  int ColToByte(int ARow, int ACol) const;
  // Column of byte AByte of row ARow.
  int ByteToCol(int ARow, int AByte) const;
  // Byte index within its logical line of the character at (ARow, ACol); -1 outside.
  int ColToChar(int ARow, int ACol) const;
  // Total length: every row, + 2 for each row that ends a logical line.
  int TextLength() const;

  // --- Clipboard and editing ---------------------------------------------------------------
  // The clipboard the control copies to and pastes from; none: copying does nothing.
  void SetClipboard(platform::TClipboard* Clipboard) { clipboard_ = Clipboard; }
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void DeleteSelection();
  // Replaces the selection (or inserts at the caret) by Text, through the edit primitive.
  void ReplaceSelection(std::string_view Text);
  // Pastes the clipboard's lines as a rectangle: line i at the caret's column of the caret's
  // row + i, rows too short padded with spaces, rows past the end added.
  void BoxPasteFromClipboard();
  bool ClipboardHasText() const;

  // --- Context menu ------------------------------------------------------------------------
  // The menu the control shows and whose shortcuts it takes: its built-in one, unless the host
  // shows a menu of its own (nullptr).
  TEditorPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TEditorPopupMenu* Menu) { popupMenu_ = Menu; }
  TEditorPopupMenu& BuiltInPopupMenu() const { return *builtInMenu_; }
  void ContextMenu(platform::TPoint At) override;

  // --- Painting -----------------------------------------------------------------------------
  // The caret-row underline follows the caret: callers pair these around every change of the
  // caret row, scrolling and selection.
  void HideUnderline();
  void ShowUnderline();
  // The y of the underline below a row, or -1 outside the text area.
  int UnderlinePos(int ARow) const;
  // The underline is to be painted under the caret row now.
  bool UnderlineShown() const;
  // During OnDrawLine: the canvas its handler draws on; nullptr at any other time.
  platform::TCanvas* PaintCanvas() const { return paintEvent_ ? paintCanvas_ : nullptr; }
  // For OnDrawLine handlers: draws S over the row being painted, its first byte in the cell
  // at (X, Y) (OnDrawLine's X and Y are the row's column 0) and its characters on the
  // columns the view gives them (a tab takes its fill), cut at the column limit and clipped
  // to Rect. Color clNone is the font colour; fsUnderline is a dotted line on the cells'
  // last pixel row. The cells keep the background the row gave them and show S instead of
  // their own text. Does nothing outside OnDrawLine.
  void DrawTextRect(const platform::TRect& Rect, int X, int Y, std::string_view S,
                    platform::TColor Color, platform::TFontStyles Style);

  // --- Hit testing, search and marks -------------------------------------------------------
  // The token under a client point or at the caret: its kind (toEof for none) and text.
  struct TTokenHit {
    std::uint8_t Kind = 0;
    std::string Text;
    int Row = 0;    // the row the token's scan started from
    int Start = 0;  // its first byte, counted from that row's start
  };
  std::uint8_t TokenFromPos(platform::TPoint P);
  std::uint8_t TokenFromCaret();
  std::uint8_t TokenStringFromPos(platform::TPoint P, std::string& S);
  std::uint8_t TokenStringFromCaret(std::string& S);
  // Selects the token (an ordinary selection); false when there is none.
  bool SelectTokenFromPos(platform::TPoint P);
  bool SelectTokenFromCaret();
  // The next (soForward) or previous occurrence of Text after or before the selection, hit or
  // caret, shown as HitStyle says; false when there is none.
  bool Search(std::string_view Text, std::uint16_t Options);
  // Shows Length bytes from the caret as a hit of the current HitStyle.
  void SelectHit(int Length);
  // Row marks 0 ... 15; marks 0 ... 9 are bookmarks, on one row at a time. Other numbers are
  // ignored.
  void PutMark(int ARow, int N);
  void DeleteMark(int ARow, int N);
  void GotoMark(int N);
  bool RowHasMark(int ARow, int N) const;

  // --- Edit-control messages --------------------------------------------------------------
  // The platform's multi-line edit messages with their numbers (see editor_messages.h).
  // Unknown messages answer 0.
  std::intptr_t Perform(unsigned Msg, std::uintptr_t WParam, std::intptr_t LParam);

  // --- Operations the messages and views share --------------------------------------------
  bool CanUndo() const;
  void Undo();
  bool CanRedo() const;
  void Redo();
  void EmptyUndoBuffer();
  // Shows the text of Other: drops this view's row list and shares Other's.
  void ShareScreenStrings(TEditor& Other);
  // Loading from a form finished: wrap, refresh, Modified cleared.
  void Loaded();
  // The option-change handler of every option object and of the fountain in force.
  void OptionChanged(platform::TObject* Sender);

  // --- Input ------------------------------------------------------------------------------
  // The host's view of keys and the mouse. OnKeyDown comes before the control acts on a key:
  // a handler that sets Key to 0 stops the control. The mouse events come after the control
  // placed the caret; OnClick ends a left press made on the control (not a double-click).
  using TKeyHandler =
      platform::Method<void(platform::TObject* Sender, int& Key, platform::TShiftState Shift)>;
  using TMouseHandler =
      platform::Method<void(platform::TObject* Sender, platform::TMouseButton Button,
                            platform::TShiftState Shift, int X, int Y)>;
  using TMouseMoveHandler =
      platform::Method<void(platform::TObject* Sender, platform::TShiftState Shift, int X, int Y)>;
  // Setting Handled keeps the control from scrolling.
  using TMouseWheelHandler =
      platform::Method<void(platform::TObject* Sender, platform::TShiftState Shift,
                            int WheelDelta, platform::TPoint MousePos, bool& Handled)>;
  TKeyHandler OnKeyDown;
  TKeyHandler OnKeyUp;
  TMouseHandler OnMouseDown;
  TMouseMoveHandler OnMouseMove;
  TMouseHandler OnMouseUp;
  platform::TNotifyEvent OnClick;
  platform::TNotifyEvent OnDblClick;
  TMouseWheelHandler OnMouseWheel;

  // TWindowClient input (editor_input.cpp). While the left button is held on the control or a
  // selection drag is pending or active, input is swallowed (Ctrl and Esc steer the drag).
  bool KeyDown(const platform::TKeyEvent& Event) override;
  bool KeyUp(const platform::TKeyEvent& Event) override;
  bool Char(std::string_view Text) override;
  void MouseDown(const platform::TMouseEvent& Event) override;
  void MouseMove(const platform::TMouseEvent& Event) override;
  void MouseUp(const platform::TMouseEvent& Event) override;
  void DoubleClick(const platform::TMouseEvent& Event) override;
  bool Wheel(const platform::TWheelEvent& Event) override;
  void InputMethod(const platform::TImeEvent& Event) override;
  bool AcceptsText() const override { return !readOnly_; }
  bool AcceptsTab() const override { return wantTabs_; }
  // The wheel when no OnMouseWheel handler took it: three rows per notch, as line steps of the
  // vertical scroll bar. Parts of a notch add up.
  virtual void MouseWheel(int WheelDelta);
  // The pointer shape over the control; with Caret.AutoCursor the control picks it as the
  // pointer moves.
  platform::TCursor Cursor() const { return cursor_; }
  void SetCursor(platform::TCursor Value);
  // Drag of the selection: 0 none, 1 pending (pressed inside it), 2 dragging.
  int DragState() const { return dragState_; }

 protected:
  void Create() override;
  void Notification(platform::TComponent* Component) override;

  // Factories, so that a descendant can substitute its own classes.
  virtual std::unique_ptr<TEditorCaret> CreateEditorCaret();
  virtual std::unique_ptr<TEditorImagebar> CreateEditorImagebar();
  virtual std::unique_ptr<TEditorLeftbar> CreateEditorLeftbar();
  virtual std::unique_ptr<TEditorMarks> CreateEditorMarks();
  virtual std::unique_ptr<TEditorMargin> CreateEditorMargin();
  virtual std::unique_ptr<TEditorRuler> CreateEditorRuler();
  virtual std::unique_ptr<TEditorSpeed> CreateEditorSpeed();
  virtual std::shared_ptr<rows::TEditorScreenStrings> CreateScreenStrings();
  virtual std::unique_ptr<rows::TEditorStrings> CreateEditorStrings();
  virtual std::unique_ptr<TEditorViewInfo> CreateViewInfo();
  virtual std::unique_ptr<TEditorPopupMenu> CreatePopupMenu();
  // The word delimiters, filled at creation.
  virtual void InitWordDelimiters(textstore::ByteSet& Delimiters);

  // Event dispatchers.
  virtual void DoCaretMoved();
  virtual void DoChange();
  virtual void DoTopColChange();
  virtual void DoTopRowChange();

  // Painting. Raises OnDrawLine for one painted piece of a row.
  virtual void DoDrawLine(const platform::ByteString& LineStr, int X, int Y, int Index,
                          const platform::TRect& ARect, bool Selected);
  // The marks, at the top left (X, Y) of the column after a row's text (of the text area's
  // first row for the end of an empty text). They draw only while Paint runs, inside the
  // piece of the row being painted.
  virtual void DrawEofMark(int X, int Y);
  virtual void DrawRetMark(int X, int Y);
  virtual void DrawSelRetMark(int X, int Y);
  virtual void DrawWrapMark(int X, int Y);
  virtual void DrawSelWrapMark(int X, int Y);
  virtual void DrawHideMark(int X, int Y);
  virtual void DrawSelHideMark(int X, int Y);

 private:
  class RowsHost;
  friend class RowsHost;

  // editor_scroll.cpp
  void InitWindow();
  void RecalcMetrics();
  void RecalcScrollRanges();
  void ApplyScrollBarVisibility();
  // Digits of the line-number bar and its width; true when the digit count changed.
  bool CalcLineNumberDigits();
  void CalcLeftbarWidth();
  // Scrolls the pixels of the text rows (or columns) and paints the exposed band at once.
  void ScrollPixels(int Dx, int Dy, const platform::TRect& Area);
  // Rows First ... Last, clamped to the visible ones, the bars included; painted at once
  // unless PaintNow is off (then whoever finishes the change paints).
  void InvalidateRows(int First, int Last, bool PaintNow = true);
  void RepaintAll();
  void ScrollBarMessage(platform::TScrollAxis Axis, int Code, int Pos);
  void MoveImeWindow();
  // editor_changes.cpp
  void RowsChanged();
  void RefreshChangedRows();
  void RefreshScreen();
  // editor_caret_rules.cpp
  void ApplyColumnRules(int Direction, bool Vertical);
  void Remember(bool Vertical, int Value);
  bool CaretInView() const;
  void CreateCaretShape();
  void SetCaretScreenPos();
  void ShowCaretIfAllowed();
  // After the view moved or changed size under the caret: its pixel place again, hidden while
  // outside the view. No event: the caret did not move in the text.
  void PlaceCaret();
  // editor_hit_test.cpp
  std::optional<TTokenHit> TokenAtCell(int ARow, int ACol);
  std::optional<TTokenHit> TokenAtPoint(platform::TPoint P);
  // editor_selection.cpp
  void UpdateSelection();
  void RepaintSelectionChange();
  // editor_paint*.cpp
  void DrawUnderline(int ARow);
  void EraseUnderline(int ARow);
  // editor.cpp
  textstore::ColumnRules Rules() const;
  void AttachRows(std::shared_ptr<rows::TEditorScreenStrings> Rows);
  void DetachRows();
  platform::TNotifyEvent OptionHandler() { return {this, &TEditor::OptionChanged}; }
  void FontChanged(platform::TObject* Sender);
  void SubscribeFountain(fountain::TFountain* Value);

  platform::TEditorWindow* window_ = nullptr;
  TBorderStyle borderStyle_ = bsSingle;
  platform::TColor color_ = platform::clWhite;
  std::unique_ptr<platform::TFont> font_;
  fountain::TFountain* fountain_ = nullptr;
  platform::TNotifyRegistration fountainListener_;
  TEditorHitStyle hitStyle_ = hsSelect;
  bool readOnly_ = false;
  TScrollStyle scrollBars_ = ssNone;
  bool wantReturns_ = true;
  bool wantTabs_ = true;

  std::unique_ptr<RowsHost> rowsHost_;
  std::shared_ptr<rows::TEditorScreenStrings> screen_;
  std::unique_ptr<rows::TEditorStrings> lines_;
  std::unique_ptr<TEditorViewInfo> view_;
  std::unique_ptr<TEditorCaret> caret_;
  std::unique_ptr<TEditorMarks> marks_;
  std::unique_ptr<TEditorMargin> margin_;
  std::unique_ptr<TEditorImagebar> imagebar_;
  std::unique_ptr<TEditorLeftbar> leftbar_;
  std::unique_ptr<TEditorRuler> ruler_;
  std::unique_ptr<TEditorSpeed> speed_;
  std::unique_ptr<TEditorPopupMenu> builtInMenu_;
  TEditorPopupMenu* popupMenu_ = nullptr;
  textstore::ByteSet wordDelimiters_;

  int row_ = 0;
  int col_ = 0;
  int topRow_ = 0;
  int topCol_ = 0;
  int visibleRowCount_ = 1;
  int visibleColCount_ = 0;
  int colWidth_ = 8;
  int fontHeight_ = 16;
  int maxTopRow_ = 0;
  int horzOffset_ = 0;
  int leftbarDigits_ = 4;
  // The tab width the rows were last laid out with.
  int tabSpaceCount_ = 8;
  int leftbarWidth_ = 0;
  platform::TFontHandle fontHandle_;
  bool modified_ = false;
  bool keyRepeat_ = false;
  bool slantedFont_ = false;
  bool destroying_ = false;
  bool loading_ = false;
  // Lines runs a batch of operations: nothing is painted until it ends.
  bool linesUpdating_ = false;
  // Caret bookkeeping.
  int caretHideCount_ = 0;
  bool caretShown_ = false;
  bool caretCreated_ = false;
  int rememberedCol_ = 0;
  bool rememberedValid_ = false;
  int deferCaret_ = 0;
  // The left button is held on the control (the column rules remember differently then).
  bool leftButtonDown_ = false;
  // A vertical move by the keyboard (FreeRow lets the caret stay past the row end then).
  bool keyboardVerticalMove_ = false;

  // Selection.
  TSelState selState_ = ssNoSelection;
  int selectionMode_ = 0;
  struct TAnchor {
    int Row = 0;
    int Col = 0;
    int Byte = 0;
  } anchor_;
  TColSelection colSel_;
  TByteSelection byteSel_;
  TColSelection prevColSel_;  // what the screen shows now
  struct TRowSelectionDrag {
    int AnchorRow = 0;
    bool Active = false;
  } rowSel_;
  // Input.
  bool InputHeld() const { return leftButtonDown_ || dragState_ != 0; }
  bool KeyHeld(int Key) const;
  bool MoveKey(int Key, platform::TShiftState Shift);
  void MoveCaretByKey(int Key, bool Ctrl);
  // The word jump of Ctrl+Left and Ctrl+Right; false when the position stays.
  bool NextTokenPos(int& ARow, int& ACol, int Direction) const;
  void TypeText(std::string_view Text);
  void DeleteChar(bool Backward);
  // Replaces Count rows from First by Text and puts the caret Offset bytes into it.
  void EditRows(int First, int Count, const std::string& Text, int Offset);
  void PressLeft(const platform::TMouseEvent& Event);
  void ReleaseLeft(const platform::TMouseEvent& Event);
  void DragKey(int Key, bool Down);
  void Drop(const platform::TMouseEvent& Event);
  bool SelectionDraggable() const;
  bool InsideSelection(int ARow, int ACol) const;
  bool FarFromPress(int X, int Y) const;
  void SetCursorKind(int Kind);
  void EndScreenCursor();
  int dragState_ = 0;
  int cursorKind_ = -1;  // none chosen yet
  platform::TCursor cursor_ = platform::crIBeam;
  platform::TPoint pressPoint_;
  bool clicked_ = false;  // a left press on the control waits for its release
  int wheelRest_ = 0;
  bool imeOpen_ = false;  // a composition is open: the caret hides meanwhile
  platform::TClipboard* clipboard_ = nullptr;
  // A search hit: its length, and whether the selection being made is a drawn hit.
  int hitLength_ = 0;
  bool hitDrawing_ = false;
  // Where the last search hit lies in bytes, and the selection it left: a hit past the column
  // limit leaves a cut selection, and the next search must go on from the hit itself.
  struct TSearchHit {
    int Row = 0;
    int Byte = 0;
    int Length = 0;
    TByteSelection Shown;
  };
  std::optional<TSearchHit> lastHit_;
  // Painting.
  int underlineHideCount_ = 0;
  // One column of the row being painted: the byte shown (a tab and its fill, control bytes
  // blank), its colours (never clNone) and style.
  struct TPaintCell {
    char Byte = ' ';
    platform::TFontStyles Style;
    platform::TColor Fore = platform::clBlack;
    platform::TColor Back = platform::clWhite;
  };
  // The row being painted: its text, the text scanned and handed to OnDrawLine (with the
  // next row's after a wrap), its column map, display width, the columns drawn (cut at the
  // column limit), whether any of it can be visible, and its cells from column 0.
  struct TPaintRow {
    int Index = 0;
    int Y = 0;
    platform::ByteString Text;
    platform::ByteString LineStr;
    std::string Map;
    int Width = 0;
    int Cut = 0;
    bool Reachable = false;
    std::vector<TPaintCell> Cells;
    std::vector<int> ByteCols;  // column of each mapped byte, then the map's end
    // The piece being painted: its cells as drawn from column PieceFrom, its background.
    std::vector<TPaintCell> Piece;
    int PieceFrom = 0;
    platform::TColor PieceBack = platform::clWhite;
  };
  // editor_paint.cpp
  void PaintTextArea(const platform::TRect& Area);
  void PaintRowPieces(const platform::TRect& Rect);
  // Columns StartCol ... EndCol of the row being painted, limited to its width and moved
  // off second halves of double-byte characters, as pixel x's.
  void ColumnSpan(int StartCol, int EndCol, int& X1, int& X2) const;
  platform::TColor BackColor() const;
  platform::TColor TextColor() const;
  void SelectionColors(platform::TColor& Fore, platform::TColor& Back) const;
  platform::TRgb Rgb(platform::TColor Color) const;
  // editor_paint_row.cpp
  void ComposeRow(int ARow, int Y, const platform::TRect& Rect, fountain::TFountainParser& Parser);
  void PaintPiece(const platform::TRect& Rect, bool Selected);
  void DrawRowMark(const platform::TRect& Rect, bool Selected);
  // Count cells from (X, Y), clipped to Clip: backgrounds as high as Clip, then the text of
  // each run of equal colours and style once, with its dotted underline.
  void DrawCellRuns(const platform::TRect& Clip, int X, int Y, const TPaintCell* Cells, int Count);
  platform::TFontHandle StyleFont(platform::TFontStyles Style);
  platform::TCanvas* paintCanvas_ = nullptr;  // set while Paint runs
  platform::TRect paintPiece_;                // the piece being painted
  bool paintEvent_ = false;                   // OnDrawLine is being raised
  TPaintRow paintRow_;
  // Fonts of the view's face by style (bold, italic, strike-out), made once per window font.
  platform::TFontHandle styleFonts_[8] = {};
  platform::TFontHandle styleFontsBase_;
  const platform::TEditorWindow* styleFontsWindow_ = nullptr;
  // Margin bars. editor_bars_paint.cpp: the corner, the ruler and the image and line-number
  // bars of a paint request, drawn straight onto the paint canvas; rows First ... Last.
  void PaintBars(const platform::TRect& Dirty);
  void PaintCorner();
  void PaintRuler(const platform::TRect& Band);
  void PaintLeftbar(int FirstRow, int LastRow);
  void PaintImagebar(int FirstRow, int LastRow);
  // The ruler marks one column, the caret's: these move the mark and invalidate the cell;
  // FollowRulerMark moves it to the caret's column and paints at once.
  void MarkRulerColumn(int ACol);
  void UnmarkRulerColumn(int ACol);
  void FollowRulerMark();
  int rulerMarkCol_ = 0;
};

}  // namespace editor
