#include "options/options_model.h"

#include <algorithm>

#include "app/settings_location.h"
#include "platform/errors.h"
#include "platform/ini_text.h"
#include "platform/paths.h"

namespace quillcfg {

TOptionsModel::TOptionsModel(std::string fileName) : fileName_(std::move(fileName)) { Reload(); }

std::optional<std::string> TOptionsModel::FindString(std::string_view section,
                                                     std::string_view key) const {
  const auto changed = std::find_if(changes_.begin(), changes_.end(), [&](const auto& each) {
    return each.Section == section && each.Key == key;
  });
  if (changed != changes_.end()) return changed->Value;
  const std::optional<std::string_view> stored = platform::ini::FindValue(stored_, section, key);
  if (!stored) return std::nullopt;
  return std::string(*stored);
}

std::vector<platform::TIniValue>::iterator TOptionsModel::Change(std::string_view section,
                                                                 std::string_view key) {
  return std::find_if(changes_.begin(), changes_.end(), [&](const auto& each) {
    return each.Section == section && each.Key == key;
  });
}

void TOptionsModel::Set(std::string_view section, std::string_view key, std::string_view value) {
  Revert(section, key);
  if (platform::ini::FindValue(stored_, section, key) == value) return;
  changes_.push_back({std::string(section), std::string(key), std::string(value)});
}

void TOptionsModel::Revert(std::string_view section, std::string_view key) {
  const auto changed = Change(section, key);
  if (changed != changes_.end()) changes_.erase(changed);
}

void TOptionsModel::Save() {
  if (!changes_.empty()) {
    quillet::PrepareSettingsFolder(fileName_);
    platform::TIniFile(fileName_).WriteStrings(changes_);
    changes_.clear();
  }
  Reload();
}

void TOptionsModel::Reload() {
  try {
    stored_ = platform::ReadFileBytes(fileName_);
  } catch (const platform::EFOpenError&) {
    stored_.clear();
  }
}

}  // namespace quillcfg
