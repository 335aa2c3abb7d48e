// Messages handed over by the desktop: a file:// URL on the command line, a file dropped on the
// window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/frm_main.h"
#include "platform/qt/application.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

class MainWindowOpen : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::qt::Application::SetExceptionHandler(
        [this](const std::exception& e) { errors_.push_back(e.what()); });
  }
  void TearDown() override { platform::qt::Application::SetExceptionHandler({}); }

  // Sends a drag of `urls` onto the window's middle: whether it was taken, and when `drop`
  // whether the drop was.
  static bool Drag(TfrmMain& w, const QList<QUrl>& urls, bool drop) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint middle(w.width() / 2, w.height() / 2);
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &enter);
    if (!drop || !enter.isAccepted()) return enter.isAccepted();
    QDropEvent dropped(middle, Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &dropped);
    return dropped.isAccepted();
  }
  static std::string Caption(const TfrmMain& w) { return w.windowTitle().toStdString(); }
  static std::string ViewText(const TfrmMain& w) { return w.TextView().Lines().Text(); }

  testsupport::ScratchDir dir_;
  std::vector<std::string> errors_;
};

TEST_F(MainWindowOpen, FileUrlOnTheCommandLineOpensItsFile) {
  const std::string path = dir_.Write("Mail Box 100%.eml", "Subject: url\n\nbody\n");
  const QString url =
      QUrl::fromLocalFile(QString::fromStdString(path)).toString(QUrl::FullyEncoded);
  ASSERT_TRUE(url.contains("%20") && url.contains("%25"));
  TfrmMain w({"quillet", url.toStdString()});
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w.MessagePath(), path);
  EXPECT_EQ(Caption(w), "url - Quillet");
  EXPECT_EQ(ViewText(w), "body\r\n");
}

TEST_F(MainWindowOpen, DroppedFileReplacesTheMessageInTheCurrentMode) {
  const std::string first = dir_.Write("a.eml", "Subject: one\n\nfirst\n");
  const std::string second = dir_.Write("b c.eml", "Subject: two\nX-Priority: 1\n\nsecond\n");
  TfrmMain w({"quillet", first});
  w.findChild<QAction*>("actViewSrc")->trigger();

  EXPECT_TRUE(Drag(w, {QUrl::fromLocalFile(QString::fromStdString(second))}, true));
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w.MessagePath(), second);
  EXPECT_EQ(w.CurrentViewMode(), ViewMode::Source);
  EXPECT_EQ(ViewText(w), "Subject: two\r\nX-Priority: 1\r\n\r\nsecond\r\n");
  EXPECT_EQ(Caption(w), "two - Quillet");
  // The view-mode commands go on with the dropped file.
  w.findChild<QAction*>("actViewMsg")->trigger();
  EXPECT_EQ(ViewText(w), "second\r\n");
  EXPECT_EQ(w.ShownStamp(), 0);
}

TEST_F(MainWindowOpen, UnreadableDropIsReportedAndTheMessageKept) {
  const std::string first = dir_.Write("a.eml", "Subject: one\n\nfirst\n");
  TfrmMain w({"quillet", first});
  for (const std::string& path : {dir_.Path() + "/gone.eml", dir_.Path()}) {
    errors_.clear();
    EXPECT_TRUE(Drag(w, {QUrl::fromLocalFile(QString::fromStdString(path))}, true));
    EXPECT_EQ(errors_, std::vector<std::string>{"ファイル " + path + " は開けません"});
    EXPECT_EQ(w.MessagePath(), first);
    EXPECT_EQ(Caption(w), "one - Quillet");
    EXPECT_EQ(ViewText(w), "first\r\n");
    EXPECT_EQ(w.Headers().Subject, "one");
  }
}

TEST_F(MainWindowOpen, OnlyOneLocalFileIsTaken) {
  const std::string first = dir_.Write("a.eml", "Subject: one\n\nfirst\n");
  const QUrl local = QUrl::fromLocalFile(QString::fromStdString(first));
  TfrmMain w({"quillet", first});
  EXPECT_FALSE(Drag(w, {}, false));
  EXPECT_FALSE(Drag(w, {local, local}, false));
  EXPECT_FALSE(Drag(w, {QUrl("https://example.org/a.eml")}, false));
  EXPECT_TRUE(Drag(w, {local}, false));
  EXPECT_TRUE(errors_.empty());
}

}  // namespace
}  // namespace quillet
