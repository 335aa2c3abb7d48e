#pragma once
// The control's built-in context menu: marks, undo and redo, the clipboard, select-all and box
// mode. It is data (platform::TMenuItem) that the window shows; its enable and check states
// are set by BeforePopup, and its shortcuts work while it is the control's menu.

#include <string>

#include "platform/input_events.h"
#include "platform/menu.h"

namespace editor {

class TEditor;

class TEditorPopupMenu {
 public:
  // Builds the items; the control outlives the menu.
  explicit TEditorPopupMenu(TEditor& Control);
  virtual ~TEditorPopupMenu() = default;
  TEditorPopupMenu(const TEditorPopupMenu&) = delete;
  TEditorPopupMenu& operator=(const TEditorPopupMenu&) = delete;

  platform::TMenuItem& Items() { return root_; }
  // Enables and checks the items for the control's state now.
  virtual void BeforePopup();
  // Runs the item whose shortcut is this key, when it is enabled; false when none is.
  bool ShortCut(int Key, platform::TShiftState Shift);

 protected:
  virtual void ToggleMark(int N);
  virtual void JumpMark(int N);
  virtual void Undo();
  virtual void Redo();
  virtual void Cut();
  virtual void Copy();
  virtual void Paste();
  virtual void BoxPaste();
  virtual void Delete();
  virtual void SelectAll();
  virtual void ToggleBoxMode();
  virtual void MakeItems();

  TEditor& Control() const { return control_; }

 private:
  TEditor& control_;
  platform::TMenuItem root_;
};

}  // namespace editor
