#pragma once
// The marks the text view draws besides the text: end of text, line ends, wrap points, hidden
// text and the caret-row underline. Any change of one mark is a change of the whole set.

#include <span>

#include "platform/colors.h"
#include "platform/notify_persistent.h"

namespace editor {

class TEditorMark : public platform::TNotifyPersistent {
 public:
  // Both setters report a change.
  platform::TColor Color() const { return color_; }
  void SetColor(platform::TColor Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);

  // From another mark: both values, then one change. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;

 private:
  platform::TColor color_ = platform::clGray;
  bool visible_ = false;
};

class TEditorMarks : public platform::TNotifyPersistent {
 public:
  // The five marks report to this object.
  TEditorMarks();

  // Each setter copies the values into the owned mark.
  TEditorMark& EofMark() { return eofMark_; }
  const TEditorMark& EofMark() const { return eofMark_; }
  void SetEofMark(const TEditorMark& Value) { eofMark_.Assign(Value); }
  TEditorMark& RetMark() { return retMark_; }
  const TEditorMark& RetMark() const { return retMark_; }
  void SetRetMark(const TEditorMark& Value) { retMark_.Assign(Value); }
  TEditorMark& WrapMark() { return wrapMark_; }
  const TEditorMark& WrapMark() const { return wrapMark_; }
  void SetWrapMark(const TEditorMark& Value) { wrapMark_.Assign(Value); }
  TEditorMark& HideMark() { return hideMark_; }
  const TEditorMark& HideMark() const { return hideMark_; }
  void SetHideMark(const TEditorMark& Value) { hideMark_.Assign(Value); }
  TEditorMark& Underline() { return underline_; }
  const TEditorMark& Underline() const { return underline_; }
  void SetUnderline(const TEditorMark& Value) { underline_.Assign(Value); }

  // From other marks: all five, as one change, reported also when one of them fails. Other
  // sources go to the base.
  void Assign(const platform::TPersistent& Source) override;
  // The five marks, by name.
  std::span<const platform::TPublishedProperty> PublishedProperties() const override;

 private:
  TEditorMark eofMark_;
  TEditorMark retMark_;
  TEditorMark wrapMark_;
  TEditorMark hideMark_;
  TEditorMark underline_;
};

}  // namespace editor
