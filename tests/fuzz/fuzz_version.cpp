#include "tests/fuzz/fuzz_version.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/elf_section.h"
#include "platform/strings.h"
#include "platform/version_info.h"
#include "tests/fuzz/fuzz_input.h"

namespace quillet::fuzz {
namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "version: %s\n", what);
  std::abort();
}

void LookUp(const std::optional<platform::TVersionInfo>& info) {
  for (const char* name : {"FileDescription", "ProductVersion", "CompanyName"}) {
    const std::string value = platform::VersionString(info, name);
    if (!info && !value.empty()) Fail("a string without version information");
    if (value.find('\0') != std::string::npos) Fail("a string past its NUL");
  }
}

void Elf(std::string_view image) {
  const platform::ElfReadAt read = [&](std::uint64_t offset, std::uint64_t size) -> std::optional<std::string> {
    if (offset > image.size() || size > image.size() - offset) return std::nullopt;
    return std::string(image.substr(offset, size));
  };
  const auto section = platform::FindElfSection(read, platform::kVersionSection);
  if (section && section->size() > platform::kMaxElfSectionSize) Fail("a section past the limit");
  LookUp(section ? platform::TVersionInfo::Parse(*section) : std::nullopt);
}

void RoundTrip(std::string_view input) {
  std::vector<platform::TVersionRecord> records;
  while (!input.empty()) {
    const std::string_view path = NextPart(input);
    records.emplace_back(path, NextPart(input));
  }
  const auto info = platform::TVersionInfo::Parse(platform::EncodeVersionBlock(records));
  if (!info) Fail("an encoded block does not parse");
  for (const auto& [path, value] : records) {
    const auto* first = &value;
    for (const auto& other : records) {
      if (platform::CompareText(other.first, path) == 0) {
        first = &other.second;
        break;
      }
    }
    if (info->Query(path) != *first) Fail("a path does not give its first value");
  }
}

}  // namespace

void VersionBytes(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0]) {
    case 0:
      Elf(rest);
      break;
    case 1:
      LookUp(platform::TVersionInfo::Parse(rest));
      break;
    case 2:
      RoundTrip(rest);
      break;
    default:
      break;
  }
}

}  // namespace quillet::fuzz
