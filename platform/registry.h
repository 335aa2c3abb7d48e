#pragma once
// The current user's registry, read-only, for the host client's settings. The host runs under
// Wine, so its registry is a file (forms in registry_file.h); it is read once when a TRegistry
// is made, and nothing is ever written. Names are CP932, key paths '\'-separated below
// HKEY_CURRENT_USER; both match without regard to the case of ASCII letters.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/registry_file.h"

namespace platform {

// The values of one open key, as they were when the registry was read.
class TRegistryKey {
 public:
  bool ValueExists(std::string_view name) const;
  // Each read throws ERegistryException naming the value when it is missing or of another
  // type: a dword for ReadInteger; a string or expandable string for ReadString (CP932, up to
  // its first NUL, not expanded; what CP932 cannot hold becomes '?'); any other type for
  // ReadBinaryData, whose bytes are returned as stored.
  std::int32_t ReadInteger(std::string_view name) const;
  std::string ReadString(std::string_view name) const;
  std::string ReadBinaryData(std::string_view name) const;

 private:
  friend class TRegistry;
  explicit TRegistryKey(registry::Values values) : values_(std::move(values)) {}
  const registry::Value* Find(std::string_view name) const;

  registry::Values values_;
};

class TRegistry {
 public:
  explicit TRegistry(registry::Keys keys) : keys_(std::move(keys)) {}

  // The registry in `fileName`. A file that is missing or cannot be read holds no key; so does
  // one of no known form.
  static TRegistry FromFile(const std::string& fileName);
  // The host client's registry: the file CurrentUserFile() names.
  static TRegistry CurrentUser() { return FromFile(CurrentUserFile()); }
  // The file named by QUILLET_REGISTRY_FILE when that is set and not empty; otherwise
  // $WINEPREFIX/user.reg when WINEPREFIX is; otherwise $HOME/.wine/user.reg. Only that one
  // file is looked at; "" when there is no HOME either.
  static std::string CurrentUserFile();

  // The key, or nothing when it does not exist; keys are never made.
  std::optional<TRegistryKey> OpenKeyReadOnly(std::string_view key) const;

 private:
  registry::Keys keys_;
};

}  // namespace platform
