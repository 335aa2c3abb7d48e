#pragma once
// A small ELF image with the sections a test names, for readers of ELF sections.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport {

inline constexpr std::uint32_t kProgBits = 1, kNoBits = 8;

struct ElfSection {
  std::string name;
  std::string bytes;
  std::uint32_t type = kProgBits;
};

// A small ELF image: the header, each section's bytes, the name table, then the section
// headers (a null one, the sections, the name table last). `Put` patches a field afterwards.
class ElfImage {
 public:
  ElfImage(std::initializer_list<ElfSection> sections, bool wide = true, bool bigEndian = false)
      : wide_(wide), bigEndian_(bigEndian), bytes_(wide ? 64 : 52, '\0') {
    bytes_.replace(0, 4, "\x7F" "ELF");
    bytes_[4] = wide ? 2 : 1;
    bytes_[5] = bigEndian ? 2 : 1;
    std::string names(1, '\0');
    std::vector<std::vector<std::uint64_t>> headers = {{0, 0, 0, 0}};  // name, type, offset, size
    for (const ElfSection& each : sections) {
      headers.push_back({names.size(), each.type, bytes_.size(), each.bytes.size()});
      names += each.name + '\0';
      bytes_ += each.bytes;
    }
    headers.push_back({names.size(), 3, bytes_.size(), 0});
    names += std::string(".shstrtab") + '\0';
    headers.back()[3] = names.size();
    bytes_ += names;
    shoff_ = bytes_.size();
    bytes_.resize(shoff_ + headers.size() * HeaderSize());
    for (std::size_t i = 0; i < headers.size(); ++i) {
      const std::size_t at = SectionHeader(i);
      Put(at, headers[i][0], 4);
      Put(at + 4, headers[i][1], 4);
      Put(at + (wide ? 24 : 16), headers[i][2], Word());
      Put(at + (wide ? 32 : 20), headers[i][3], Word());
    }
    Put(wide ? 40 : 32, shoff_, Word());
    Put(wide ? 58 : 46, HeaderSize(), 2);
    Put(wide ? 60 : 48, headers.size(), 2);
    Put(wide ? 62 : 50, headers.size() - 1, 2);
  }

  void Put(std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t k = 0; k < width; ++k) {
      bytes_[at + (bigEndian_ ? width - 1 - k : k)] = static_cast<char>(value >> (8 * k));
    }
  }
  std::size_t SectionHeader(std::size_t index) const { return shoff_ + index * HeaderSize(); }
  std::size_t Word() const { return wide_ ? 8 : 4; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::size_t HeaderSize() const { return wide_ ? 64 : 40; }

  bool wide_;
  bool bigEndian_;
  std::string bytes_;
  std::size_t shoff_ = 0;
};

}  // namespace testsupport
