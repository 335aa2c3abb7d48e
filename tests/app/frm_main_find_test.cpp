// The main window's find bar and zoom, worked with keys as the keyboard delivers them.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWheelEvent>
#include <QWindow>

#include "app/frm_main.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/find_bar.h"
#include "platform/qt/key_press.h"
#include "platform/qt/statusbar.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

class MainWindowFind : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::qt::Application::SetExceptionHandler(
        [this](const std::exception& e) { errors_.push_back(e.what()); });
    message_ = scratch_.Write(
        "m.eml", "Subject: s\r\n\r\nApple one and a long line of words to wrap somewhere\r\n"
                 "apple two\r\nAPPLE three\r\n");
  }
  void TearDown() override {
    platform::qt::Application::SetExceptionHandler({});
    EXPECT_TRUE(errors_.empty());
  }
  std::unique_ptr<TfrmMain> Open(const std::string& settings) {
    scratch_.Write("quillet.ini", settings);
    auto w = std::make_unique<TfrmMain>(std::vector<std::string>{"quillet", message_}, settings_);
    w->show();
    QDeadlineTimer deadline(10000);
    while (!(w->windowHandle() && w->windowHandle()->isExposed()) && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QApplication::setActiveWindow(w.get());
    w->TextViewWindow()->setFocus();
    QCoreApplication::processEvents();
    return w;
  }
  static void Press(TfrmMain& w, QKeyCombination keys) { platform::qt::PressKey(&w, keys); }
  // Lets the count run to its end.
  static void Settle(TfrmMain& w) {
    QDeadlineTimer deadline(10000);
    while (!w.FindHits().Done() && !deadline.hasExpired()) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }
  // The row of the hit shown, and the bar's count.
  static std::pair<int, QString> Hit(TfrmMain& w) {
    Settle(w);
    EXPECT_EQ(w.TextView().SelState(), editor::ssHit);
    return {w.TextView().ByteSelection().StartRow, w.FindBar()->CountText()};
  }

  testsupport::ScratchDir scratch_;
  std::string message_;
  std::string settings_ = scratch_.Path() + "/quillet.ini";
  std::vector<std::string> errors_;
};

TEST_F(MainWindowFind, StepsThroughTheHitsAndEscClosesOnlyTheBar) {
  auto w = Open("[Editor]\r\nWordWrap=0\r\n");
  platform::qt::FindBar& bar = *w->FindBar();
  Press(*w, Qt::CTRL | Qt::Key_F);
  ASSERT_FALSE(bar.isHidden());
  EXPECT_TRUE(bar.HasFocus());
  platform::qt::TypeText(w.get(), QStringLiteral("apple"));
  EXPECT_EQ(Hit(*w), std::pair(0, QString::fromUtf8("1 / 3 件")));
  EXPECT_EQ(w->TextView().HitStyle(), editor::hsDraw);
  Press(*w, QKeyCombination(Qt::Key_F3));
  EXPECT_EQ(Hit(*w), std::pair(1, QString::fromUtf8("2 / 3 件")));
  Press(*w, QKeyCombination(Qt::Key_Return));  // Enter in the pattern steps on
  Press(*w, QKeyCombination(Qt::Key_F3));
  EXPECT_EQ(Hit(*w), std::pair(0, QString::fromUtf8("1 / 3 件")));
  EXPECT_TRUE(bar.Note().contains(QString::fromUtf8("先頭から")));
  Press(*w, Qt::SHIFT | Qt::Key_F3);
  EXPECT_EQ(Hit(*w), std::pair(2, QString::fromUtf8("3 / 3 件")));
  // The status bar shows where the hit is, though the view has not the focus.
  const QString place = w->findChild<platform::qt::StatusBar*>("staMain")->Panel(1).text;
  EXPECT_TRUE(place.startsWith(QString::fromUtf8("00003行"))) << place.toStdString();
  // Match case: one hit; a pattern the text lacks finds nothing.
  bar.findChild<QAbstractButton*>("chkFindMatchCase")->click();
  EXPECT_EQ(Hit(*w), std::pair(1, QString::fromUtf8("1 / 1 件")));
  platform::qt::TypeText(w.get(), QStringLiteral("x"));
  Settle(*w);
  EXPECT_EQ(bar.Note(), QString::fromUtf8("見つかりません。"));
  EXPECT_EQ(bar.CountText(), QString::fromUtf8("0 件"));
  Press(*w, QKeyCombination(Qt::Key_Backspace));
  EXPECT_EQ(Hit(*w).first, 1);

  // Esc in the bar: the bar goes, the window stays, the hit is the selection now.
  Press(*w, QKeyCombination(Qt::Key_Escape));
  EXPECT_TRUE(bar.isHidden());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->TextView().HitStyle(), editor::hsSelect);
  EXPECT_EQ(w->TextView().SelText(), "apple");
  EXPECT_TRUE(w->TextViewWindow()->hasFocus());
  // Ctrl+F again takes the selection as the pattern; Esc in the view closes the window.
  Press(*w, Qt::CTRL | Qt::Key_F);
  EXPECT_EQ(bar.Pattern(), QStringLiteral("apple"));
  Press(*w, QKeyCombination(Qt::Key_Escape));
  Press(*w, QKeyCombination(Qt::Key_Escape));
  EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowFind, KeysTheSettingsGiveToCommandsStayTheirs) {
  auto w = Open("[Key\\Bar]\r\nTool=F3\r\n[Key\\View]\r\nMessage=Ctrl+0\r\n");
  auto* next = w->findChild<QAction*>("actEditFindNext");
  EXPECT_TRUE(next->shortcuts().isEmpty());
  EXPECT_EQ(w->findChild<QAction*>("actEditFindPrev")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F3));
  EXPECT_TRUE(w->findChild<QAction*>("actViewZoomReset")->shortcuts().isEmpty());
  Press(*w, QKeyCombination(Qt::Key_F3));
  EXPECT_FALSE(w->findChild<QAction*>("actViewToolbar")->isChecked());
  EXPECT_TRUE(w->FindBar()->isHidden());
}

TEST_F(MainWindowFind, ZoomChangesTheFontForTheWindowAndTheWrapFollows) {
  const std::string settings = "[Editor]\r\nWordWrap=2\r\n[Editor\\Font]\r\nSize=12\r\n";
  auto w = Open(settings);
  editor::TEditor& view = w->TextView();
  const int columns = view.WrapOption().WrapByte();
  ASSERT_EQ(w->ZoomPoints(), 12);
  Press(*w, Qt::CTRL | Qt::Key_Plus);
  Press(*w, Qt::CTRL | Qt::Key_Equal);
  EXPECT_EQ(w->ZoomPoints(), 16);
  EXPECT_EQ(w->ConfiguredPoints(), 12);
  EXPECT_LT(view.WrapOption().WrapByte(), columns);
  Press(*w, Qt::CTRL | Qt::Key_Minus);
  Press(*w, Qt::CTRL | Qt::Key_Minus);
  Press(*w, Qt::CTRL | Qt::Key_Minus);
  EXPECT_EQ(w->ZoomPoints(), 11);
  EXPECT_GT(view.WrapOption().WrapByte(), columns);
  Press(*w, Qt::CTRL | Qt::Key_0);
  EXPECT_EQ(w->ZoomPoints(), 12);
  EXPECT_EQ(view.WrapOption().WrapByte(), columns);
  // Ctrl with the wheel: a notch away is one size up, half notches add up, the view stays.
  const int top = view.TopRow();
  for (int delta : {120, 60, 60, -120}) {
    QWheelEvent wheel(QPointF(10, 10), w->TextViewWindow()->mapToGlobal(QPointF(10, 10)), {},
                      {0, delta}, Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->TextViewWindow(), &wheel);
  }
  EXPECT_EQ(w->ZoomPoints(), 14);
  EXPECT_EQ(view.TopRow(), top);
  w->close();
  // Closing writes the frame, never the size.
  const std::string written = platform::ReadFileBytes(settings_);
  EXPECT_NE(written.find("Size=12"), std::string::npos);
  EXPECT_EQ(written.find("Size=14"), std::string::npos);
}

}  // namespace
}  // namespace quillet
