// Running out of memory while the window loads a message.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <memory>

#include "app/frm_main.h"
#include "app/text_view_stand_in.h"
#include "platform/qt/application.h"
#include "tests/support/allocation_limit.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

TEST(MainWindowOutOfMemory, IsReportedInJapaneseAndTheWindowStaysUsable) {
  std::vector<std::string> errors;
  platform::qt::Application::SetExceptionHandler(
      [&errors](const std::exception& e) { errors.push_back(e.what()); });
  testsupport::ScratchDir dir;
  std::string path = dir.Write("m.eml", "Subject: small\n\nsmall body\n");
  TfrmMain w({"quillet", path});
  auto* view = w.findChild<TextViewStandIn*>("txtMain");
  auto* subject = w.findChild<QLabel*>("lblSubject");
  ASSERT_TRUE(view && subject);

  // Reading the larger message asks for more than memory gives.
  std::string file = "Subject: large\n\n", body;
  for (int i = 0; i < (1 << 14); ++i) {
    file += std::string(62, 'x') + "\n";
    body += std::string(62, 'x') + "\r\n";
  }
  dir.Write("m.eml", file);
  {
    testsupport::FailLargeAllocations fail(256 << 10);
    w.findChild<QAction*>("actViewSrc")->trigger();
  }
  EXPECT_EQ(errors, std::vector<std::string>{"メモリが不足しています"});
  EXPECT_EQ(view->Text(), "small body\r\n");
  EXPECT_EQ(subject->text().toStdString(), "件名：  small");

  // Once memory is there again, the next command loads the message.
  w.findChild<QAction*>("actViewMsg")->trigger();
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_EQ(view->Text(), body);
  EXPECT_EQ(subject->text().toStdString(), "件名：  large");

  // At start-up the window still opens.
  std::unique_ptr<TfrmMain> started;
  {
    testsupport::FailLargeAllocations fail(256 << 10);
    started = std::make_unique<TfrmMain>(std::vector<std::string>{"quillet", path});
  }
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors.back(), "メモリが不足しています");
  EXPECT_EQ(started->windowTitle().toStdString(), " - Quillet");
  platform::qt::Application::SetExceptionHandler({});
}

}  // namespace
}  // namespace quillet
