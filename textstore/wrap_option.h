#pragma once
// The wrap option object: the values the wrap routine cuts by, with one change notice for
// every effective change. The screen-row list owns it and re-lays out the text on a notice.

#include "platform/notify_persistent.h"
#include "platform/byte_string.h"
#include "textstore/wrap.h"

namespace textstore {

class TEditorWrapOption : public platform::TNotifyPersistent {
 public:
  bool FollowRetMark() const { return values_.FollowRetMark; }
  void SetFollowRetMark(bool Value);
  bool FollowPunctuation() const { return values_.FollowPunctuation; }
  void SetFollowPunctuation(bool Value);
  const ByteString& FollowStr() const { return values_.FollowStr; }
  void SetFollowStr(const ByteString& Value);
  bool Leading() const { return values_.Leading; }
  void SetLeading(bool Value);
  const ByteString& LeadStr() const { return values_.LeadStr; }
  void SetLeadStr(const ByteString& Value);
  const ByteString& PunctuationStr() const { return values_.PunctuationStr; }
  void SetPunctuationStr(const ByteString& Value);
  bool WordBreak() const { return values_.WordBreak; }
  void SetWordBreak(bool Value);
  int WrapByte() const { return values_.WrapByte; }
  // Limited to 20 ... 250 first; a notice only when the limited value differs.
  void SetWrapByte(int Value);

  // All eight values, as the wrap routine takes them.
  const TWrapSettings& Values() const { return values_; }

  // From another wrap option: all eight values and one notice. Other sources go to the base.
  void Assign(const platform::TPersistent& Source) override;

 private:
  // Store a value that differs and report it; lists compare byte for byte.
  void Store(bool& Field, bool Value);
  void Store(ByteString& Field, const ByteString& Value);

  TWrapSettings values_;
};

}  // namespace textstore
