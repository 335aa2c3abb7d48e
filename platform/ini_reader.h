#pragma once
// Reading private-profile values by type, whatever holds them: the settings file itself
// (TIniFile) or values not saved yet. All names and values are CP932 bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class TIniReader {
 public:
  virtual ~TIniReader() = default;

  // The stored value as ini::FindValue reads it, or nothing when the key is missing.
  virtual std::optional<std::string> FindString(std::string_view section,
                                                std::string_view key) const = 0;

  // The value, or `def` when the key is missing.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // Decimal fitting a signed 32-bit integer, or hexadecimal after "0x", "0X" or "$" taking all
  // 32 bits (0x80000005 reads as -2147483643); `def` for anything else.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
  // An integer; any value but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

 protected:
  TIniReader() = default;
  TIniReader(const TIniReader&) = default;
  TIniReader& operator=(const TIniReader&) = default;
};

}  // namespace platform
