// The built-in context menu: its items, what enables them, their shortcuts, and box paste.
#include <gtest/gtest.h>

#include <optional>

#include "editor/editor_popup_menu.h"
#include "platform/cp932.h"
#include "tests/editor/editor_test_support.h"

namespace editor {
namespace {

using testing::EditorFixture;

class FakeClipboard : public platform::TClipboard {
 public:
  void SetText(std::string_view cp932, bool box) override { content = Content{std::string(cp932), box}; }
  std::optional<Content> Text() const override { return content; }
  std::optional<Content> content;
};

const platform::TMenuItem& ItemCaptioned(TEditor& v, const char* utf8) {
  for (const platform::TMenuItem& item : v.BuiltInPopupMenu().Items().Items) {
    if (item.Caption == platform::cp932::FromUtf8(utf8)) return item;
  }
  ADD_FAILURE() << utf8;
  return v.BuiltInPopupMenu().Items();
}

TEST(EditorPopupMenu, ReadOnlyDisablesEveryItemThatWouldEdit) {
  EditorFixture f;
  TEditor& v = f.view();
  FakeClipboard clipboard;
  clipboard.content = platform::TClipboard::Content{"text", false};
  v.SetClipboard(&clipboard);
  v.Lines().SetTextStr("one\r\ntwo");
  v.Lines().Put(0, "ONE");  // something to undo
  v.SelectAll();
  v.BuiltInPopupMenu().BeforePopup();
  for (const char* caption : {"元に戻す(&U)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)",
                              "Box貼り付け(&B)", "削除(&D)", "すべて選択(&A)"}) {
    EXPECT_TRUE(ItemCaptioned(v, caption).Enabled) << caption;
  }
  EXPECT_FALSE(ItemCaptioned(v, "やり直し(&R)").Enabled);
  v.SetReadOnly(true);
  v.BuiltInPopupMenu().BeforePopup();
  for (const char* caption : {"元に戻す(&U)", "切り取り(&T)", "貼り付け(&P)", "Box貼り付け(&B)",
                              "削除(&D)"}) {
    EXPECT_FALSE(ItemCaptioned(v, caption).Enabled) << caption;
  }
  EXPECT_TRUE(ItemCaptioned(v, "コピー(&C)").Enabled);  // copying stays
  EXPECT_EQ(ItemCaptioned(v, "マーク設定").Items.size(), 10u);
  EXPECT_EQ(ItemCaptioned(v, "マーク設定").Items[3].ShortCut, "Shift+Ctrl+3");
}

TEST(EditorPopupMenu, ShortcutsWorkOnlyWhileItIsTheControlsMenu) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("a\r\nb\r\nc");
  v.SetRow(2);
  v.KeyDown({'5', {true, true, false}, false});  // Shift+Ctrl+5: mark 5 on the caret row
  EXPECT_TRUE(v.RowHasMark(2, 5));
  v.SetRow(0);
  v.KeyDown({'5', {false, true, false}, false});  // Ctrl+5: jump to it
  EXPECT_EQ(v.Row(), 2);
  v.KeyDown({'K', {false, true, false}, false});
  EXPECT_EQ(v.SelectionMode(), 1);
  v.SetPopupMenu(nullptr);  // a host menu of its own: the built-in shortcuts rest
  v.KeyDown({'K', {false, true, false}, false});
  EXPECT_EQ(v.SelectionMode(), 1);
}

TEST(EditorPopupMenu, BoxPastePutsEachLineAtTheCaretColumn) {
  EditorFixture f;
  TEditor& v = f.view();
  FakeClipboard clipboard;
  clipboard.content = platform::TClipboard::Content{"XY\r\nZW\r\nQ", true};
  v.SetClipboard(&clipboard);
  v.Lines().SetTextStr("abcd\r\ne");
  v.SetRowCol(0, 2);
  v.BoxPasteFromClipboard();
  EXPECT_EQ(v.Lines().Text(), "abXYcd\r\ne ZW\r\n  Q");
  v.Undo();
  EXPECT_EQ(v.Lines().Text(), "abcd\r\ne");
}

TEST(EditorReadOnly, SwitchingItOnWithASelectionResetsThePointer) {
  EditorFixture f;
  TEditor& v = f.view();
  v.Lines().SetTextStr("abc");
  v.SelectAll();
  f.window.cursor = 1959;
  v.SetReadOnly(true);
  EXPECT_EQ(f.window.cursor, v.Caret().Cursors().DefaultCursor());
}

}  // namespace
}  // namespace editor
