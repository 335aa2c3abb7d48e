#pragma once
// The executable's version information: a block of named values built into the program at
// build time, in the ELF section kVersionSection, and looked up by path as the about box does.
//
// The block, all numbers little-endian:
//   8 bytes   "QVERINFO"
//   4 bytes   the block's length, these twelve bytes included
//   records up to exactly that length, each:
//     2 bytes   the path's length P
//     2 bytes   the value's length V
//     P bytes   the path: "\VarFileInfo\Translation", or "\StringFileInfo\" followed by eight
//               hexadecimal digits (language, then code page, four each) and '\' and the name
//     V bytes   the value: for Translation a list of four-byte entries (16 bits of language,
//               then 16 bits of code page); for a string its CP932 bytes
// Paths match as CompareText matches (ASCII letters without case); the first record of a path
// counts.
// Bytes after the block's length in the section (the linker's padding) are not read.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

inline constexpr char kVersionSection[] = ".quillet_version";
inline constexpr char kTranslationPath[] = "\\VarFileInfo\\Translation";

// The path of the string `name` for `language` and `codePage`.
std::string VersionStringPath(unsigned language, unsigned codePage, std::string_view name);

// Path and value.
using TVersionRecord = std::pair<std::string, std::string>;

// The block holding `records` in their order. Throws std::length_error when a path or a value
// is longer than 65535 bytes.
std::string EncodeVersionBlock(const std::vector<TVersionRecord>& records);

class TVersionInfo {
 public:
  // The block's records; nothing when it is malformed: no magic, a length past the bytes
  // given or below twelve, or records that do not fill it exactly.
  static std::optional<TVersionInfo> Parse(std::string_view block);
  // The block in the version section of the ELF file `fileName`; nothing when the file cannot
  // be read, has no such section or the block is malformed.
  static std::optional<TVersionInfo> FromFile(const std::string& fileName);

  std::optional<std::string_view> Query(std::string_view path) const;

 private:
  std::vector<TVersionRecord> records_;
};

// The string `name` of the first translation: "" without version information; "UnKnown"
// when the block has no translation entry; "" when that language and code page have no
// such string. The value ends at its first NUL.
std::string VersionString(const std::optional<TVersionInfo>& info, std::string_view name);
// VersionString of the file's block; "" for an empty file name.
std::string FileVersionString(const std::string& fileName, std::string_view name);

}  // namespace platform
