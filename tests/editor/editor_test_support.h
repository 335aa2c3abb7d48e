#pragma once
// A text view on a fake window, with helpers to fill it with numbered rows.

#include <memory>
#include <string>

#include "editor/editor.h"
#include "platform/component.h"
#include "tests/editor/fake_window.h"

namespace editor::testing {

// Rows "0" ... "count - 1", each ending in a line break except the last.
inline std::string NumberedLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += "\r\n";
    text += std::to_string(i);
  }
  return text;
}

struct EditorFixture {
  explicit EditorFixture(platform::TSize size = {640, 480}) : window(size) {
    editor->SetWindow(&window);
  }
  ~EditorFixture() { editor->SetWindow(nullptr); }
  EditorFixture(const EditorFixture&) = delete;
  EditorFixture& operator=(const EditorFixture&) = delete;

  TEditor& view() { return *editor; }

  FakeWindow window;
  std::unique_ptr<TEditor> editor = platform::NewComponent<TEditor>(nullptr);
};

}  // namespace editor::testing
