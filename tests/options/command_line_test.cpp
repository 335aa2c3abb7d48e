#include "options/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "platform/paths.h"
#include "tests/support/scratch_dir.h"

namespace quillcfg {
namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome Scripted(const std::vector<std::string>& args, const std::string& file) {
  std::vector<std::string> all = {"Quillcfg.exe"};
  all.insert(all.end(), args.begin(), args.end());
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunScripted(ParseCommandLine(all), file, out, err);
  return {status, out.str(), err.str()};
}

TEST(CommandLine, ArgumentsAreReadOrRefused) {
  const CommandLine line = ParseCommandLine(
      {"q", "--settings", "/tmp/a b.ini", "--set", "Editor\\Colors/AnkColor=a=b", "--save"});
  EXPECT_EQ(line.settingsFile, "/tmp/a b.ini");
  ASSERT_EQ(line.assignments.size(), 1u);
  EXPECT_EQ(line.assignments[0].section, "Editor\\Colors");
  EXPECT_EQ(line.assignments[0].key, "AnkColor");
  EXPECT_EQ(line.assignments[0].value, "a=b");
  EXPECT_TRUE(line.Scripted());
  EXPECT_FALSE(ParseCommandLine({"q", "--settings", "x"}).Scripted());
  for (const auto& bad : std::vector<std::vector<std::string>>{
           {"q", "--set"}, {"q", "--set", "NoSlash=1"}, {"q", "--set", "A/B"}, {"q", "file"},
           {"q", "--settings"}, {"q", "--bogus"}}) {
    EXPECT_THROW(ParseCommandLine(bad), std::invalid_argument) << bad.back();
  }
}

// The file written is checked byte for byte: known keys only, values as the dialog writes them,
// names as the viewer spells them, nothing written when any value is refused.
TEST(CommandLine, SetAndSaveWriteTheSettingsFile) {
  testsupport::ScratchDir dir;
  const std::string before = "[Editor]\nColor=255\n; end\n";
  const std::string file = dir.Write("quillet.ini", before);

  Outcome run = Scripted({"--set", "Editor/Color=0xFF", "--set", "editor\\font/NAME=ＭＳ 明朝",
                      "--set", "Key\\File/Close="},
                     file);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Editor\\Font/Name=ＭＳ 明朝\nKey\\File/Close=\n");  // Color is 255 already
  EXPECT_EQ(platform::ReadFileBytes(file), before);

  for (const auto& bad : {"Editor/Nope=1", "Editor/Color=red", "Key\\Help/Topic=Ctrl+Nope"}) {
    run = Scripted({"--set", "Bar/Toolbar=0", "--set", bad, "--save"}, file);
    EXPECT_EQ(run.status, 2) << bad;
    EXPECT_NE(run.err.find(std::string(bad).substr(0, std::string(bad).find('='))), std::string::npos);
  }
  EXPECT_EQ(platform::ReadFileBytes(file), before);

  run = Scripted({"--set", "Editor\\Colors/AnkColor=0x0000FF", "--set", "Bar/Toolbar=2", "--set",
                  "Editor\\Font/Name=ＭＳ 明朝", "--save"},
                 file);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(platform::ReadFileBytes(file),
            "[Editor]\nColor=255\n; end\n[Editor\\Colors]\nAnkColor=255\n[Bar]\nToolbar=1\n"
            "[Editor\\Font]\nName=\x82\x6C\x82\x72 \x96\xBE\x92\xA9\n");

  chmod(file.c_str(), 0444);
  run = Scripted({"--set", "Bar/Toolbar=0", "--save"}, file);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("に書き込めません"), std::string::npos);
}

}  // namespace
}  // namespace quillcfg
