#include "app/frm_main.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QToolButton>
#include <cstdio>
#include <fstream>

#include "platform/cp932.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/statusbar.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

using platform::cp932::FromUtf8;
using platform::cp932::ToUtf8;

// Writes messages into a scratch folder and collects what the error box would have shown.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::qt::Application::SetExceptionHandler(
        [this](const std::exception& e) { errors_.push_back(e.what()); });
  }
  void TearDown() override { platform::qt::Application::SetExceptionHandler({}); }
  std::string Write(const std::string& name, const std::string& bytes) {
    return scratch_.Write(name, bytes);
  }
  template <class T>
  static T* Find(const TfrmMain& w, const char* name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static std::string Label(const TfrmMain& w, const char* name) {
    return Find<QLabel>(w, name)->text().toStdString();
  }
  static std::string ViewText(const TfrmMain& w) {
    return w.TextView().Lines().Text();
  }
  static void Trigger(const TfrmMain& w, const char* action) {
    Find<QAction>(w, action)->trigger();
  }

  testsupport::ScratchDir scratch_;
  const std::string& dir_ = scratch_.Path();
  std::vector<std::string> errors_;
};

TEST_F(MainWindowTest, StartUpFillsHeaderBarStampCaptionAndBody) {
  std::string path = Write("a b.eml", "From: " + FromUtf8("山田 <y@example.jp>") +
                                          "\nTo: you\nSubject: Hello\nDate: Mon\n"
                                          "X-Priority: 1 (Highest)\n\n> quoted\nbody\n");
  // The path holds a space and arrives in two arguments.
  TfrmMain w({"quillet", dir_ + "/a", "b.eml"});
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w.MessagePath(), path);
  EXPECT_EQ(w.windowTitle().toStdString(), "Hello - Quillet");
  EXPECT_EQ(platform::qt::Application::Title(), "Hello - Quillet");
  EXPECT_EQ(Label(w, "lblFrom"), "差出人：  山田 <y@example.jp>");
  EXPECT_EQ(Label(w, "lblTo"), "宛先：  you");
  EXPECT_EQ(Label(w, "lblSubject"), "件名：  Hello");
  EXPECT_EQ(Label(w, "lblDate"), "日時：  Mon");
  auto* from = Find<QLabel>(w, "lblFrom");
  auto* subject = Find<QLabel>(w, "lblSubject");
  EXPECT_EQ(Find<QLabel>(w, "lblTo")->x(), from->x() + from->width() + 20);
  EXPECT_EQ(Find<QLabel>(w, "lblDate")->x(), subject->x() + subject->width() + 20);
  EXPECT_GT(from->width(), 60);  // sized to its text
  EXPECT_EQ(w.ShownStamp(), 0);
  EXPECT_FALSE(Find<QLabel>(w, "imgKitte")->pixmap().isNull());
  EXPECT_EQ(ViewText(w), "> quoted\r\nbody\r\n");
  EXPECT_FALSE(Find<QAction>(w, "actEditCopy")->isEnabled());
  EXPECT_TRUE(Find<QToolButton>(w, "btnCopy")->toolButtonStyle() == Qt::ToolButtonIconOnly);
  EXPECT_FALSE(Find<QAction>(w, "actFileRes")->icon().isNull());
}

TEST_F(MainWindowTest, ViewModesReloadFromDiskAndHideTheHeaderBar) {
  std::string path = Write("m.eml", "Subject: one\r\nX-MSMail-Priority: Low\r\n\r\nold body\r\n");
  TfrmMain w({"quillet", path});
  auto* bar = Find<QWidget>(w, "pndHead");
  EXPECT_FALSE(bar->isHidden());
  EXPECT_EQ(w.ShownStamp(), 4);

  Write("m.eml", "Subject: two\r\nX-Priority: 2\r\n\r\nnew body\r\n");
  Trigger(w, "actViewHead");
  EXPECT_EQ(w.CurrentViewMode(), ViewMode::Header);
  EXPECT_TRUE(bar->isHidden());
  // The header part ends with the separator's CR, which the view takes as a line break.
  EXPECT_EQ(ViewText(w), "Subject: two\r\nX-Priority: 2\r\n");
  EXPECT_EQ(Label(w, "lblSubject"), "件名：  two");
  EXPECT_EQ(w.ShownStamp(), 4);  // the stamp changes only in body mode
  EXPECT_TRUE(Find<QAction>(w, "actViewHead")->isChecked());
  EXPECT_FALSE(Find<QAction>(w, "actViewMsg")->isChecked());

  Trigger(w, "actViewSrc");
  EXPECT_EQ(ViewText(w), "Subject: two\r\nX-Priority: 2\r\n\r\nnew body\r\n");
  EXPECT_TRUE(bar->isHidden());

  Trigger(w, "actViewMsg");
  EXPECT_FALSE(bar->isHidden());
  EXPECT_EQ(ViewText(w), "new body\r\n");
  EXPECT_EQ(w.ShownStamp(), 1);
  EXPECT_EQ(w.windowTitle().toStdString(), "one - Quillet");  // set at start-up only
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowTest, UnreadableMessageIsReportedAndTheWindowStillOpens) {
  TfrmMain w({"quillet", dir_ + "/missing.eml"});
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "ファイル " + dir_ + "/missing.eml は開けません");
  EXPECT_EQ(w.windowTitle().toStdString(), " - Quillet");
  EXPECT_EQ(ViewText(w), "");
  EXPECT_FALSE(Find<QAction>(w, "actEditCopy")->isEnabled());
  EXPECT_FALSE(Find<QAction>(w, "actFileRes")->icon().isNull());  // later steps still ran

  // A view-mode command on a file that vanished keeps the text but names the new mode.
  std::string path = Write("x.eml", "Subject: s\n\nbody\n");
  TfrmMain v({"quillet", path});
  unlink(path.c_str());
  Trigger(v, "actViewSrc");
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(ViewText(v), "body\r\n");
  EXPECT_EQ(v.CurrentViewMode(), ViewMode::Source);
  EXPECT_TRUE(Find<QAction>(v, "actViewSrc")->isChecked());
}

TEST_F(MainWindowTest, NonDigitXPriorityIsReportedAndTheMessageShownWithoutAStamp) {
  // Forms seen in real mail; the byte kept of each is no digit.
  for (auto [line, byte] : {std::pair{"\t1", "\t"}, {" High", "H"}, {" -1", "-"}, {" $F", "$"}}) {
    errors_.clear();
    TfrmMain w(
        {"quillet", Write("p.eml", std::string("Subject: t\nX-Priority:") + line + "\n\nb\n")});
    EXPECT_EQ(errors_,
              std::vector<std::string>{std::string("'") + byte + "' は整数ではありません"});
    EXPECT_EQ(w.windowTitle().toStdString(), "t - Quillet");
    EXPECT_EQ(Label(w, "lblSubject"), "件名：  t");
    EXPECT_EQ(ViewText(w), "b\r\n");
    EXPECT_EQ(w.ShownStamp(), -1);
  }
  // A view-mode command: header mode converts nothing; body mode drops the earlier stamp.
  errors_.clear();
  TfrmMain w({"quillet", Write("p.eml", "X-Priority: 1\n\nfirst\n")});
  Write("p.eml", "Subject: u\nX-Priority:  1\n\nsecond\n");
  Trigger(w, "actViewHead");
  EXPECT_TRUE(errors_.empty());
  Trigger(w, "actViewMsg");
  EXPECT_EQ(errors_, std::vector<std::string>{"' ' は整数ではありません"});
  EXPECT_EQ(Label(w, "lblSubject"), "件名：  u");
  EXPECT_EQ(ViewText(w), "second\r\n");
  EXPECT_EQ(w.ShownStamp(), -1);
  EXPECT_TRUE(Find<QLabel>(w, "imgKitte")->pixmap().isNull());
}

TEST_F(MainWindowTest, OnlyRegularFilesAreLoaded) {
  for (const std::string& path : {std::string("/dev/null"), std::string("/dev/zero"), dir_}) {
    errors_.clear();
    TfrmMain w({"quillet", path});
    EXPECT_EQ(errors_, std::vector<std::string>{"ファイル " + path + " は開けません"});
  }
}

TEST_F(MainWindowTest, OptionsCommandFollowsTheOptionsProgram) {
  std::string program = platform::ExtractFilePath(platform::ExePath()) + "Quillcfg.exe";
  // The built options program lies beside the tests: it is put back afterwards.
  struct Aside {
    std::string program, saved = program + ".aside";
    explicit Aside(std::string p) : program(std::move(p)) { rename(program.c_str(), saved.c_str()); }
    ~Aside() { rename(saved.c_str(), program.c_str()); }
  } aside(program);
  std::string path = Write("o.eml", "Subject: s\n\nb\n");
  {
    TfrmMain w({"quillet", path});
    EXPECT_FALSE(Find<QAction>(w, "actViewOption")->isEnabled());
  }
  std::ofstream(program) << "";
  TfrmMain w({"quillet", path});
  EXPECT_TRUE(Find<QAction>(w, "actViewOption")->isEnabled());
  unlink(program.c_str());
}

TEST_F(MainWindowTest, StatusBarStretchesItsFirstPanel) {
  std::string path = Write("s.eml", "Subject: s\n\nb\n");
  TfrmMain w({"quillet", path});
  auto* bar = Find<platform::qt::StatusBar>(w, "staMain");
  EXPECT_EQ(bar->Panel(1).text.toStdString(), "00001行 : 00001桁");  // the caret at the start
  w.show();
  w.resize(600, 400);
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->width(), 600);
  EXPECT_EQ(bar->Panel(0).width, 600 - 104 - 18);
}

TEST_F(MainWindowTest, SelectionShowsItsSizeEnablesCopyAndAHeldButtonKeepsShortcutsOff) {
  std::string path = Write("sel.eml", "Subject: s\n\nabc\ndef\n");
  TfrmMain w({"quillet", path});
  auto* bar = Find<platform::qt::StatusBar>(w, "staMain");
  auto* copy = Find<QAction>(w, "actEditCopy");
  editor::TEditor& view = w.TextView();
  EXPECT_FALSE(copy->isEnabled());
  // Not the active control: the commands leave the view alone.
  Trigger(w, "actEditSelect");
  EXPECT_FALSE(view.Selected());
  w.TextViewWindow()->setFocus();
  Trigger(w, "actEditSelect");
  ASSERT_TRUE(view.Selected());
  EXPECT_EQ(bar->Panel(0).text.toStdString(), "選択文字列のサイズ： 10bytes");
  EXPECT_TRUE(copy->isEnabled());
  EXPECT_EQ(view.SelectionMode(), 0);  // no Alt held
  view.SetSelectionMode(1);
  view.Caret().SetFreeCaret(true);
  view.ClearSelection();
  EXPECT_EQ(bar->Panel(0).text.toStdString(), "");
  EXPECT_FALSE(copy->isEnabled());
  EXPECT_EQ(view.SelectionMode(), 0);
  EXPECT_FALSE(view.Caret().FreeCaret());

  // A shortcut is offered to the view first; with the left button down there it is taken.
  auto shortcutTaken = [&] {
    QKeyEvent key(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
    key.ignore();
    QCoreApplication::sendEvent(w.TextViewWindow(), &key);
    return key.isAccepted();
  };
  auto mouse = [&](QEvent::Type type) {
    QMouseEvent event(type, QPointF(30, 5), QPointF(30, 5), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.TextViewWindow(), &event);
  };
  EXPECT_FALSE(shortcutTaken());
  mouse(QEvent::MouseButtonPress);
  EXPECT_TRUE(shortcutTaken());
  mouse(QEvent::MouseButtonRelease);
  EXPECT_FALSE(shortcutTaken());
}

}  // namespace
}  // namespace quillet
