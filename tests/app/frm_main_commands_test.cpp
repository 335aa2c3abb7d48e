// The main window's commands that reach outside it, with a fake xdg-open first on PATH, a
// settings file and a host registry file of the test's own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/frm_main.h"
#include "platform/cp932.h"
#include "platform/cursors.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "tests/support/scratch_dir.h"

// What Qt's own test library sends a key through: the window system's shortcut handling.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods, const QString& text,
                                               bool autorep, ushort count);

namespace quillet {
namespace {

class MainWindowCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::qt::Application::SetExceptionHandler(
        [this](const std::exception& e) { errors_.push_back(e.what()); });
    log_ = dir_.Path() + "/log";
    const std::string opener = dir_.Write(
        "xdg-open", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + log_ +
                        ".part\"\nmv \"" + log_ + ".part\" \"" + log_ + "\"\n");
    chmod(opener.c_str(), 0755);
    oldPath_ = getenv("PATH");
    setenv("PATH", (dir_.Path() + ":" + oldPath_).c_str(), 1);
    // No host client unless a test writes its registry.
    setenv("QUILLET_REGISTRY_FILE", (dir_.Path() + "/user.reg").c_str(), 1);
  }
  void TearDown() override {
    platform::qt::Application::SetExceptionHandler({});
    setenv("PATH", oldPath_.c_str(), 1);
    unsetenv("QUILLET_REGISTRY_FILE");
  }
  std::unique_ptr<TfrmMain> Open(const std::string& message) {
    const std::string path = dir_.Write("m.eml", message);
    return std::make_unique<TfrmMain>(std::vector<std::string>{"quillet", path},
                                      dir_.Path() + "/quillet.ini");
  }
  static QAction* Action(const TfrmMain& w, const char* name) {
    return w.findChild<QAction*>(name);
  }
  // What the fake opener was started with, one argument a line; the log is gone afterwards.
  std::string Opened() const {
    for (int i = 0; i < 500; ++i) {
      std::ifstream in(log_);
      if (in) {
        std::stringstream s;
        s << in.rdbuf();
        std::remove(log_.c_str());
        return s.str();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(nothing started)";
  }
  // The client point of a text cell.
  static QPointF Cell(const TfrmMain& w, int row, int col) {
    const editor::TEditor& view = w.TextView();
    return QPointF(view.TextLeft() + col * view.ColWidth() + 1,
                   view.TextTop() + row * view.RowHeight() + 1);
  }
  static void Mouse(TfrmMain& w, QEvent::Type type, QPointF at) {
    const bool move = type == QEvent::MouseMove;
    QMouseEvent event(type, at, w.TextViewWindow()->mapToGlobal(at), move ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease || move ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w.TextViewWindow(), &event);
  }
  static void DoubleClick(TfrmMain& w, QPointF at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      Mouse(w, type, at);
    }
  }
  static void Show(TfrmMain& w) {
    w.show();
    w.activateWindow();
    const QDeadlineTimer deadline(10000);
    while (!w.isActiveWindow() && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
  }
  // An Esc pressed in the text view, as the view gets it once no shortcut took it.
  static void EscInView(TfrmMain& w) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(w.TextViewWindow(), &press);
  }

  testsupport::ScratchDir dir_;
  std::string log_, oldPath_;
  std::vector<std::string> errors_;
};

TEST_F(MainWindowCommands, ReplyCommandsHandTheirUrlToTheOpenerWithHostileFieldsEscaped) {
  auto w = Open("From: a@x&bcc=evil@y\r\nReply-To: r@x?cc=z\r\n"
                "Subject: [list] Hi&attach=/etc/passwd#top\r\nMessage-Id: <m1>\r\n\r\nbody\r\n");
  Action(*w, "actFileRes")->trigger();
  EXPECT_EQ(Opened(),
            "mailto:r@x%3Fcc=z?Subject=Re:Hi%26attach=/etc/passwd%23top&In-Reply-To=<m1>"
            "&References=<m1>\n");
  Action(*w, "actFileReNew")->trigger();
  EXPECT_EQ(Opened(), "mailto:a@x%26bcc=evil@y\n");
  Action(*w, "actFileNew")->trigger();
  EXPECT_EQ(Opened(), "mailto:\n");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowCommands, DoubleClickOpensLinksOrSelectsAndThePointerIsAHandOverLinks) {
  auto w = Open("Subject: s\r\n\r\nsee http://example.jp/a now\r\nmail b@example.jp\r\n");
  Show(*w);
  editor::TEditor& view = w->TextView();
  DoubleClick(*w, Cell(*w, 0, 6));
  EXPECT_EQ(Opened(), "http://example.jp/a\n");
  DoubleClick(*w, Cell(*w, 1, 7));
  EXPECT_EQ(Opened(), "mailto:b@example.jp\n");
  DoubleClick(*w, Cell(*w, 0, 1));
  EXPECT_EQ(view.SelText(), "see");

  Mouse(*w, QEvent::MouseMove, Cell(*w, 0, 8));
  EXPECT_EQ(view.Cursor(), 9);
  Mouse(*w, QEvent::MouseMove, Cell(*w, 1, 1));
  EXPECT_EQ(view.Cursor(), platform::crIBeam);
  Mouse(*w, QEvent::MouseMove, Cell(*w, 1, 6));
  EXPECT_EQ(view.Cursor(), 9);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowCommands, ShortcutsComeFromTheSettingsFileAndTakeMenuMnemonics) {
  dir_.Write("quillet.ini",
             "[Key\\View]\nMessage=ctrl+shift+m\nHeader=Alt+V\n[Key\\File]\nReply=Bogus+R\n"
             "From=Ctrl+N\n");
  auto w = Open("Subject: s\r\n\r\nbody\r\n");
  EXPECT_EQ(Action(*w, "actViewMsg")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
  EXPECT_EQ(Action(*w, "actViewHead")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_V));
  EXPECT_TRUE(Action(*w, "actFileRes")->shortcut().isEmpty());
  // The first key to claim Ctrl+N keeps it.
  EXPECT_EQ(Action(*w, "actFileReNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  EXPECT_TRUE(Action(*w, "actFileNew")->shortcut().isEmpty());
  // A default where the file says nothing.
  EXPECT_EQ(Action(*w, "actFileClose")->shortcut(), QKeySequence(Qt::Key_Escape));
  // Alt+V belongs to the header view now, not to the view menu.
  QStringList titles;
  for (QAction* menu : w->menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, QStringList({"ファイル(&F)", "編集(&E)", "表示(V)", "ヘルプ(&H)"}));

  // The user's shortcut runs its command, the mnemonic no longer competing with it.
  Show(*w);
  w->TextViewWindow()->setFocus();
  EXPECT_TRUE(qt_sendShortcutOverrideEvent(w->TextViewWindow(), 0, Qt::Key_V, Qt::AltModifier,
                                           QString(), false, 1));
  EXPECT_EQ(w->CurrentViewMode(), ViewMode::Header);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowCommands, EscInTheViewClosesUnlessEscExitIsOff) {
  dir_.Write("quillet.ini", "[Key\\File]\nClose=\n");
  auto w = Open("Subject: s\r\n\r\nbody\r\n");
  EXPECT_TRUE(Action(*w, "actFileClose")->shortcut().isEmpty());
  Show(*w);
  dir_.Write("quillet.ini", "[Key\\File]\nClose=\n[Window]\nEscExit=0\n");
  EscInView(*w);
  EXPECT_TRUE(w->isVisible());
  // Read at each press: the change counts without a restart.
  dir_.Write("quillet.ini", "[Key\\File]\nClose=\n[Window]\nEscExit=1\n");
  EscInView(*w);
  EXPECT_FALSE(w->isVisible());
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowCommands, HostColoursApplyWhileTheSwitchIsOnAndAWrongTypeIsReportedAfterThem) {
  dir_.Write("user.reg",
             "WINE REGISTRY Version 2\n[Software\\\\Tallowsoft\\\\CV2\\\\Settings] 1\n"
             "\"ShowCtrl\"=dword:00000000\n\"LineSpacing\"=\"big\"\n"
             "[Software\\\\Tallowsoft\\\\CV2\\\\Colors] 1\n"
             "\"BackColor\"=dword:00302010\n\"TextColor\"=dword:00605040\n");
  auto w = Open("Subject: s\r\n\r\nbody\r\n");
  editor::TEditor& view = w->TextView();
  // The wrong type stops the import there: what came before it holds, the colours do not come.
  ASSERT_EQ(errors_, std::vector<std::string>{"'LineSpacing' のデータ型が不正です"});
  EXPECT_FALSE(view.Marks().EofMark().Visible());
  EXPECT_FALSE(view.Marks().RetMark().Visible());
  EXPECT_EQ(view.Color(), platform::clWindow);

  dir_.Write("user.reg",
             "WINE REGISTRY Version 2\n[Software\\\\Tallowsoft\\\\CV2\\\\Colors] 1\n"
             "\"BackColor\"=dword:00302010\n\"TextColor\"=dword:00605040\n"
             "\"URLColor\"=dword:000000ff\n");
  errors_.clear();
  Action(*w, "actViewCorvid")->trigger();  // off
  EXPECT_TRUE(view.Marks().EofMark().Visible());
  Action(*w, "actViewCorvid")->trigger();  // on again, from the new registry
  auto& colors = view.View().Colors();
  EXPECT_EQ(view.Color(), 0x302010);
  EXPECT_EQ(colors.Url().Color(), 0x0000ff);
  EXPECT_TRUE(colors.Url().Style().Empty());
  EXPECT_EQ(colors.Select().BkColor(), 0x605040);

  // Off: the settings file's look comes back.
  Action(*w, "actViewCorvid")->trigger();
  EXPECT_EQ(view.Color(), platform::clWindow);
  EXPECT_EQ(colors.Url().Color(), 0xC00000);
  EXPECT_FALSE(colors.Url().Style().Empty());
  EXPECT_TRUE(errors_.empty());
}

}  // namespace
}  // namespace quillet
