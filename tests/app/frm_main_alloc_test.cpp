// Running out of memory while the window loads a message.
#include <gtest/gtest.h>

#include <QAction>

#include "app/frm_main.h"
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
  std::string path = dir.Write("m.eml", "\n\nsmall\n");
  TfrmMain w({"quillet", path});
  rows::TEditorStrings& view = w.TextView().Lines();
  std::string large(1 << 20, 'x');  // reading it needs one block of 1 MiB
  for (size_t i = 64; i < large.size(); i += 64) large[i] = '\n';  // short lines show quickly
  dir.Write("m.eml", "\n" + large);
  {
    testsupport::FailLargeAllocations fail(256 << 10);
    w.findChild<QAction*>("actViewSrc")->trigger();
    TfrmMain started({"quillet", path});  // at start-up the window opens all the same
  }
  EXPECT_EQ(errors, std::vector<std::string>(2, "メモリが不足しています"));
  EXPECT_EQ(view.Text(), "small\r\n");
  w.findChild<QAction*>("actViewMsg")->trigger();  // with memory back, the next load works
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_GT(view.Text().size(), large.size());
  platform::qt::Application::SetExceptionHandler({});
}

}  // namespace
}  // namespace quillet
