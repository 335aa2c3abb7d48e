#pragma once
// A menu as plain data: what a control offers on its context menu, which the window shows
// with the toolkit's own menu. Captions are CP932 and may mark their access key with "&";
// "-" is a separator.

#include <functional>
#include <string>
#include <vector>

namespace platform {

struct TMenuItem {
  std::string Caption;
  std::string ShortCut;  // as shown, e.g. "Ctrl+Z"; empty for none
  bool Enabled = true;
  bool Checked = false;
  std::vector<TMenuItem> Items;  // a submenu when not empty
  std::function<void()> OnClick;

  bool IsSeparator() const { return Caption == "-"; }
};

}  // namespace platform
