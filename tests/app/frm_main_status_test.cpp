// The main window's line decoration and status bar, with a settings file and keyword files of
// the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolButton>

#include "app/frm_main.h"
#include "platform/cp932.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/statusbar.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

class MainWindowStatus : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::qt::Application::SetExceptionHandler(
        [this](const std::exception& e) { errors_.push_back(e.what()); });
  }
  void TearDown() override { platform::qt::Application::SetExceptionHandler({}); }
  // A window on a message with body `body`, its settings file in the scratch folder.
  std::unique_ptr<TfrmMain> Open(const std::string& body) {
    const std::string path = dir_.Write("m.eml", "Subject: s\r\n\r\n" + body);
    return std::make_unique<TfrmMain>(std::vector<std::string>{"quillet", path},
                                      dir_.Path() + "/quillet.ini");
  }
  static std::string Panel(const TfrmMain& w, int index) {
    return w.findChild<platform::qt::StatusBar*>("staMain")->Panel(index).text.toStdString();
  }
  // Shown, with the focus in the text view (the caret reports its moves only then).
  static void FocusView(TfrmMain& w) {
    w.show();
    w.activateWindow();
    w.TextViewWindow()->setFocus();
    const QDeadlineTimer deadline(10000);
    while (!w.TextViewWindow()->hasFocus() && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ASSERT_TRUE(w.TextViewWindow()->hasFocus());
  }
  static void Mouse(TfrmMain& w, QEvent::Type type, int x, int y, Qt::KeyboardModifiers keys) {
    const QPointF at(x, y);
    QMouseEvent event(type, at, w.TextViewWindow()->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, keys);
    QCoreApplication::sendEvent(w.TextViewWindow(), &event);
  }

  testsupport::ScratchDir dir_;
  std::vector<std::string> errors_;
};

TEST_F(MainWindowStatus, CaretPanelCountsLogicalLinesAndBytesAndQuotationsAreDrawn) {
  auto w = Open(platform::cp932::FromUtf8("> a\r\nb\r\nあいc\r\n"));
  EXPECT_EQ(Panel(*w, 1), "00001行 : 00001桁");
  FocusView(*w);
  editor::TEditor& view = w->TextView();
  view.SetRowCol(2, 0);
  EXPECT_EQ(Panel(*w, 1), "00003行 : 00001桁");
  view.SetRowCol(2, 4);
  EXPECT_EQ(Panel(*w, 1), "00003行 : 00005桁");
  // A view mode's new text puts the caret at its start.
  w->findChild<QAction*>("actViewSrc")->trigger();
  EXPECT_EQ(Panel(*w, 1), "00001行 : 00001桁");
  w->findChild<QAction*>("actViewMsg")->trigger();

  // The window draws its decoration: the quotation row holds teal glyphs.
  w->TextViewWindow()->Update();
  const QImage& image = w->TextViewWindow()->BackingImage();
  int teal = 0;
  for (int y = view.TextTop(); y < view.TextTop() + view.FontHeight(); ++y) {
    for (int x = view.TextLeft(); x < view.TextLeft() + 3 * view.ColWidth(); ++x) {
      const QRgb p = image.pixel(x, y);
      teal += qGreen(p) == qBlue(p) && qRed(p) < qGreen(p);
    }
  }
  EXPECT_GT(teal, 0);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowStatus, HintsGoToTheFirstPanelAndQtShowsNoStatusMessage) {
  auto w = Open("abc\r\n");
  auto* copy = w->findChild<QToolButton*>("btnCopy");
  QStatusTipEvent tip(QStringLiteral("ヒント"));
  QCoreApplication::sendEvent(copy, &tip);
  EXPECT_EQ(Panel(*w, 0), "ヒント");
  w->findChild<QAction*>("actViewHead")->showStatusText(copy);
  EXPECT_EQ(Panel(*w, 0), "メッセージのヘッダを表示します。");
  QStatusTipEvent none{QString()};
  QCoreApplication::sendEvent(copy, &none);
  EXPECT_EQ(Panel(*w, 0), "");
  EXPECT_EQ(w->findChild<QStatusBar*>(), nullptr);
}

TEST_F(MainWindowStatus, AltMakesABoxWithAFreeCaretAndClearingRestoresTheSavedFreeCaret) {
  auto w = Open("abcdef\r\nghijkl\r\n");
  FocusView(*w);
  editor::TEditor& view = w->TextView();
  const int x = view.TextLeft() + 1, y = view.TextTop() + 1;
  Mouse(*w, QEvent::MouseButtonPress, x, y, Qt::AltModifier);
  Mouse(*w, QEvent::MouseMove, x + 3 * view.ColWidth(), y + view.RowHeight(), Qt::AltModifier);
  Mouse(*w, QEvent::MouseButtonRelease, x + 3 * view.ColWidth(), y + view.RowHeight(),
        Qt::AltModifier);
  ASSERT_TRUE(view.Selected());
  EXPECT_EQ(view.SelectionMode(), 1);
  EXPECT_TRUE(view.Caret().FreeCaret());
  EXPECT_TRUE(w->findChild<QAction*>("actEditCopy")->isEnabled());

  // The saved value as the file holds it when the selection goes.
  dir_.Write("quillet.ini", "[Editor\\Caret]\r\nFreeCaret=1\r\n");
  view.ClearSelection();
  EXPECT_EQ(view.SelectionMode(), 0);
  EXPECT_TRUE(view.Caret().FreeCaret());
  EXPECT_FALSE(w->findChild<QAction*>("actEditCopy")->isEnabled());
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowStatus, KeywordFilesBesideTheSettingsAreUsedAndAnUnreadableOneStopsNothing) {
  dir_.Write("Header.kwd", "X-Note:\n");
  ASSERT_EQ(mkfifo((dir_.Path() + "/Quote.kwd").c_str(), 0600), 0);
  auto w = Open("body\r\n");
  EXPECT_EQ(errors_, std::vector<std::string>{"ファイル " + dir_.Path() + "/Quote.kwd は開けません"});
  ASSERT_EQ(w->Decorations().Entries().size(), 1u);
  EXPECT_EQ(w->Decorations().Entries()[0].Text, "X-Note:");
  // The steps after the keywords still ran.
  EXPECT_EQ(w->TextView().Lines().Text(), "body\r\n");
  EXPECT_FALSE(w->findChild<QAction*>("actFileRes")->icon().isNull());
  EXPECT_FALSE(w->findChild<QAction*>("actEditCopy")->isEnabled());
}

}  // namespace
}  // namespace quillet
