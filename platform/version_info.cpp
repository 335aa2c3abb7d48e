#include "platform/version_info.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "platform/elf_section.h"
#include "platform/strings.h"

namespace platform {
namespace {

constexpr std::string_view kMagic = "QVERINFO";
constexpr std::size_t kHeaderSize = 12;

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t k = width; k-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
  return value;
}

void AppendLittleEndian(std::string& out, std::uint32_t value, std::size_t width) {
  for (std::size_t k = 0; k < width; ++k) out.push_back(static_cast<char>(value >> (8 * k)));
}

}  // namespace

std::string VersionStringPath(unsigned language, unsigned codePage, std::string_view name) {
  char path[32];
  std::snprintf(path, sizeof path, "\\StringFileInfo\\%4.4x%4.4x\\", language & 0xFFFF, codePage & 0xFFFF);
  return path + std::string(name);
}

std::string EncodeVersionBlock(const std::vector<TVersionRecord>& records) {
  std::string out(kMagic);
  AppendLittleEndian(out, 0, 4);
  for (const auto& [path, value] : records) {
    if (path.size() > 0xFFFF || value.size() > 0xFFFF) throw std::length_error("version record too long");
    AppendLittleEndian(out, static_cast<std::uint32_t>(path.size()), 2);
    AppendLittleEndian(out, static_cast<std::uint32_t>(value.size()), 2);
    out += path;
    out += value;
  }
  std::string length;
  AppendLittleEndian(length, static_cast<std::uint32_t>(out.size()), 4);
  out.replace(kMagic.size(), 4, length);
  return out;
}

std::optional<TVersionInfo> TVersionInfo::Parse(std::string_view block) {
  if (block.size() < kHeaderSize || !block.starts_with(kMagic)) return std::nullopt;
  const std::uint32_t length = LittleEndian(block, kMagic.size(), 4);
  if (length < kHeaderSize || length > block.size()) return std::nullopt;
  TVersionInfo info;
  for (std::size_t at = kHeaderSize; at < length;) {
    if (length - at < 4) return std::nullopt;
    const std::size_t pathSize = LittleEndian(block, at, 2);
    const std::size_t valueSize = LittleEndian(block, at + 2, 2);
    at += 4;
    if (length - at < pathSize + valueSize) return std::nullopt;
    info.records_.emplace_back(block.substr(at, pathSize), block.substr(at + pathSize, valueSize));
    at += pathSize + valueSize;
  }
  return info;
}

std::optional<TVersionInfo> TVersionInfo::FromFile(const std::string& fileName) {
  const auto section = ReadElfSection(fileName, kVersionSection);
  return section ? Parse(*section) : std::nullopt;
}

std::optional<std::string_view> TVersionInfo::Query(std::string_view path) const {
  for (const auto& [each, value] : records_) {
    if (CompareText(each, path) == 0) return value;
  }
  return std::nullopt;
}

std::string VersionString(const std::optional<TVersionInfo>& info, std::string_view name) {
  if (!info) return {};
  const auto translation = info->Query(kTranslationPath);
  // A list without a whole entry has no first one to take.
  if (!translation || translation->size() < 4) return "UnKnown";
  const auto value =
      info->Query(VersionStringPath(LittleEndian(*translation, 0, 2), LittleEndian(*translation, 2, 2), name));
  if (!value) return {};
  return std::string(value->substr(0, value->find('\0')));
}

std::string FileVersionString(const std::string& fileName, std::string_view name) {
  if (fileName.empty()) return {};
  return VersionString(TVersionInfo::FromFile(fileName), name);
}

}  // namespace platform
