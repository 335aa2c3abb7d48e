#include "platform/qt/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "tests/support/scratch_dir.h"

namespace platform::qt {
namespace {

QString Listed(const HelpTopicsWindow& w) {
  auto* list = w.findChild<QListWidget*>("lstTopics");
  QStringList titles;
  for (int row = 0; row < list->count(); ++row) {
    if (!list->item(row)->isHidden()) titles << list->item(row)->text();
  }
  return titles.join(u'|');
}

QString Shown(const HelpTopicsWindow& w) {
  return w.findChild<QPlainTextEdit*>("txtTopic")->toPlainText();
}

void Filter(HelpTopicsWindow& w, const char* utf8) {
  w.findChild<QLineEdit*>("edtKeyword")->setText(QString::fromUtf8(utf8));
}

int OpenHelpWindows() {
  int open = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (dynamic_cast<HelpTopicsWindow*>(widget) != nullptr && widget->isVisible()) ++open;
  }
  return open;
}

void PressEsc(QWidget* target) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  QApplication::sendEvent(target, &press);
}

TEST(HelpTopicsWindow, KeywordsNarrowTheListAndTheSelectedTopicIsShown) {
  HelpTopicsWindow w("quillet.hlp", {{"返信", {"Ctrl+R", "mailto"}, "返信の説明"},
                                     {"コピー", {"Ctrl+C", "クリップボード"}, "コピーの説明"},
                                     {"CV2 の設定", {"Registry"}, "CV2 text"},
                                     {"", {}, ""}});
  EXPECT_EQ(Listed(w), QString::fromUtf8("返信|コピー|CV2 の設定|（無題）"));
  EXPECT_EQ(Shown(w), QString::fromUtf8("返信の説明"));

  // The topic shown stays while it is listed.
  Filter(w, " ctrl ");
  EXPECT_EQ(Listed(w), QString::fromUtf8("返信|コピー"));
  EXPECT_EQ(Shown(w), QString::fromUtf8("返信の説明"));
  // Full-width letters, half-width kana and letter case make no difference; the first topic
  // listed is shown once the shown one is no longer listed.
  Filter(w, "ＣＴＲＬ＋ｃ");
  EXPECT_EQ(Listed(w), QString::fromUtf8("コピー"));
  EXPECT_EQ(Shown(w), QString::fromUtf8("コピーの説明"));
  Filter(w, "ｸﾘｯﾌﾟ");
  EXPECT_EQ(Listed(w), QString::fromUtf8("コピー"));
  Filter(w, "REGISTRY");
  EXPECT_EQ(Listed(w), QString::fromUtf8("CV2 の設定"));
  // The topics' text is not searched.
  Filter(w, "説明");
  EXPECT_EQ(Listed(w), QString());
  EXPECT_EQ(Shown(w), QString());

  Filter(w, "");
  EXPECT_EQ(Shown(w), QString::fromUtf8("返信の説明"));
  w.findChild<QListWidget*>("lstTopics")->setCurrentRow(2);
  EXPECT_EQ(Shown(w), QString::fromUtf8("CV2 text"));
}

TEST(HelpTopicsWindow, OneWindowAtATimeAndEscClosesIt) {
  testsupport::ScratchDir dir;
  const std::string a = dir.Write("a.hlp", "# A\ntext a\n");
  const std::string b = dir.Write("b.hlp", "# B\n");
  QWidget owner;
  HelpTopicsWindow* first = ShowHelpTopics(a, &owner);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(ShowHelpTopics(a, &owner), first);
  EXPECT_EQ(OpenHelpWindows(), 1);

  HelpTopicsWindow* second = ShowHelpTopics(b, &owner);
  EXPECT_NE(second, first);
  EXPECT_EQ(OpenHelpWindows(), 1);
  EXPECT_EQ(Listed(*second), QStringLiteral("B"));
  // A file that cannot be shown leaves the open window as it was.
  EXPECT_THROW(ShowHelpTopics(dir.Write("none.hlp", "no topic\n"), &owner), EHelpFileError);
  EXPECT_THROW(ShowHelpTopics(dir.Path() + "/missing.hlp", &owner), EFOpenError);
  EXPECT_EQ(ShowHelpTopics(b, &owner), second);

  // Esc closes it from the keyword field and from the list alike.
  PressEsc(second->findChild<QLineEdit*>("edtKeyword"));
  EXPECT_EQ(OpenHelpWindows(), 0);
  HelpTopicsWindow* third = ShowHelpTopics(a, &owner);
  PressEsc(third->findChild<QListWidget*>("lstTopics"));
  EXPECT_EQ(OpenHelpWindows(), 0);
}

}  // namespace
}  // namespace platform::qt
