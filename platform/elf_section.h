#pragma once
// One named section of an ELF file (32 or 64 bits, either byte order), found through the
// section headers and the section-name string table, reading only those and the section.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The largest section (and section-name table) that is read.
inline constexpr std::uint64_t kMaxElfSectionSize = 1 << 20;

// `size` bytes of the file at `offset`, or nothing when the file does not hold them all.
using ElfReadAt = std::function<std::optional<std::string>(std::uint64_t offset, std::uint64_t size)>;

// The bytes of the first section called `name`. Nothing when the file is no ELF file, has no
// section-name table, any section header or name is out of the file, or the section occupies
// no bytes of the file (SHT_NOBITS) or is larger than kMaxElfSectionSize.
std::optional<std::string> FindElfSection(const ElfReadAt& read, std::string_view name);

// The same for the file `fileName` (the operating system's bytes); nothing too when the file
// cannot be opened or is no regular file.
std::optional<std::string> ReadElfSection(const std::string& fileName, std::string_view name);

}  // namespace platform
