#pragma once
// The spaces around and between the text view's character cells, in pixels.

#include "platform/notify_persistent.h"

namespace editor {

class TEditorMargin : public platform::TNotifyPersistent {
 public:
  // The four setters limit to 0 … 100 before comparing, and report a change.
  // Extra width of every column.
  int Character() const { return character_; }
  void SetCharacter(int Value);
  // Space left of the text.
  int Left() const { return left_; }
  void SetLeft(int Value);
  // Extra height of every row.
  int Line() const { return line_; }
  void SetLine(int Value);
  // Space above the first row.
  int Top() const { return top_; }
  void SetTop(int Value);
  // Pixels added to the row height for the caret-row underline: the control keeps it at 1
  // while that underline is visible, else 0. Not limited; reports a change. Not streamed.
  int UnderlineAllowance() const { return underlineAllowance_; }
  void SetUnderlineAllowance(int Value);

  // From another margin: all five values as they are, as one change. Other sources go to the
  // base.
  void Assign(const platform::TPersistent& Source) override;

 private:
  void Store(int& Field, int Value);

  int character_ = 0;
  int left_ = 19;
  int line_ = 0;
  int top_ = 2;
  int underlineAllowance_ = 0;
};

}  // namespace editor
