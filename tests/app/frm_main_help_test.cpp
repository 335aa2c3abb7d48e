// The help command: nothing without the help file, the topics window with it; and the help
// file that comes with the program explains every command.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QRegularExpression>

#include "app/frm_main.h"
#include "platform/help_file.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/qt/help_window.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

using platform::qt::Application;

class MainWindowHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    Application::SetExceptionHandler([this](const std::exception& e) { errors_.push_back(e.what()); });
  }
  void TearDown() override { Application::SetExceptionHandler({}); }
  std::unique_ptr<TfrmMain> Open() {
    const std::string path = dir_.Write("m.eml", "Subject: s\r\n\r\nbody\r\n");
    return std::make_unique<TfrmMain>(std::vector<std::string>{"quillet", path},
                                      dir_.Path() + "/quillet.ini");
  }
  static std::vector<platform::qt::HelpTopicsWindow*> OpenHelpWindows() {
    std::vector<platform::qt::HelpTopicsWindow*> open;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* help = dynamic_cast<platform::qt::HelpTopicsWindow*>(widget);
      if (help != nullptr && help->isVisible()) open.push_back(help);
    }
    return open;
  }

  testsupport::ScratchDir dir_;
  std::vector<std::string> errors_;
};

TEST_F(MainWindowHelp, TopicsCommandOpensTheWindowOnlyWhenTheHelpFileExists) {
  auto w = Open();
  QAction* topics = w->findChild<QAction*>("actHelpTopic");
  // Named after this test program, the help file is not there.
  EXPECT_EQ(Application::HelpFile(), platform::ChangeFileExt(platform::ExePath(), ".hlp"));
  ASSERT_FALSE(platform::FileExists(Application::HelpFile()));
  topics->trigger();
  EXPECT_TRUE(OpenHelpWindows().empty());

  Application::SetHelpFile(dir_.Write("quillet.hlp", "# 返信\nreply\n"));
  topics->trigger();
  topics->trigger();
  auto open = OpenHelpWindows();
  ASSERT_EQ(open.size(), 1u);
  EXPECT_EQ(open[0]->parentWidget(), w.get());
  EXPECT_TRUE(errors_.empty());
  open[0]->close();
}

TEST_F(MainWindowHelp, TheHelpFileExplainsEveryCommandAndFile) {
  QString help;
  for (const platform::HelpTopic& topic : platform::ReadHelpFile(QUILLET_HELP_SOURCE)) {
    help += QString::fromStdString(topic.Title + "\n" + topic.Text + "\n");
  }
  auto w = Open();
  int commands = 0;
  for (QAction* action : w->findChildren<QAction*>()) {
    if (!action->objectName().startsWith(QStringLiteral("act"))) continue;
    ++commands;
    QString caption = action->text();
    caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)|\\.\\.\\.$")));
    EXPECT_TRUE(help.contains(caption)) << action->objectName().toStdString();
  }
  EXPECT_EQ(commands, 25);
  for (const char* word :
       {"quillet.ini", "Quote.kwd", "Header.kwd", "Quillcfg.exe", "[Editor]", "[Editor\\Caret]",
        "[Editor\\Colors]", "[Editor\\Font]", "[Editor\\Margin]", "[Editor\\Marks]",
        "[Editor\\View]", "[Editor\\WrapOption]", "[Option]", "[Bar]", "[Window]", "[ToolBar]",
        "[Key\\File]", "[Key\\Help]", "WordWrap", "WrapByte", "CV2Setting", "EscExit",
        "Software\\Tallowsoft\\CV2\\Settings", "Software\\Tallowsoft\\CV2\\Colors", "Ctrl+R",
        "Ctrl+O", "Ctrl+N", "Ctrl+C", "Ctrl+A", "Esc", "F1"}) {
    EXPECT_TRUE(help.contains(QString::fromUtf8(word))) << word;
  }
}

}  // namespace
}  // namespace quillet
