#include "textstore/wrap_option.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/errors.h"

namespace textstore {
namespace {

class TOther : public platform::TPersistent {};

class ChangeCounter : public platform::TObject {
 public:
  void Count(platform::TObject* /*Sender*/) { ++changes; }
  platform::TNotifyEvent Event() { return {this, &ChangeCounter::Count}; }
  int changes = 0;
};

TEST(TEditorWrapOption, StartsWithTheBuiltInValues) {
  TEditorWrapOption option;
  EXPECT_FALSE(option.FollowRetMark());
  EXPECT_FALSE(option.FollowPunctuation());
  EXPECT_FALSE(option.Leading());
  EXPECT_FALSE(option.WordBreak());
  EXPECT_EQ(option.WrapByte(), 80);
  using platform::cp932::FromUtf8;
  EXPECT_EQ(option.FollowStr(),
            FromUtf8("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ"));
  EXPECT_EQ(option.LeadStr(), FromUtf8("（［｛「『([{｢"));
  EXPECT_EQ(option.PunctuationStr(), FromUtf8("、。，．,.｡､"));
}

TEST(TEditorWrapOption, EveryEffectiveChangeReportsOnce) {
  TEditorWrapOption option;
  ChangeCounter counter;
  option.SetOnChange(counter.Event());
  const std::pair<void (TEditorWrapOption::*)(bool), bool (TEditorWrapOption::*)() const>
      switches[] = {
          {&TEditorWrapOption::SetFollowRetMark, &TEditorWrapOption::FollowRetMark},
          {&TEditorWrapOption::SetFollowPunctuation, &TEditorWrapOption::FollowPunctuation},
          {&TEditorWrapOption::SetLeading, &TEditorWrapOption::Leading},
          {&TEditorWrapOption::SetWordBreak, &TEditorWrapOption::WordBreak}};
  for (auto [set, get] : switches) {
    counter.changes = 0;
    (option.*set)(true);
    (option.*set)(true);
    EXPECT_TRUE((option.*get)());
    EXPECT_EQ(counter.changes, 1);
  }
  const std::pair<void (TEditorWrapOption::*)(const ByteString&),
                  const ByteString& (TEditorWrapOption::*)() const>
      lists[] = {{&TEditorWrapOption::SetFollowStr, &TEditorWrapOption::FollowStr},
                 {&TEditorWrapOption::SetLeadStr, &TEditorWrapOption::LeadStr},
                 {&TEditorWrapOption::SetPunctuationStr, &TEditorWrapOption::PunctuationStr}};
  for (auto [set, get] : lists) {
    counter.changes = 0;
    (option.*set)(ByteString(std::string((option.*get)().view())));  // same bytes, new string
    EXPECT_EQ(counter.changes, 0);
    (option.*set)(")");
    (option.*set)(ByteString(std::string(")")));
    EXPECT_EQ((option.*get)(), ")");
    EXPECT_EQ(counter.changes, 1);
  }
}

TEST(TEditorWrapOption, WrapByteIsLimitedBeforeItIsCompared) {
  TEditorWrapOption option;
  ChangeCounter counter;
  option.SetOnChange(counter.Event());
  option.SetWrapByte(80);
  EXPECT_EQ(counter.changes, 0);
  option.SetWrapByte(19);
  EXPECT_EQ(option.WrapByte(), 20);
  option.SetWrapByte(10);  // also 20: no change
  EXPECT_EQ(counter.changes, 1);
  option.SetWrapByte(300);
  EXPECT_EQ(option.WrapByte(), 250);
  option.SetWrapByte(251);
  EXPECT_EQ(counter.changes, 2);
  option.SetWrapByte(250 - 1);
  EXPECT_EQ(option.WrapByte(), 249);
  EXPECT_EQ(counter.changes, 3);
}

TEST(TEditorWrapOption, AssignCopiesAllValuesWithOneNotice) {
  TEditorWrapOption source;
  source.SetFollowRetMark(true);
  source.SetFollowPunctuation(true);
  source.SetFollowStr("!");
  source.SetLeading(true);
  source.SetLeadStr("(");
  source.SetPunctuationStr(",");
  source.SetWordBreak(true);
  source.SetWrapByte(33);
  TEditorWrapOption option;
  ChangeCounter counter;
  option.SetOnChange(counter.Event());
  option.Assign(source);
  EXPECT_EQ(counter.changes, 1);
  EXPECT_TRUE(option.FollowRetMark() && option.FollowPunctuation() && option.Leading() &&
              option.WordBreak());
  EXPECT_EQ(option.FollowStr(), "!");
  EXPECT_EQ(option.LeadStr(), "(");
  EXPECT_EQ(option.PunctuationStr(), ",");
  EXPECT_EQ(option.WrapByte(), 33);

  // The wrap routine takes the same values.
  TLineWrapper wrapper;
  wrapper.SetOptions(option.Values());
  EXPECT_EQ(wrapper.Options().WrapByte, 33);
  EXPECT_EQ(wrapper.Options().LeadStr, "(");

  option.BeginUpdate();
  option.Assign(TEditorWrapOption());
  EXPECT_EQ(counter.changes, 1);
  option.EndUpdate();
  EXPECT_EQ(counter.changes, 2);
  EXPECT_EQ(option.WrapByte(), 80);
}

TEST(TEditorWrapOption, AssignFromAnotherKindOfObjectIsRefused) {
  TEditorWrapOption option;
  option.SetWrapByte(40);
  try {
    option.Assign(TOther());
    FAIL() << "no error";
  } catch (const platform::EConvertError& error) {
    EXPECT_STREQ(error.what(), "TOther を TEditorWrapOption に代入することはできません");
  }
  EXPECT_EQ(option.WrapByte(), 40);
}

}  // namespace
}  // namespace textstore
