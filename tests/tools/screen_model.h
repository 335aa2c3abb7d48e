#pragma once
// The screen rows that quillet-dump --screen --wrap loads, without the report: what memory the
// model itself needs, to measure the report against.

#include <memory>
#include <string_view>

#include "fountain/editor_fountain.h"
#include "platform/component.h"
#include "rows/editor_host.h"
#include "rows/screen_strings.h"
#include "textstore/wrap_option.h"

namespace testsupport {

// The viewer's fountain, every row scanned at once.
class ViewerHost : public rows::TNullEditorHost {
 public:
  using TNullEditorHost::TNullEditorHost;
  bool Focused() const override { return true; }
  fountain::TFountain* ActiveFountain() const override { return fountain_.get(); }

 private:
  std::unique_ptr<fountain::TEditorFountain> fountain_ = [] {
    auto f = platform::NewComponent<fountain::TEditorFountain>(nullptr);
    f->SetUrl(true);
    f->SetMail(true);
    return f;
  }();
};

// Loads `text` with word wrap at `width` and the viewer's four line-breaking rules, then drops it.
inline void LoadScreenModel(std::string_view text, int width) {
  std::shared_ptr<rows::TEditorScreenStrings> rows = rows::NewScreenStrings();
  ViewerHost host(rows);
  textstore::TEditorWrapOption& option = rows->WrapOption();
  option.SetFollowRetMark(true);
  option.SetFollowPunctuation(true);
  option.SetLeading(true);
  option.SetWordBreak(true);
  option.SetWrapByte(width);
  rows->SetWordWrap(true);
  rows->LoadText(text);
}

}  // namespace testsupport
