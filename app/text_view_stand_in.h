#pragma once
// STAND-IN for the text view: shows the view text read-only in a plain Qt text box until the
// program's own text view control takes its place. It offers only what the main window asks
// of the view today: replacing the whole text and telling whether something is selected.

#include <QPlainTextEdit>

#include <string>
#include <string_view>

namespace quillet {

class TextViewStandIn : public QPlainTextEdit {
 public:
  explicit TextViewStandIn(QWidget* parent = nullptr);

  // Replaces the whole text (CP932 bytes, lines ending in CR LF).
  void SetText(std::string_view cp932);
  std::string Text() const;  // as last set, CP932

  bool Selected() const { return textCursor().hasSelection(); }

 private:
  std::string text_;
};

}  // namespace quillet
