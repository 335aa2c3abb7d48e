#include "app/view_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/component.h"
#include "platform/cp932.h"
#include "platform/font.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

using editor::TEditor;
using platform::TFontStyles;

TEditor& NewView(std::unique_ptr<TEditor>& holder) {
  holder = platform::NewComponent<TEditor>(nullptr);
  return *holder;
}

TEST(StyleFromSetting, AddsTheWeightsOfEvenValuesUpToThirty) {
  using enum platform::TFontStyle;
  EXPECT_EQ(StyleFromSetting(0), TFontStyles{});
  EXPECT_EQ(StyleFromSetting(2), TFontStyles{fsBold});
  EXPECT_EQ(StyleFromSetting(6), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(StyleFromSetting(8), TFontStyles{fsUnderline});
  EXPECT_EQ(StyleFromSetting(24), (TFontStyles{fsStrikeOut, fsUnderline}));
  EXPECT_EQ(StyleFromSetting(30), (TFontStyles{fsStrikeOut, fsUnderline, fsItalic, fsBold}));
  for (int none : {3, 29, 31, 32, 1000, -2, -8}) EXPECT_EQ(StyleFromSetting(none), TFontStyles{}) << none;
}

class ViewSettingsTest : public ::testing::Test {
 protected:
  platform::TIniFile Ini(const std::string& text) {
    return platform::TIniFile(scratch_.Write("quillet.ini", text));
  }
  testsupport::ScratchDir scratch_;
  std::unique_ptr<TEditor> holder_;
  TEditor& view_ = NewView(holder_);
};

// The defaults themselves are a table; what matters is that a missing file is no error and
// gives what the view gets without any file.
TEST_F(ViewSettingsTest, NoFileGivesTheDefaults) {
  ApplyTextViewSettings(platform::TIniFile(scratch_.Path() + "/missing.ini"), view_);
  std::unique_ptr<TEditor> other;
  ApplyTextViewDefaults(NewView(other));
  EXPECT_EQ(other->Font().Spec(), view_.Font().Spec());
  EXPECT_EQ(view_.Font().Name(), platform::cp932::FromUtf8("ＭＳ ゴシック"));
  EXPECT_EQ(view_.Color(), platform::clWindow);
  EXPECT_EQ(view_.View().Colors().Select().BkColor(), platform::clHighlight);
  EXPECT_EQ(view_.WrapOption().Values().LeadStr, other->WrapOption().Values().LeadStr);
}

TEST_F(ViewSettingsTest, KeysSetTheirOptionsWithTheirLimitsAndSpellings) {
  const std::string follow = platform::cp932::FromUtf8("。」");
  ApplyTextViewSettings(Ini("[Editor]\nColor=0x00FFFF\nUndoListMax=10\n"
                            "[Editor\\Caret]\nAutoIndent=1\nSelDragMode=1\nStyle=1\n"
                            "TabSpaceCount=5\nFreeCaret=7\nKeepCaret=0\n"
                            "[Editor\\Colors]\nAnkColor=0x0000FF\nDBCSColor=255\n"
                            "IntColor=-2147483643\nStrColor=$FF00\nSymbolColor=red\n"
                            "UrlStyle=0\nMailStyle=3\nCommentStyle=6\nReserveBkColor=0x80000008\n"
                            "HitColor=0x123456\n"
                            "[Editor\\Font]\nName=IPAGothic\nSize=9\nCharset=0\n"
                            "[Editor\\Margin]\nLeft=150\nTop=-5\nCharacter=2\nLine=3\n"
                            "[Editor\\Marks]\nRetMarkColer=0x0000FF\nRetMarkColor=0x00FF00\n"
                            "EofMarkVisible=0\nUnderlineVisible=0\n"
                            "[Editor\\View]\nMail=0\nHexPrefix=0x\nControlCode=1\n"
                            "[Editor\\WrapOption]\nFollowStr=" + follow +
                            "\nLeading=0\nWordBreak=0\n"),
                        view_);
  EXPECT_EQ(view_.Color(), 0x00FFFF);
  EXPECT_EQ(view_.UndoListMax(), 64);
  EXPECT_TRUE(view_.Caret().AutoIndent());
  EXPECT_EQ(view_.Caret().SelDragMode(), editor::dmAutomatic);
  EXPECT_EQ(view_.Caret().Style(), editor::csBrief);
  EXPECT_EQ(view_.Caret().TabSpaceCount(), 4);
  EXPECT_TRUE(view_.Caret().FreeCaret());
  EXPECT_FALSE(view_.Caret().KeepCaret());
  const fountain::TEditorColors& colors = view_.View().Colors();
  EXPECT_EQ(colors.Ank().Color(), 0x0000FF);
  EXPECT_EQ(colors.DBCS().Color(), 0x0000FF);  // the same colour in decimal
  EXPECT_EQ(colors.Int().Color(), platform::clWindow);
  EXPECT_EQ(colors.Str().Color(), 0xFF00);
  EXPECT_EQ(colors.Symbol().Color(), platform::clWindowText);  // unreadable: the default
  EXPECT_EQ(colors.Url().Style(), TFontStyles{});
  EXPECT_EQ(colors.Mail().Style(), TFontStyles{});
  EXPECT_EQ(colors.Comment().Style(), (TFontStyles{platform::fsBold, platform::fsItalic}));
  EXPECT_EQ(colors.Reserve().BkColor(), platform::clWindowText);
  EXPECT_EQ(colors.Hit().Color(), platform::clNone);  // no keys
  EXPECT_EQ(view_.Font().Name(), "IPAGothic");
  EXPECT_EQ(view_.Font().Height(), -12);  // 9 points at 96 pixels per inch
  EXPECT_EQ(view_.Font().Charset(), 0);
  EXPECT_EQ(view_.Margin().Left(), 100);
  EXPECT_EQ(view_.Margin().Top(), 0);
  EXPECT_EQ(view_.Margin().Character(), 2);
  EXPECT_EQ(view_.Margin().Line(), 3);
  EXPECT_EQ(view_.Marks().RetMark().Color(), 0x0000FF);
  EXPECT_FALSE(view_.Marks().EofMark().Visible());
  EXPECT_EQ(view_.Margin().UnderlineAllowance(), 0);
  EXPECT_FALSE(view_.View().Mail());
  EXPECT_TRUE(view_.View().Url());
  EXPECT_TRUE(view_.View().ControlCode());
  EXPECT_EQ(view_.View().HexPrefix().view(), "0x");
  EXPECT_EQ(view_.WrapOption().FollowStr().view(), follow);
  EXPECT_FALSE(view_.WrapOption().Leading());
  EXPECT_FALSE(view_.WrapOption().WordBreak());
  EXPECT_TRUE(view_.WrapOption().FollowRetMark());
}

TEST_F(ViewSettingsTest, ModesOutsideTheirNamesAreTheFirstMode) {
  ApplyTextViewSettings(Ini("[Editor\\Caret]\nSelDragMode=7\nStyle=-1\n"), view_);
  EXPECT_EQ(view_.Caret().SelDragMode(), editor::dmManual);
  EXPECT_EQ(view_.Caret().Style(), editor::csDefault);
}

TEST_F(ViewSettingsTest, WrapModeAndWrapByte) {
  for (auto [value, mode] : {std::pair{"0", 0}, {"1", 1}, {"2", 2}, {"5", 2}, {"-1", 2},
                             {"x", 0}, {"", 0}}) {
    EXPECT_EQ(ReadWrapMode(Ini(std::string("[Editor]\nWordWrap=") + value + "\n")), mode) << value;
  }
  EXPECT_EQ(ReadWrapByte(Ini("")), 80);
  EXPECT_EQ(ReadWrapByte(Ini("[Editor\\WrapOption]\nWrapByte=$40\n")), 64);
}

// Counts an option object's change notices and hands each on to the handler it had.
class NoticeCounter : public platform::TObject {
 public:
  explicit NoticeCounter(platform::TNotifyPersistent& object)
      : object_(object), next_(object.OnChange()) {
    object.SetOnChange({this, &NoticeCounter::Notice});
  }
  ~NoticeCounter() override { object_.SetOnChange(next_); }
  void Notice(platform::TObject* Sender) {
    ++count;
    if (next_) next_(Sender);
  }
  int count = 0;

 private:
  platform::TNotifyPersistent& object_;
  platform::TNotifyEvent next_;
};

TEST_F(ViewSettingsTest, EachOptionObjectHearsOfAllItsKeysOnce) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "> quoted http://example.jp/ line\r\n";
  view_.Lines().SetTextStr(text);
  view_.SetWordWrap(true);
  std::string colors = "[Editor\\Colors]\n";
  for (const char* slot : {"Ank", "Comment", "DBCS", "Int", "Mail", "Reserve", "Select", "Str",
                           "Symbol", "Url"}) {
    colors += std::string(slot) + "Color=0x123456\n" + slot + "BkColor=0x654321\n" + slot +
              "Style=2\n";
  }
  NoticeCounter viewNotices(view_.View());
  NoticeCounter wrapNotices(view_.WrapOption());
  NoticeCounter caretNotices(view_.Caret());
  NoticeCounter marksNotices(view_.Marks());
  ApplyTextViewSettings(Ini(colors + "[Editor\\View]\nUrl=0\nMail=0\n[Editor\\Caret]\nStyle=1\n"
                                     "TabSpaceCount=4\n[Editor\\Marks]\nEofMarkColor=1\n"
                                     "RetMarkColer=2\n[Editor\\WrapOption]\nLeading=0\n"
                                     "WordBreak=0\nFollowRetMark=0\n"),
                        view_);
  EXPECT_EQ(viewNotices.count, 1);
  EXPECT_EQ(wrapNotices.count, 1);
  EXPECT_EQ(caretNotices.count, 1);
  EXPECT_EQ(marksNotices.count, 1);
  EXPECT_EQ(view_.View().Colors().Symbol().BkColor(), 0x654321);
  EXPECT_FALSE(view_.WrapOption().Leading());
}

}  // namespace
}  // namespace quillet
