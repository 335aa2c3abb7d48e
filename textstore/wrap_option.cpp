#include "textstore/wrap_option.h"

namespace textstore {

void TEditorWrapOption::Store(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TEditorWrapOption::Store(ByteString& Field, const ByteString& Value) {
  if (Field.view() == Value.view()) return;
  Field = Value;
  Changed();
}

void TEditorWrapOption::SetFollowRetMark(bool Value) {
  Store(values_.FollowRetMark, Value);
}

void TEditorWrapOption::SetFollowPunctuation(bool Value) {
  Store(values_.FollowPunctuation, Value);
}

void TEditorWrapOption::SetFollowStr(const ByteString& Value) {
  Store(values_.FollowStr, Value);
}

void TEditorWrapOption::SetLeading(bool Value) {
  Store(values_.Leading, Value);
}

void TEditorWrapOption::SetLeadStr(const ByteString& Value) {
  Store(values_.LeadStr, Value);
}

void TEditorWrapOption::SetPunctuationStr(const ByteString& Value) {
  Store(values_.PunctuationStr, Value);
}

void TEditorWrapOption::SetWordBreak(bool Value) {
  Store(values_.WordBreak, Value);
}

void TEditorWrapOption::SetWrapByte(int Value) {
  Value = ClampWrapByte(Value);
  if (values_.WrapByte == Value) return;
  values_.WrapByte = Value;
  Changed();
}

void TEditorWrapOption::Assign(const platform::TPersistent& Source) {
  const auto* source = dynamic_cast<const TEditorWrapOption*>(&Source);
  if (source == nullptr) {
    platform::TNotifyPersistent::Assign(Source);
    return;
  }
  values_ = source->values_;
  Changed();
}

}  // namespace textstore
