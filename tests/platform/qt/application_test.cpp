#include "platform/qt/application.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/qt/text.h"

namespace platform::qt {
namespace {

TEST(Guard, ShowsTheErrorAndEndsOnlyTheCommand) {
  std::vector<std::string> shown;
  Application::SetExceptionHandler([&](const std::exception& e) { shown.push_back(e.what()); });
  bool after = false;
  Guard([&] {
    throw EFOpenError("/nowhere/m.eml");
    after = true;  // never reached
  });
  Guard([] { throw 42; });
  Guard([&] { after = true; });
  Application::SetExceptionHandler({});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], "ファイル /nowhere/m.eml は開けません");
  EXPECT_EQ(shown[1], "unknown error");
  EXPECT_TRUE(after);
}

TEST(Text, Cp932CrossesToQtAndBack) {
  std::string bytes = "\x8C\x8F\x96\xBC: a\x80";  // 件名: a and an invalid byte
  QString shown = ToQString(bytes);
  EXPECT_EQ(shown, QString::fromUtf8("件名: a\xEF\xBF\xBD"));
  EXPECT_EQ(FromQString(QString::fromUtf8("件名: a")), "\x8C\x8F\x96\xBC: a");
  EXPECT_EQ(PathToQString("/tmp/\x8C\x8F.eml"), QString::fromUtf8("/tmp/件.eml"));
}

}  // namespace
}  // namespace platform::qt
