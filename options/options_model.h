#pragma once
// The settings file as the options program edits it: the file's bytes as last read and the
// values changed since, which read back as the file will hold them once saved. Only changed
// values are written, all in one write, so every other byte of the file stays as it was, and
// values the viewer wrote meanwhile (its window, bars and wrap mode) are kept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"

namespace quillcfg {

class TOptionsModel : public platform::TIniReader {
 public:
  // Reads `fileName`; a missing or unreadable file reads as empty.
  explicit TOptionsModel(std::string fileName);

  const std::string& FileName() const { return fileName_; }

  // The changed value, else the file's.
  std::optional<std::string> FindString(std::string_view section,
                                        std::string_view key) const override;

  // A value to save. One the file holds already is no change (an earlier change of the key is
  // dropped).
  void Set(std::string_view section, std::string_view key, std::string_view value);
  // Drops the key's change: it reads as the file has it again.
  void Revert(std::string_view section, std::string_view key);

  bool Modified() const { return !changes_.empty(); }
  const std::vector<platform::TIniValue>& Changes() const { return changes_; }

  // Writes every change in one write (making the settings folder when it is missing) and
  // reads the file again. Throws EIniFileException when the write is refused; the changes
  // are kept then.
  void Save();
  // Reads the file again; the changes stay.
  void Reload();

 private:
  std::vector<platform::TIniValue>::iterator Change(std::string_view section, std::string_view key);

  std::string fileName_;
  std::string stored_;
  std::vector<platform::TIniValue> changes_;
};

}  // namespace quillcfg
