#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "app/shortcut_keys.h"
#include "app/shortcut_text.h"
#include "platform/cp932.h"

namespace quillet {
namespace {

using namespace platform;

ShortCut Keys(int key, bool shift = false, bool ctrl = false, bool alt = false) {
  ShortCut s;
  s.Key = key;
  s.Shift.Shift = shift;
  s.Shift.Ctrl = ctrl;
  s.Shift.Alt = alt;
  return s;
}

}  // namespace

void PrintTo(const ShortCut& s, std::ostream* out) {
  *out << (s.Shift.Shift ? "Shift+" : "") << (s.Shift.Ctrl ? "Ctrl+" : "")
       << (s.Shift.Alt ? "Alt+" : "") << "key " << s.Key;
}

namespace {

TEST(ShortCutText, PrefixesInAnyOrderAndAnyCase) {
  const ShortCut ctrlShiftM = Keys('M', true, true);
  for (const char* text : {"Ctrl+Shift+M", "Shift+Ctrl+M", "ctrl+shift+m", "SHIFT+CTRL+M",
                           "sHiFt+^m", "^Shift+M", "^^shift+shift+M"}) {
    EXPECT_EQ(TextToShortCut(text), ctrlShiftM) << text;
  }
  EXPECT_EQ(TextToShortCut("Ctrl+R"), Keys('R', false, true));
  EXPECT_EQ(TextToShortCut("^r"), Keys('R', false, true));
  EXPECT_EQ(TextToShortCut("Alt+F4"), Keys(VK_F1 + 3, false, false, true));
  EXPECT_EQ(TextToShortCut("Alt+Ctrl+Shift+Del"), Keys(VK_DELETE, true, true, true));
  EXPECT_EQ(TextToShortCut("alt+^Home"), Keys(VK_HOME, false, true, true));
  EXPECT_EQ(TextToShortCut("x"), Keys('X'));
  EXPECT_EQ(TextToShortCut("f"), Keys('F'));
  EXPECT_EQ(TextToShortCut("Ctrl+-"), Keys(VK_OEM_MINUS, false, true));
}

TEST(ShortCutText, EveryKeyName) {
  struct Name {
    std::string text;
    int key;
  };
  std::vector<Name> names = {
      {"BkSp", VK_BACK},   {"Tab", VK_TAB},     {"Enter", VK_RETURN}, {"Esc", VK_ESCAPE},
      {"Space", VK_SPACE}, {"PgUp", VK_PRIOR},  {"PgDn", VK_NEXT},    {"End", VK_END},
      {"Home", VK_HOME},   {"Left", VK_LEFT},   {"Up", VK_UP},        {"Right", VK_RIGHT},
      {"Down", VK_DOWN},   {"Ins", VK_INSERT},  {"Del", VK_DELETE},   {";", VK_OEM_1},
      {"=", VK_OEM_PLUS},  {",", VK_OEM_COMMA}, {"-", VK_OEM_MINUS},  {".", VK_OEM_PERIOD},
      {"/", VK_OEM_2},     {"`", VK_OEM_3},     {"[", VK_OEM_4},      {"\\", VK_OEM_5},
      {"]", VK_OEM_6},     {"'", VK_OEM_7},
  };
  for (char c = 'A'; c <= 'Z'; ++c) names.push_back({std::string(1, c), c});
  for (char c = '0'; c <= '9'; ++c) names.push_back({std::string(1, c), c});
  for (int n = 1; n <= 24; ++n) names.push_back({"F" + std::to_string(n), VK_F1 + n - 1});
  std::set<int> keys;
  for (const Name& name : names) {
    SCOPED_TRACE(name.text);
    keys.insert(name.key);
    EXPECT_EQ(TextToShortCut(name.text), Keys(name.key));
    std::string lower = name.text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(TextToShortCut(lower), Keys(name.key));
    EXPECT_EQ(TextToShortCut("Shift+" + name.text), Keys(name.key, true));
  }
  EXPECT_EQ(keys.size(), names.size());  // no two names for one key
}

TEST(ShortCutText, JunkGivesNoShortCut) {
  for (const char* text :
       {"",          "Ctrl+",   "^",       "Shift+Ctrl+",   "Ctrl",     "Shift",  "Control+R",
        "Ctrl-R",    "Ctrl +R", " Ctrl+R", "Ctrl+R ",       "Ctrl+RR",  "R+Ctrl", "+R",
        "Ctrl++",    "F0",      "F25",     "F01",           "F100",     "F1x",    "Escape",
        "Backspace", "PageUp",  "Return",  "Delete",        "Insert",   "Pause",  "Win+R",
        "Shift+Alt", "AB",      "12",      "Ctrl+\x83\x41", "\x82\x60", "\xA0",   "Ctrl+R\r\n"}) {
    EXPECT_EQ(TextToShortCut(text), std::nullopt) << text;
  }
  EXPECT_EQ(TextToShortCut(std::string("R\0", 2)), std::nullopt);
  EXPECT_EQ(TextToShortCut(cp932::FromUtf8("Ctrl+Ａ")), std::nullopt);  // full-width letter
}

std::vector<std::string> Defaults() {
  std::vector<std::string> texts;
  for (const ShortCutKey& key : kShortCutKeys) texts.emplace_back(key.Default);
  return texts;
}

TEST(ShortCutKeys, DefaultsBindTheSevenCommandsAndNothingElse) {
  const auto assigned = AssignShortCuts(Defaults());
  ASSERT_EQ(assigned.size(), kShortCutKeys.size());
  const std::pair<std::string_view, ShortCut> expected[] = {
      {"actFileRes", Keys('R', false, true)},  {"actFileReNew", Keys('O', false, true)},
      {"actFileNew", Keys('N', false, true)},  {"actFileClose", Keys(VK_ESCAPE)},
      {"actEditCopy", Keys('C', false, true)}, {"actEditSelect", Keys('A', false, true)},
      {"actHelpTopic", Keys(VK_F1)},
  };
  for (size_t i = 0; i < kShortCutKeys.size(); ++i) {
    SCOPED_TRACE(kShortCutKeys[i].Action);
    std::optional<ShortCut> want;
    for (const auto& [action, shortCut] : expected) {
      if (action == kShortCutKeys[i].Action) want = shortCut;
    }
    EXPECT_EQ(assigned[i], want);
  }
  // Every action once; the sections hold their keys in the order they are read.
  std::set<std::string_view> actions;
  for (const ShortCutKey& key : kShortCutKeys) actions.insert(key.Action);
  EXPECT_EQ(actions.size(), kShortCutKeys.size());
  EXPECT_EQ(actions.count("actViewCorvid"), 0u);
}

TEST(ShortCutKeys, TheFirstKeyToClaimAShortCutKeepsIt) {
  std::vector<std::string> texts = Defaults();
  texts[9] = "ctrl+shift+m";   // [Key\View] Message
  texts[12] = "^R";            // Option claims Reply's key: Reply keeps it
  texts[14] = "Shift+Ctrl+M";  // Col claims what Message took first
  texts[15] = "Ctrl+Alt+R";    // other modifiers: another shortcut
  texts[3] = "";               // Close without Esc frees it for a later key
  texts[17] = "Esc";
  const auto assigned = AssignShortCuts(texts);
  EXPECT_EQ(assigned[0], Keys('R', false, true));
  EXPECT_EQ(assigned[9], Keys('M', true, true));
  EXPECT_EQ(assigned[12], std::nullopt);
  EXPECT_EQ(assigned[14], std::nullopt);
  EXPECT_EQ(assigned[15], Keys('R', false, true, true));
  EXPECT_EQ(assigned[3], std::nullopt);
  EXPECT_EQ(assigned[17], Keys(VK_ESCAPE));

  // The same key written twice by the same text or by two forms of it.
  const std::vector<std::string> twice = {"F1", "f1", "junk", "junk", "^A", "Ctrl+a"};
  EXPECT_EQ(AssignShortCuts(twice), (std::vector<std::optional<ShortCut>>{
                                        Keys(VK_F1), std::nullopt, std::nullopt, std::nullopt,
                                        Keys('A', false, true), std::nullopt}));
}

}  // namespace
}  // namespace quillet
