#pragma once
// The keys of the viewer's settings file that the options program edits, each with the kind of
// value it holds, and how a value of each kind is written.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillcfg {

enum class ValueKind {
  Bool,      // written "1" or "0"
  Integer,   // decimal
  Color,     // an integer in the platform's colour form, decimal (system colours negative)
  Style,     // 2 bold + 4 italic + 8 underline + 16 strike-out, decimal
  Text,      // CP932 bytes, one line
  ShortCut,  // a shortcut text the viewer's parser reads, or empty for none
};

struct SettingKey {
  std::string_view Section;
  std::string_view Key;
  ValueKind Kind;
};

// Every key, section by section in the order the viewer reads them.
std::span<const SettingKey> SettingKeys();

// The key of that name, matched as the settings file matches names (ASCII letters in any
// case); nullptr for a key the options program does not edit.
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);

// `text` as a value of `kind` is written: integers of any form the file reads in decimal, any
// non-zero integer as "1" for a boolean. Nothing when the viewer would not read `text` as that
// kind (a shortcut text must name a key), or when no settings line could hold it.
std::optional<std::string> NormalizedValue(ValueKind kind, std::string_view text);

}  // namespace quillcfg
