#include "app/shortcut_text.h"

#include <utility>

#include "platform/ascii.h"

namespace quillet {
namespace {

using namespace platform;

// `name` is upper-case ASCII, so that no text holding a double-byte character matches it.
bool SameNoCase(std::string_view text, std::string_view name) {
  if (text.size() != name.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (AsciiUpper(text[i]) != name[i]) return false;
  }
  return true;
}

// Removes `prefix` (upper case) from the front of `text` when it is there.
bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!SameNoCase(text.substr(0, prefix.size()), prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

constexpr std::pair<std::string_view, int> kNamedKeys[] = {
    {"BKSP", VK_BACK},   {"TAB", VK_TAB},     {"ENTER", VK_RETURN}, {"ESC", VK_ESCAPE},
    {"SPACE", VK_SPACE}, {"PGUP", VK_PRIOR},  {"PGDN", VK_NEXT},    {"END", VK_END},
    {"HOME", VK_HOME},   {"LEFT", VK_LEFT},   {"UP", VK_UP},        {"RIGHT", VK_RIGHT},
    {"DOWN", VK_DOWN},   {"INS", VK_INSERT},  {"DEL", VK_DELETE},   {";", VK_OEM_1},
    {"=", VK_OEM_PLUS},  {",", VK_OEM_COMMA}, {"-", VK_OEM_MINUS},  {".", VK_OEM_PERIOD},
    {"/", VK_OEM_2},     {"`", VK_OEM_3},     {"[", VK_OEM_4},      {"\\", VK_OEM_5},
    {"]", VK_OEM_6},     {"'", VK_OEM_7},
};

constexpr int kFunctionKeys = 24;

// "F" and 1 to 24 written without leading zeros: the key's number, else 0.
int FunctionKey(std::string_view name) {
  if (name.size() < 2 || name.size() > 3 || AsciiUpper(name[0]) != 'F' || name[1] == '0') return 0;
  int n = 0;
  for (char c : name.substr(1)) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n <= kFunctionKeys ? VK_F1 + n - 1 : 0;
}

// The virtual key `name` names, 0 for none.
int KeyNamed(std::string_view name) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= '0' && c <= '9') return c;
    if (AsciiUpper(c) >= 'A' && AsciiUpper(c) <= 'Z') return AsciiUpper(c);
  }
  if (const int f = FunctionKey(name)) return f;
  for (const auto& [keyName, key] : kNamedKeys) {
    if (SameNoCase(name, keyName)) return key;
  }
  return 0;
}

}  // namespace

std::optional<ShortCut> TextToShortCut(std::string_view text) {
  ShortCut result;
  for (;;) {
    if (TakePrefix(text, "SHIFT+")) {
      result.Shift.Shift = true;
    } else if (TakePrefix(text, "CTRL+") || TakePrefix(text, "^")) {
      result.Shift.Ctrl = true;
    } else if (TakePrefix(text, "ALT+")) {
      result.Shift.Alt = true;
    } else {
      break;
    }
  }
  result.Key = KeyNamed(text);
  if (result.Key == 0) return std::nullopt;
  return result;
}

}  // namespace quillet
