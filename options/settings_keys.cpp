#include "options/settings_keys.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/shortcut_keys.h"
#include "app/shortcut_text.h"
#include "platform/cp932.h"
#include "platform/ini_text.h"
#include "platform/strconv.h"

namespace quillcfg {
namespace {

using enum ValueKind;

constexpr SettingKey kFixedKeys[] = {
    {"Editor", "Color", Color},
    {"Editor", "UndoListMax", Integer},
    {"Editor", "WordWrap", Integer},
    {"Editor\\Caret", "AutoCursor", Bool},
    {"Editor\\Caret", "AutoIndent", Bool},
    {"Editor\\Caret", "FreeCaret", Bool},
    {"Editor\\Caret", "InTab", Bool},
    {"Editor\\Caret", "KeepCaret", Bool},
    {"Editor\\Caret", "LockScroll", Bool},
    {"Editor\\Caret", "NextLine", Bool},
    {"Editor\\Caret", "PrevSpaceIndent", Bool},
    {"Editor\\Caret", "RowSelect", Bool},
    {"Editor\\Caret", "SelDragMode", Integer},
    {"Editor\\Caret", "SelMove", Bool},
    {"Editor\\Caret", "SoftTab", Bool},
    {"Editor\\Caret", "Style", Integer},
    {"Editor\\Caret", "TabIndent", Bool},
    {"Editor\\Caret", "TabSpaceCount", Integer},
    {"Editor\\Colors", "AnkBkColor", Color},
    {"Editor\\Colors", "AnkColor", Color},
    {"Editor\\Colors", "AnkStyle", Style},
    {"Editor\\Colors", "CommentBkColor", Color},
    {"Editor\\Colors", "CommentColor", Color},
    {"Editor\\Colors", "CommentStyle", Style},
    {"Editor\\Colors", "DBCSBkColor", Color},
    {"Editor\\Colors", "DBCSColor", Color},
    {"Editor\\Colors", "DBCSStyle", Style},
    {"Editor\\Colors", "IntBkColor", Color},
    {"Editor\\Colors", "IntColor", Color},
    {"Editor\\Colors", "IntStyle", Style},
    {"Editor\\Colors", "MailBkColor", Color},
    {"Editor\\Colors", "MailColor", Color},
    {"Editor\\Colors", "MailStyle", Style},
    {"Editor\\Colors", "ReserveBkColor", Color},
    {"Editor\\Colors", "ReserveColor", Color},
    {"Editor\\Colors", "ReserveStyle", Style},
    {"Editor\\Colors", "SelectBkColor", Color},
    {"Editor\\Colors", "SelectColor", Color},
    {"Editor\\Colors", "SelectStyle", Style},
    {"Editor\\Colors", "StrBkColor", Color},
    {"Editor\\Colors", "StrColor", Color},
    {"Editor\\Colors", "StrStyle", Style},
    {"Editor\\Colors", "SymbolBkColor", Color},
    {"Editor\\Colors", "SymbolColor", Color},
    {"Editor\\Colors", "SymbolStyle", Style},
    {"Editor\\Colors", "UrlBkColor", Color},
    {"Editor\\Colors", "UrlColor", Color},
    {"Editor\\Colors", "UrlStyle", Style},
    {"Editor\\Font", "Charset", Integer},
    {"Editor\\Font", "Name", Text},
    {"Editor\\Font", "Size", Integer},
    {"Editor\\Margin", "Character", Integer},
    {"Editor\\Margin", "Left", Integer},
    {"Editor\\Margin", "Line", Integer},
    {"Editor\\Margin", "Top", Integer},
    {"Editor\\Marks", "EofMarkColor", Color},
    {"Editor\\Marks", "EofMarkVisible", Bool},
    {"Editor\\Marks", "RetMarkColer", Color},
    {"Editor\\Marks", "RetMarkVisible", Bool},
    {"Editor\\Marks", "UnderlineColor", Color},
    {"Editor\\Marks", "UnderlineVisible", Bool},
    {"Editor\\View", "ControlCode", Bool},
    {"Editor\\View", "HexPrefix", Text},
    {"Editor\\View", "Mail", Bool},
    {"Editor\\View", "Url", Bool},
    {"Editor\\WrapOption", "FollowPunctuation", Bool},
    {"Editor\\WrapOption", "FollowRetMark", Bool},
    {"Editor\\WrapOption", "FollowStr", Text},
    {"Editor\\WrapOption", "Leading", Bool},
    {"Editor\\WrapOption", "LeadStr", Text},
    {"Editor\\WrapOption", "PunctuationStr", Text},
    {"Editor\\WrapOption", "WordBreak", Bool},
    {"Editor\\WrapOption", "WrapByte", Integer},
    {"Option", "CV2Setting", Bool},
    {"Bar", "Toolbar", Bool},
    {"Bar", "HeaderBar", Bool},
    {"Bar", "StatusBar", Bool},
    {"Window", "SizOption", Integer},
    {"Window", "WindowStyle", Bool},
    {"Window", "UserWidth", Integer},
    {"Window", "UserHeight", Integer},
    {"Window", "PosOption", Integer},
    {"Window", "UserLeft", Integer},
    {"Window", "UserTop", Integer},
    {"Window", "EscExit", Bool},
    {"ToolBar", "Size", Integer},
    {"ToolBar", "Image", Text},
};

std::vector<SettingKey> AllKeys() {
  std::vector<SettingKey> keys(std::begin(kFixedKeys), std::end(kFixedKeys));
  for (const quillet::ShortCutKey& each : quillet::kShortCutKeys) {
    keys.push_back({each.Section, each.Key, ShortCut});
  }
  return keys;
}

bool SameName(std::string_view a, std::string_view b) {
  return platform::cp932::AnsiUpperCase(a) == platform::cp932::AnsiUpperCase(b);
}

}  // namespace

std::span<const SettingKey> SettingKeys() {
  static const std::vector<SettingKey> keys = AllKeys();
  return keys;
}

const SettingKey* FindSettingKey(std::string_view section, std::string_view key) {
  const std::span<const SettingKey> keys = SettingKeys();
  const auto found = std::find_if(keys.begin(), keys.end(), [&](const SettingKey& each) {
    return SameName(each.Section, section) && SameName(each.Key, key);
  });
  return found == keys.end() ? nullptr : &*found;
}

std::optional<std::string> NormalizedValue(ValueKind kind, std::string_view text) {
  switch (kind) {
    case Bool:
    case Integer:
    case Color:
    case Style: {
      const std::optional<std::int32_t> number = platform::TryStrToInt(text);
      if (!number) return std::nullopt;
      if (kind == Bool) return std::string(*number != 0 ? "1" : "0");
      return std::to_string(*number);
    }
    case ShortCut:
      if (!text.empty() && !quillet::TextToShortCut(text)) return std::nullopt;
      [[fallthrough]];
    case Text:
      // What a read would cut, or a line break, would not come back as written.
      if (text.size() > platform::ini::kMaxValueSize || !platform::ini::SetValue("", "S", "K", text)) {
        return std::nullopt;
      }
      return std::string(text);
  }
  return std::nullopt;
}

}  // namespace quillcfg
