#include "platform/ini_reader.h"

#include "platform/strconv.h"

namespace platform {

std::string TIniReader::ReadString(std::string_view section, std::string_view key,
                                   std::string_view def) const {
  std::optional<std::string> value = FindString(section, key);
  return value ? std::move(*value) : std::string(def);
}

std::int32_t TIniReader::ReadInteger(std::string_view section, std::string_view key,
                                     std::int32_t def) const {
  const std::optional<std::string> value = FindString(section, key);
  return value ? TryStrToInt(*value).value_or(def) : def;
}

bool TIniReader::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

}  // namespace platform
