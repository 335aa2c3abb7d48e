// The main window with a settings file of the test's own: what start-up reads, what commands
// and closing write, and a file the program may not write.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

#include "app/frm_main.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/panel.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

class MainWindowSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::qt::Application::SetExceptionHandler(
        [this](const std::exception& e) { errors_.push_back(e.what()); });
    message_ = scratch_.Write("m.eml", "Subject: s\r\n\r\nbody line\r\n");
  }
  void TearDown() override { platform::qt::Application::SetExceptionHandler({}); }

  void WriteSettings(const std::string& text) {
    std::filesystem::create_directories(scratch_.Path() + "/config");
    scratch_.Write("config/quillet.ini", text);
  }
  std::string SettingsText() const {
    try {
      return platform::ReadFileBytes(settings_);
    } catch (const std::exception&) {
      return "(none)";
    }
  }
  std::unique_ptr<TfrmMain> Open() {
    return std::make_unique<TfrmMain>(std::vector<std::string>{"quillet", message_}, settings_);
  }
  template <class T>
  static T* Find(const TfrmMain& w, const char* name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  static bool Checked(const TfrmMain& w, const char* action) {
    return Find<QAction>(w, action)->isChecked();
  }
  static void Trigger(const TfrmMain& w, const char* action) { Find<QAction>(w, action)->trigger(); }
  // Shows the window and lets the window system frame it.
  static void ShowFramed(TfrmMain& w) {
    w.show();
    QDeadlineTimer deadline(10000);
    while (!(w.windowHandle() && w.windowHandle()->isExposed()) && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QCoreApplication::processEvents();
  }

  testsupport::ScratchDir scratch_;
  std::string message_;
  // In a folder that does not exist yet: the first write makes it.
  std::string settings_ = scratch_.Path() + "/config/quillet.ini";
  std::vector<std::string> errors_;
};

TEST_F(MainWindowSettingsTest, WithoutAFileStartUpWritesTheWrapModeAndCloseTheSize) {
  auto w = Open();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(SettingsText(), "[Editor]\r\nWordWrap=0\r\n");
  EXPECT_EQ(w->WrapMode(), 0);
  EXPECT_TRUE(Checked(*w, "actTurnNone"));
  EXPECT_TRUE(Checked(*w, "actViewCorvid"));
  for (const char* bar : {"actViewToolbar", "actViewHeadbar", "actViewStabar"}) {
    EXPECT_TRUE(Checked(*w, bar)) << bar;
  }
  EXPECT_FALSE(w->TextView().WordWrap());
  EXPECT_EQ(w->TextView().ScrollBars(), editor::ssBoth);
  ShowFramed(*w);
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(w->frameGeometry().size(), QSize(screen.width() / 2, screen.height() / 2));
  w->close();
  EXPECT_EQ(SettingsText(), "[Editor]\r\nWordWrap=0\r\n[Window]\r\nWindowStyle=0\r\nWidth=" +
                                std::to_string(screen.width() / 2) + "\r\nHeight=" +
                                std::to_string(screen.height() / 2) + "\r\n");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowSettingsTest, TheOuterFrameComesBackWhereAndAsLargeAsItWent) {
  WriteSettings("[Window]\nPosOption=1\nLeft=40\nTop=30\nWidth=500\nHeight=350\n");
  QRect closed;
  {
    auto w = Open();
    ShowFramed(*w);
    EXPECT_EQ(w->frameGeometry(), QRect(40, 30, 500, 350));
    w->setGeometry(w->geometry().translated(7, 9).adjusted(0, 0, 31, 17));
    QCoreApplication::processEvents();
    closed = w->frameGeometry();
    w->close();
  }
  for (int start = 0; start < 2; ++start) {
    auto w = Open();
    ShowFramed(*w);
    EXPECT_EQ(w->frameGeometry(), closed);
    w->close();
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowSettingsTest, SizesLargerThanTheDesktopAreCut) {
  WriteSettings("[Window]\nWidth=100000\nHeight=2147483647\n");
  auto w = Open();
  const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
  EXPECT_LE(w->width(), desktop.width());
  EXPECT_LE(w->height(), desktop.height());
}

TEST_F(MainWindowSettingsTest, AFixtureReachesTheViewTheBarsAndTheWindow) {
  WriteSettings("[Editor]\nWordWrap=1\nColor=0x0000FF\n[Editor\\WrapOption]\nWrapByte=40\n"
                "[Editor\\Colors]\nUrlStyle=6\n[Editor\\Margin]\nLeft=150\n"
                "[Option]\nCV2Setting=0\n[Bar]\nToolbar=0\nStatusBar=0\n"
                "[ToolBar]\nSize=24\nImage=missing.bmp\n");
  auto w = Open();
  EXPECT_TRUE(errors_.empty());
  editor::TEditor& view = w->TextView();
  EXPECT_EQ(w->WrapMode(), 1);
  EXPECT_TRUE(Checked(*w, "actTurnCol"));
  EXPECT_FALSE(Checked(*w, "actTurnNone"));
  EXPECT_TRUE(view.WordWrap());
  EXPECT_EQ(view.ScrollBars(), editor::ssVertical);
  EXPECT_EQ(view.WrapOption().WrapByte(), 40);
  EXPECT_EQ(view.Margin().Left(), 100);
  EXPECT_EQ(view.View().Colors().Url().Style(),
            (platform::TFontStyles{platform::fsBold, platform::fsItalic}));
  EXPECT_EQ(Find<platform::qt::Panel>(*w, "pnlBase")->palette().color(QPalette::Window),
            QColor(255, 0, 0));
  EXPECT_FALSE(Checked(*w, "actViewCorvid"));
  EXPECT_FALSE(Checked(*w, "actViewToolbar"));
  EXPECT_TRUE(Checked(*w, "actViewHeadbar"));
  EXPECT_FALSE(Checked(*w, "actViewStabar"));
  EXPECT_TRUE(Find<QWidget>(*w, "pnlToolbar")->isHidden());
  EXPECT_FALSE(Find<QWidget>(*w, "pndHead")->isHidden());
  EXPECT_TRUE(Find<QWidget>(*w, "staMain")->isHidden());
  EXPECT_EQ(Find<QWidget>(*w, "pnlToolbar")->height(), 36);
  EXPECT_EQ(Find<QToolBar>(*w, "tbrMain0")->iconSize(), QSize(24, 24));
  // No strip: the commands are there, without images.
  EXPECT_TRUE(Find<QAction>(*w, "actFileRes")->icon().isNull());
  EXPECT_EQ(view.Lines().Text(), "body line\r\n");
}

TEST_F(MainWindowSettingsTest, WrappingAtTheWindowWidthFollowsTheWindow) {
  WriteSettings("[Editor]\nWordWrap=2\n[Editor\\Margin]\nCharacter=2\n");
  auto w = Open();
  editor::TEditor& view = w->TextView();
  auto expected = [&] {  // within the wrap width's limits
    return std::clamp((view.ClientRect().Width() - view.Margin().Left()) /
                          (view.ColWidth() + view.Margin().Character()),
                      20, 250);
  };
  ShowFramed(*w);
  EXPECT_TRUE(Checked(*w, "actTurnWin"));
  EXPECT_EQ(view.ScrollBars(), editor::ssVertical);
  EXPECT_EQ(view.WrapOption().WrapByte(), expected());
  // The view may get its size after the window's own resize (at start-up its panel is laid
  // out once shown): the width follows the view.
  QWidget& viewWindow = *w->TextViewWindow();
  viewWindow.resize(viewWindow.width() - 200, viewWindow.height());
  EXPECT_EQ(view.WrapOption().WrapByte(), expected());
  w->resize(w->width() + 100, w->height());
  QCoreApplication::processEvents();
  EXPECT_EQ(view.WrapOption().WrapByte(), expected());
  EXPECT_EQ(SettingsText(), "[Editor]\nWordWrap=2\n[Editor\\Margin]\nCharacter=2\n");
  // Settings read again with wider columns: the width follows them too.
  const int before = view.WrapOption().WrapByte();
  WriteSettings("[Editor]\nWordWrap=2\n[Editor\\Margin]\nCharacter=4\n");
  Trigger(*w, "actViewCorvid");
  EXPECT_LT(view.WrapOption().WrapByte(), before);
  EXPECT_EQ(view.WrapOption().WrapByte(), expected());
}

TEST_F(MainWindowSettingsTest, CommandsWriteTheirKeysAtEachChange) {
  WriteSettings("[Editor\\WrapOption]\nWrapByte=30\n");
  auto w = Open();
  Trigger(*w, "actTurnCol");
  EXPECT_EQ(w->TextView().WrapOption().WrapByte(), 30);
  Trigger(*w, "actViewToolbar");
  EXPECT_TRUE(Find<QWidget>(*w, "pnlToolbar")->isHidden());
  Trigger(*w, "actViewHeadbar");
  EXPECT_TRUE(Find<QWidget>(*w, "pndHead")->isHidden());
  Trigger(*w, "actViewHead");
  Trigger(*w, "actViewHeadbar");  // shown again only in body mode
  EXPECT_TRUE(Find<QWidget>(*w, "pndHead")->isHidden());
  Trigger(*w, "actViewStabar");
  EXPECT_TRUE(Find<QWidget>(*w, "staMain")->isHidden());
  EXPECT_EQ(SettingsText(), "[Editor\\WrapOption]\nWrapByte=30\n[Editor]\nWordWrap=1\n"
                            "[Bar]\nToolbar=0\nHeaderBar=1\nStatusBar=0\n");

  // The host switch reads the text view's settings again.
  WriteSettings("[Editor\\Colors]\nAnkColor=255\n");
  Trigger(*w, "actViewCorvid");
  EXPECT_FALSE(Checked(*w, "actViewCorvid"));
  EXPECT_EQ(w->TextView().View().Colors().Ank().Color(), 255);
  EXPECT_EQ(SettingsText(), "[Editor\\Colors]\nAnkColor=255\n[Option]\nCV2Setting=0\n");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(MainWindowSettingsTest, AReadOnlyFileIsReportedAndStartUpGoesOn) {
  WriteSettings("[Bar]\nToolbar=0\n[Window]\nPosOption=1\n");
  chmod(settings_.c_str(), 0444);
  const std::string refused = settings_ + " に書き込めません";
  auto w = Open();
  // The wrap mode's write failed; the later steps and the message still came.
  EXPECT_EQ(errors_, std::vector<std::string>{refused});
  EXPECT_TRUE(Find<QWidget>(*w, "pnlToolbar")->isHidden());
  EXPECT_EQ(w->windowTitle().toStdString(), "s - Quillet");
  EXPECT_EQ(w->TextView().Lines().Text(), "body line\r\n");
  EXPECT_FALSE(Find<QAction>(*w, "actFileRes")->icon().isNull());

  // A refused command has changed the window all the same; closing is not refused.
  Trigger(*w, "actTurnWin");
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(w->WrapMode(), 2);
  EXPECT_TRUE(w->TextView().WordWrap());
  Trigger(*w, "actViewStabar");
  EXPECT_TRUE(Find<QWidget>(*w, "staMain")->isHidden());
  EXPECT_TRUE(w->close());
  EXPECT_EQ(errors_, std::vector<std::string>(4, refused));
  EXPECT_EQ(SettingsText(), "[Bar]\nToolbar=0\n[Window]\nPosOption=1\n");
}

}  // namespace
}  // namespace quillet
