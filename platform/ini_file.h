#pragma once
// A settings file in the private-profile (INI) format (see ini_text.h for how its bytes are
// read and changed). Every call opens the file anew and handles one value: nothing is cached,
// so a value another program writes counts from the next read on.
//
// Reads take no lock: writers replace the file whole by renaming, so a reader sees either the
// old file or the new one. A file that is missing, cannot be read or is no regular file reads
// as empty: every value is the default.
//
// A write holds an exclusive flock on the file (the separate options program writes the same
// file), writes the new bytes to a temporary file beside it, flushes that to disk and renames it
// over the file, so the file is always one complete version. The new file keeps the old one's
// permission bits; a file made by the first write gets those the umask leaves of 0666. A
// symbolic link stays a link: its target is replaced, or made when it does not exist yet.
// The temporary file is named after the file plus ".tmp-" and six characters, so it is never
// read as settings; one left behind by a writer that was killed is removed by the next write.
//
// A write is refused with EIniFileException, before anything is changed, when the file cannot
// be read, is no regular file or is read-only (no write permission for this user, or no write
// bit at all: that holds even for root), when no file can be made in its folder, or when the
// names or the value cannot be stored (ini::SetValue). A write that fails later removes its
// temporary file and leaves the old file as it was.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ini_reader.h"

namespace platform {

// One value to store: section, key and value as ini::SetValue takes them.
struct TIniValue {
  std::string Section;
  std::string Key;
  std::string Value;
};

class TIniFile : public TIniReader {
 public:
  // `fileName` is the operating system's bytes.
  explicit TIniFile(std::string fileName);

  const std::string& FileName() const { return fileName_; }

  std::optional<std::string> FindString(std::string_view section,
                                        std::string_view key) const override;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // All `values` in one write, in their order: the file changes from the old version to one
  // holding them all, or not at all (refused as a single write is, when any one of them
  // cannot be stored). A file that already holds exactly these values is left untouched.
  void WriteStrings(std::span<const TIniValue> values);
  // Written in decimal.
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  // Written as "1" or "0".
  void WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  std::string fileName_;
};

}  // namespace platform
