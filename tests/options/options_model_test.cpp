#include "options/options_model.h"

#include <gtest/gtest.h>

#include "options/settings_keys.h"
#include "options/shortcut_check.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "tests/support/scratch_dir.h"

namespace quillcfg {
namespace {

using platform::ReadFileBytes;

TEST(SettingKeys, ValuesAreWrittenAsTheViewerReadsThem) {
  EXPECT_EQ(NormalizedValue(ValueKind::Color, "0x80000005"), "-2147483643");
  EXPECT_EQ(NormalizedValue(ValueKind::Color, "$FF"), "255");
  EXPECT_EQ(NormalizedValue(ValueKind::Bool, "7"), "1");
  EXPECT_EQ(NormalizedValue(ValueKind::Style, "+6"), "6");
  EXPECT_EQ(NormalizedValue(ValueKind::Integer, "12a"), std::nullopt);
  EXPECT_EQ(NormalizedValue(ValueKind::Text, " spaced "), " spaced ");
  EXPECT_EQ(NormalizedValue(ValueKind::Text, "two\nlines"), std::nullopt);
  EXPECT_EQ(NormalizedValue(ValueKind::Text, std::string(2048, 'x')), std::nullopt);
  EXPECT_EQ(NormalizedValue(ValueKind::ShortCut, ""), "");
  EXPECT_EQ(NormalizedValue(ValueKind::ShortCut, "^Q"), "^Q");
  EXPECT_EQ(NormalizedValue(ValueKind::ShortCut, "Ctrl+"), std::nullopt);

  const SettingKey* key = FindSettingKey("editor\\marks", "RETMARKCOLER");
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->Key, "RetMarkColer");
  EXPECT_NE(FindSettingKey("Key\\Bar", "status"), nullptr);
  EXPECT_EQ(FindSettingKey("Editor\\Colors", "HitColor"), nullptr);
}

TEST(ShortCutCheck, UnknownTextsAndSharedShortCutsAreFound) {
  const std::vector<std::string> texts = {"Ctrl+R", "", "ctrl+r", "Nope", "^R", "F1"};
  const std::vector<ShortCutCheck> checks = CheckShortCuts(texts);
  ASSERT_EQ(checks.size(), texts.size());
  EXPECT_TRUE(checks[0].valid && !checks[0].takenBy);
  EXPECT_TRUE(checks[1].valid && !checks[1].takenBy);
  EXPECT_EQ(checks[2].takenBy, 0u);
  EXPECT_FALSE(checks[3].valid);
  EXPECT_EQ(checks[4].takenBy, 0u);
  EXPECT_FALSE(checks[5].takenBy);
}

// Only changed keys are written, in one write; every other byte stays.
TEST(OptionsModel, SavesOnlyWhatChangedAndKeepsTheRestByteForByte) {
  testsupport::ScratchDir dir;
  const std::string before =
      "; kept\r\n[Editor\\Colors]\r\nAnkColor = 0\r\nUrlStyle=\"8\"\r\n\r\n[Other]\r\nx=1\r\n";
  const std::string file = dir.Write("quillet.ini", before);
  TOptionsModel model(file);
  model.Set("Editor\\Colors", "UrlStyle", "8");  // what the file holds already
  model.Set("Editor\\Colors", "AnkColor", "1");
  model.Set("Editor\\Colors", "AnkColor", "255");
  model.Set("Bar", "Toolbar", "0");
  model.Set("Bar", "StatusBar", "0");
  model.Revert("Bar", "StatusBar");
  EXPECT_EQ(model.ReadInteger("Editor\\Colors", "AnkColor", 9), 255);
  EXPECT_EQ(model.ReadString("Editor\\Colors", "UrlStyle", ""), "8");
  EXPECT_EQ(model.Changes().size(), 2u);
  EXPECT_EQ(ReadFileBytes(file), before);

  // Meanwhile the viewer writes a key of its own; it stays.
  platform::TIniFile(file).WriteInteger("Editor", "WordWrap", 2);
  model.Save();
  EXPECT_FALSE(model.Modified());
  EXPECT_EQ(ReadFileBytes(file),
            "; kept\r\n[Editor\\Colors]\r\nAnkColor = 255\r\nUrlStyle=\"8\"\r\n\r\n[Other]\r\n"
            "x=1\r\n[Editor]\r\nWordWrap=2\r\n[Bar]\r\nToolbar=0\r\n");
  EXPECT_EQ(model.ReadInteger("Editor", "WordWrap", 0), 2);
}

TEST(OptionsModel, ARefusedSaveKeepsTheChangesAndTheFile) {
  testsupport::ScratchDir dir;
  const std::string file = dir.Write("quillet.ini", "[Bar]\nToolbar=1\n");
  chmod(file.c_str(), 0444);
  TOptionsModel model(file);
  model.Set("Bar", "Toolbar", "0");
  EXPECT_THROW(model.Save(), platform::EIniFileException);
  EXPECT_TRUE(model.Modified());
  EXPECT_EQ(ReadFileBytes(file), "[Bar]\nToolbar=1\n");

  // A settings folder not made yet is made by the first save.
  TOptionsModel fresh(dir.Path() + "/config/quillet/quillet.ini");
  fresh.Set("Bar", "Toolbar", "0");
  fresh.Save();
  EXPECT_EQ(ReadFileBytes(fresh.FileName()), "[Bar]\r\nToolbar=0\r\n");
}

}  // namespace
}  // namespace quillcfg
