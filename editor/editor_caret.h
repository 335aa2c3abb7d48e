#pragma once
// Caret and pointer behaviour of the text view. Only the caret's Style and TabSpaceCount tell
// the control: they change what is drawn. The Boolean switches, the drag mode and the pointer
// shapes are read by the control when it next needs them, so changing them reports nothing.

#include <cstdint>
#include <span>

#include "platform/cursors.h"
#include "platform/notify_persistent.h"

namespace editor {

// dmAutomatic: a press inside the selection makes a drag pending at once; dmManual leaves
// starting the drag to the program.
enum TDragMode : std::uint8_t { dmManual, dmAutomatic };

enum TEditorCaretStyle : std::uint8_t { csDefault, csBrief };

// Pointer shapes over the parts of the view. Nothing is connected to OnChange by the caret.
class TEditorCursors : public platform::TNotifyPersistent {
 public:
  // Application cursors registered at program start: an arrow pointing right, and the
  // pointer of a selection being dragged as a copy.
  static constexpr platform::TCursor crRightArrow = 1958;
  static constexpr platform::TCursor crDragSelCopy = 1959;

  // Over text.
  platform::TCursor DefaultCursor() const { return defaultCursor_; }
  void SetDefaultCursor(platform::TCursor Value) { defaultCursor_ = Narrow(Value); }
  // While a selection is dragged to move it.
  platform::TCursor DragSelCursor() const { return dragSelCursor_; }
  void SetDragSelCursor(platform::TCursor Value) { dragSelCursor_ = Narrow(Value); }
  // While a selection is dragged to copy it.
  platform::TCursor DragSelCopyCursor() const { return dragSelCopyCursor_; }
  void SetDragSelCopyCursor(platform::TCursor Value) { dragSelCopyCursor_ = Narrow(Value); }
  // Over the selection.
  platform::TCursor InSelCursor() const { return inSelCursor_; }
  void SetInSelCursor(platform::TCursor Value) { inSelCursor_ = Narrow(Value); }
  platform::TCursor LeftMarginCursor() const { return leftMarginCursor_; }
  void SetLeftMarginCursor(platform::TCursor Value) { leftMarginCursor_ = Narrow(Value); }
  platform::TCursor TopMarginCursor() const { return topMarginCursor_; }
  void SetTopMarginCursor(platform::TCursor Value) { topMarginCursor_ = Narrow(Value); }

  // From other cursors: the six numbers, then one change.
  void Assign(const platform::TPersistent& Source) override;

 private:
  // Cursor numbers are stored in 16 bits, as streamed forms keep them.
  static std::int16_t Narrow(platform::TCursor Value) { return static_cast<std::int16_t>(Value); }

  std::int16_t defaultCursor_ = platform::crIBeam;
  std::int16_t dragSelCursor_ = platform::crDrag;
  std::int16_t dragSelCopyCursor_ = crDragSelCopy;
  std::int16_t inSelCursor_ = platform::crDefault;
  std::int16_t leftMarginCursor_ = crRightArrow;
  std::int16_t topMarginCursor_ = platform::crDefault;
};

class TEditorCaret : public platform::TNotifyPersistent {
 public:
  // Plain switches: setting them reports nothing.
  // Pick the pointer shape by what lies under the pointer.
  bool AutoCursor() const { return autoCursor_; }
  void SetAutoCursor(bool Value) { autoCursor_ = Value; }
  // Indenting while typing.
  bool AutoIndent() const { return autoIndent_; }
  void SetAutoIndent(bool Value) { autoIndent_ = Value; }
  bool BackSpaceUnIndent() const { return backSpaceUnIndent_; }
  void SetBackSpaceUnIndent(bool Value) { backSpaceUnIndent_ = Value; }
  // Made and freed with the caret; the setter copies the numbers and reports nothing.
  TEditorCursors& Cursors() { return cursors_; }
  const TEditorCursors& Cursors() const { return cursors_; }
  void SetCursors(const TEditorCursors& Value) { cursors_.Assign(Value); }
  // The caret may stand beyond the end of a row.
  bool FreeCaret() const { return freeCaret_; }
  void SetFreeCaret(bool Value) { freeCaret_ = Value; }
  // Vertical keyboard moves keep a column past the end of a shorter row.
  bool FreeRow() const { return freeRow_; }
  void SetFreeRow(bool Value) { freeRow_ = Value; }
  // The caret may stand inside the fill of a tab.
  bool InTab() const { return inTab_; }
  void SetInTab(bool Value) { inTab_ = Value; }
  // A column cut back at a shorter row is remembered for the following moves.
  bool KeepCaret() const { return keepCaret_; }
  void SetKeepCaret(bool Value) { keepCaret_ = Value; }
  // Scrolling moves the caret row along with the text.
  bool LockScroll() const { return lockScroll_; }
  void SetLockScroll(bool Value) { lockScroll_ = Value; }
  // Left and Right run on across line ends.
  bool NextLine() const { return nextLine_; }
  void SetNextLine(bool Value) { nextLine_ = Value; }
  bool PrevSpaceIndent() const { return prevSpaceIndent_; }
  void SetPrevSpaceIndent(bool Value) { prevSpaceIndent_ = Value; }
  // A press in the left margin selects the whole row.
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool Value) { rowSelect_ = Value; }
  TDragMode SelDragMode() const { return selDragMode_; }
  void SetSelDragMode(TDragMode Value) { selDragMode_ = Value; }
  // A selection may be dragged to move or copy it.
  bool SelMove() const { return selMove_; }
  void SetSelMove(bool Value) { selMove_ = Value; }
  // Tab inserts spaces.
  bool SoftTab() const { return softTab_; }
  void SetSoftTab(bool Value) { softTab_ = Value; }
  // Reports a change.
  TEditorCaretStyle Style() const { return style_; }
  void SetStyle(TEditorCaretStyle Value);
  bool TabIndent() const { return tabIndent_; }
  void SetTabIndent(bool Value) { tabIndent_ = Value; }
  // Columns per tab stop: always 2, 4, 6 or 8. The setter limits to 2 … 8 and rounds down to
  // an even number before comparing, and reports a change.
  int TabSpaceCount() const { return tabSpaceCount_; }
  void SetTabSpaceCount(int Value);
  // Word-wise caret moves stop at symbols too.
  bool TokenEndStop() const { return tokenEndStop_; }
  void SetTokenEndStop(bool Value) { tokenEndStop_ = Value; }

  // From another caret: every value (TabSpaceCount as it is) as one change, reported also
  // when copying the cursors fails. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;
  // Cursors.
  std::span<const platform::TPublishedProperty> PublishedProperties() const override;

 private:
  bool autoCursor_ = true;
  bool autoIndent_ = true;
  bool backSpaceUnIndent_ = true;
  TEditorCursors cursors_;
  bool freeCaret_ = true;
  bool freeRow_ = false;
  bool inTab_ = false;
  bool keepCaret_ = false;
  bool lockScroll_ = false;
  bool nextLine_ = false;
  bool prevSpaceIndent_ = false;
  bool rowSelect_ = true;
  TDragMode selDragMode_ = dmAutomatic;
  bool selMove_ = true;
  bool softTab_ = false;
  TEditorCaretStyle style_ = csDefault;
  bool tabIndent_ = false;
  int tabSpaceCount_ = 8;
  bool tokenEndStop_ = false;
};

}  // namespace editor
