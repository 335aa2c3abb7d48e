#include "editor/editor_popup_menu.h"

#include "editor/editor.h"
#include "platform/cp932.h"

namespace editor {
namespace {

// The items in their order; the indexes name them in BeforePopup.
enum Item : size_t {
  kSetMark, kJumpMark, kSep1, kUndo, kRedo, kSep2, kCut, kCopy, kPaste, kBoxPaste, kDelete,
  kSep3, kSelectAll, kSep4, kBoxMode, kItemCount
};

platform::TMenuItem Entry(const char* utf8Caption, const char* shortCut, std::function<void()> click) {
  platform::TMenuItem item;
  item.Caption = platform::cp932::FromUtf8(utf8Caption);
  item.ShortCut = shortCut;
  item.OnClick = std::move(click);
  return item;
}

// "Ctrl+Z", "Shift+Ctrl+3": the modifiers named and the key, as the items show them.
std::string ShortCutText(int key, platform::TShiftState shift) {
  std::string text;
  if (shift.Shift) text += "Shift+";
  if (shift.Ctrl) text += "Ctrl+";
  if (shift.Alt) text += "Alt+";
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return text + static_cast<char>(key);
  return {};
}

}  // namespace

TEditorPopupMenu::TEditorPopupMenu(TEditor& Control) : control_(Control) { MakeItems(); }

void TEditorPopupMenu::MakeItems() {
  root_.Items.clear();
  platform::TMenuItem setMark = Entry("マーク設定", "", {});
  platform::TMenuItem jumpMark = Entry("マークジャンプ", "", {});
  for (int n = 0; n <= 9; ++n) {
    const std::string digit(1, static_cast<char>('0' + n));
    setMark.Items.push_back(Entry(digit.c_str(), ("Shift+Ctrl+" + digit).c_str(), [this, n] { ToggleMark(n); }));
    jumpMark.Items.push_back(Entry(digit.c_str(), ("Ctrl+" + digit).c_str(), [this, n] { JumpMark(n); }));
  }
  root_.Items = {
      setMark,
      jumpMark,
      Entry("-", "", {}),
      Entry("元に戻す(&U)", "Ctrl+Z", [this] { Undo(); }),
      Entry("やり直し(&R)", "Ctrl+A", [this] { Redo(); }),
      Entry("-", "", {}),
      Entry("切り取り(&T)", "Ctrl+X", [this] { Cut(); }),
      Entry("コピー(&C)", "Ctrl+C", [this] { Copy(); }),
      Entry("貼り付け(&P)", "Ctrl+V", [this] { Paste(); }),
      Entry("Box貼り付け(&B)", "Ctrl+B", [this] { BoxPaste(); }),
      Entry("削除(&D)", "", [this] { Delete(); }),
      Entry("-", "", {}),
      Entry("すべて選択(&A)", "", [this] { SelectAll(); }),
      Entry("-", "", {}),
      Entry("Box選択モード(&K)", "Ctrl+K", [this] { ToggleBoxMode(); }),
  };
  // These wait for BeforePopup to say whether they can act.
  for (Item i : {kUndo, kRedo, kCut, kCopy, kPaste, kBoxPaste, kDelete, kSelectAll}) {
    root_.Items[i].Enabled = false;
  }
}

void TEditorPopupMenu::BeforePopup() {
  TEditor& c = control_;
  const bool writable = !c.ReadOnly();
  const bool selected = c.SelLength() > 0;
  const bool clipboardText = c.ClipboardHasText();
  for (int n = 0; n <= 9; ++n) {
    bool carried = false;
    for (int row = 0; row < c.RowCount() && !carried; ++row) carried = c.RowHasMark(row, n);
    root_.Items[kSetMark].Items[static_cast<size_t>(n)].Checked = carried;
    root_.Items[kJumpMark].Items[static_cast<size_t>(n)].Checked = carried;
  }
  root_.Items[kUndo].Enabled = writable && c.CanUndo();
  root_.Items[kRedo].Enabled = writable && c.CanRedo();
  root_.Items[kCut].Enabled = writable && selected;
  root_.Items[kCopy].Enabled = selected;
  root_.Items[kPaste].Enabled = writable && clipboardText;
  root_.Items[kBoxPaste].Enabled = writable && clipboardText;
  root_.Items[kDelete].Enabled = writable && selected;
  root_.Items[kSelectAll].Enabled = c.RowCount() > 0;
  root_.Items[kBoxMode].Checked = c.SelectionMode() == 1;
}

bool TEditorPopupMenu::ShortCut(int Key, platform::TShiftState Shift) {
  const std::string text = ShortCutText(Key, Shift);
  if (text.empty()) return false;
  BeforePopup();
  for (const platform::TMenuItem& item : root_.Items) {
    for (const platform::TMenuItem& entry : item.Items.empty() ? std::vector<platform::TMenuItem>{item} : item.Items) {
      if (entry.ShortCut != text) continue;
      if (entry.Enabled && entry.OnClick) entry.OnClick();
      return true;
    }
  }
  return false;
}

void TEditorPopupMenu::ToggleMark(int N) {
  if (control_.RowHasMark(control_.Row(), N)) {
    control_.DeleteMark(control_.Row(), N);
  } else {
    control_.PutMark(control_.Row(), N);
  }
}
void TEditorPopupMenu::JumpMark(int N) { control_.GotoMark(N); }
void TEditorPopupMenu::Undo() { if (!control_.ReadOnly()) control_.Undo(); }
void TEditorPopupMenu::Redo() { if (!control_.ReadOnly()) control_.Redo(); }
void TEditorPopupMenu::Cut() { control_.CutToClipboard(); }
void TEditorPopupMenu::Copy() { control_.CopyToClipboard(); }
void TEditorPopupMenu::Paste() { control_.PasteFromClipboard(); }
void TEditorPopupMenu::BoxPaste() { control_.BoxPasteFromClipboard(); }
void TEditorPopupMenu::Delete() { control_.DeleteSelection(); }
void TEditorPopupMenu::SelectAll() { control_.SelectAll(); }
void TEditorPopupMenu::ToggleBoxMode() { control_.SetSelectionMode(control_.SelectionMode() == 1 ? 0 : 1); }

}  // namespace editor
