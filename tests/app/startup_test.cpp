#include "app/startup.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

class FakeHost : public StartupHost {
 public:
  void Beep() override { calls += "beep;"; }
  void ShowWarning(const std::string& text) override { calls += "warn:" + text + ";"; }
  void RunMainWindow(const std::vector<std::string>& args) override {
    calls += "window:" + std::to_string(args.size()) + ";";
  }
  std::string calls;
};

TEST(RunProgram, RefusesWithoutAMessagePath) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"quillet"}, std::vector<std::string>{"quillet", ""}}) {
    FakeHost host;
    EXPECT_EQ(RunProgram(args, host), 0);
    EXPECT_EQ(host.calls,
              "beep;warn:Quillet for Corvid! ver.2\r\n\r\nQuillet は単独起動を認めていません。;");
  }
}

TEST(RunProgram, RunsTheWindowWithAllArguments) {
  FakeHost host;
  EXPECT_EQ(RunProgram({"quillet", "x", "y z", "w"}, host), 0);
  EXPECT_EQ(host.calls, "window:4;");
}

TEST(VersionNumber, MajorDigitsThenFirstMinorDigit) {
  EXPECT_EQ(VersionNumber({5, 0}), 50);  // not above 50: single border
  EXPECT_EQ(VersionNumber({5, 1}), 51);
  EXPECT_EQ(VersionNumber({10, 0}), 100);
  EXPECT_EQ(VersionNumber({6, 12}), 61);
  EXPECT_EQ(VersionNumber({4, 90}), 49);
}

}  // namespace
}  // namespace quillet
