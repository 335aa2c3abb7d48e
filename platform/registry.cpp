#include "platform/registry.h"

#include <algorithm>
#include <cstdlib>

#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/utf16.h"

namespace platform {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

}  // namespace

bool TRegistryKey::ValueExists(std::string_view name) const { return Find(name) != nullptr; }

const registry::Value* TRegistryKey::Find(std::string_view name) const {
  const auto found = values_.find(registry::FoldName(cp932::ToUtf8(name)));
  return found != values_.end() ? &found->second : nullptr;
}

std::int32_t TRegistryKey::ReadInteger(std::string_view name) const {
  const registry::Value* value = Find(name);
  if (value == nullptr || value->type != registry::kDword || value->data.size() != 4) {
    throw ERegistryException(name);
  }
  std::uint32_t number = 0;
  for (int i = 3; i >= 0; --i) number = number << 8 | static_cast<unsigned char>(value->data[i]);
  return static_cast<std::int32_t>(number);
}

std::string TRegistryKey::ReadString(std::string_view name) const {
  const registry::Value* value = Find(name);
  if (value == nullptr || (value->type != registry::kString && value->type != registry::kExpandString)) {
    throw ERegistryException(name);
  }
  std::u16string units = utf16::FromLittleEndian(value->data);
  units.resize(std::min(units.size(), units.find(u'\0')));
  return cp932::FromUtf8(utf16::ToUtf8(units));
}

std::string TRegistryKey::ReadBinaryData(std::string_view name) const {
  const registry::Value* value = Find(name);
  if (value == nullptr || value->type == registry::kString || value->type == registry::kExpandString ||
      value->type == registry::kDword) {
    throw ERegistryException(name);
  }
  return value->data;
}

TRegistry TRegistry::FromFile(const std::string& fileName) {
  if (fileName.empty()) return TRegistry({});
  try {
    return TRegistry(registry::ParseFile(ReadFileBytes(fileName)));
  } catch (const EFOpenError&) {
    return TRegistry({});  // no registry file: every key is missing
  }
}

std::string TRegistry::CurrentUserFile() {
  if (std::string file = Environment("QUILLET_REGISTRY_FILE"); !file.empty()) return file;
  if (std::string prefix = Environment("WINEPREFIX"); !prefix.empty()) return prefix + "/user.reg";
  if (std::string home = Environment("HOME"); !home.empty()) return home + "/.wine/user.reg";
  return {};
}

std::optional<TRegistryKey> TRegistry::OpenKeyReadOnly(std::string_view key) const {
  const auto found = keys_.find(registry::FoldKeyPath(cp932::ToUtf8(key)));
  if (found == keys_.end()) return std::nullopt;
  return TRegistryKey(found->second);
}

}  // namespace platform
