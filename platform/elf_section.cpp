#include "platform/elf_section.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <utility>

namespace platform {
namespace {

constexpr std::uint32_t kNoBits = 8;  // SHT_NOBITS

// Where the fields this reader needs lie, for one word size.
struct Layout {
  std::uint64_t headerSize;
  std::uint64_t shoff, shentsize, shnum, shstrndx;  // in the file header
  std::uint64_t sectionHeaderSize;
  std::uint64_t offsetField, sizeField;  // in a section header; sh_name at 0, sh_type at 4
  std::uint64_t word;
};
constexpr Layout k32{52, 32, 46, 48, 50, 40, 16, 20, 4};
constexpr Layout k64{64, 40, 58, 60, 62, 64, 24, 32, 8};

struct Section {
  std::uint32_t name;
  std::uint32_t type;
  std::uint64_t offset;
  std::uint64_t size;
};

class Image {
 public:
  Image(const ElfReadAt& read, const Layout& layout, std::string header, bool bigEndian)
      : read_(read), layout_(layout), header_(std::move(header)), bigEndian_(bigEndian) {}

  std::optional<std::string> Find(std::string_view name) const {
    const std::uint64_t count = Field(header_, layout_.shnum, 2);
    const std::uint64_t namesIndex = Field(header_, layout_.shstrndx, 2);
    if (Field(header_, layout_.shentsize, 2) < layout_.sectionHeaderSize || namesIndex >= count) return std::nullopt;
    const auto namesSection = At(namesIndex);
    if (!namesSection) return std::nullopt;
    const auto names = Contents(*namesSection);
    if (!names) return std::nullopt;
    for (std::uint64_t i = 0; i < count; ++i) {
      const auto section = At(i);
      if (!section || section->name >= names->size()) return std::nullopt;
      const std::string_view sectionName(names->c_str() + section->name);
      if (section->name + sectionName.size() < names->size() && sectionName == name) return Contents(*section);
    }
    return std::nullopt;
  }

 private:
  std::uint64_t Field(std::string_view bytes, std::uint64_t at, std::uint64_t width) const {
    std::uint64_t value = 0;
    for (std::uint64_t k = 0; k < width; ++k) {
      const unsigned char byte = static_cast<unsigned char>(bytes[at + (bigEndian_ ? k : width - 1 - k)]);
      value = value << 8 | byte;
    }
    return value;
  }

  std::optional<Section> At(std::uint64_t index) const {
    const std::uint64_t table = Field(header_, layout_.shoff, layout_.word);
    const std::uint64_t offset = index * Field(header_, layout_.shentsize, 2);
    if (table > std::numeric_limits<std::uint64_t>::max() - offset) return std::nullopt;
    const auto bytes = read_(table + offset, layout_.sectionHeaderSize);
    if (!bytes) return std::nullopt;
    return Section{static_cast<std::uint32_t>(Field(*bytes, 0, 4)), static_cast<std::uint32_t>(Field(*bytes, 4, 4)),
                   Field(*bytes, layout_.offsetField, layout_.word), Field(*bytes, layout_.sizeField, layout_.word)};
  }

  std::optional<std::string> Contents(const Section& section) const {
    if (section.type == kNoBits || section.size > kMaxElfSectionSize) return std::nullopt;
    return read_(section.offset, section.size);
  }

  const ElfReadAt& read_;
  const Layout& layout_;
  std::string header_;
  bool bigEndian_;
};

// pread on a descriptor that is closed when it goes.
class File {
 public:
  explicit File(const std::string& name) : fd_(open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
  ~File() {
    if (fd_ >= 0) close(fd_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // The file's size when it is a regular file that is open.
  std::optional<std::uint64_t> RegularSize() const {
    struct stat st {};
    if (fd_ < 0 || fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
  }

  std::optional<std::string> Read(std::uint64_t offset, std::uint64_t size, std::uint64_t fileSize) const {
    if (offset > fileSize || size > fileSize - offset) return std::nullopt;
    std::string bytes(size, '\0');
    for (std::uint64_t done = 0; done < size;) {
      const ssize_t n = pread(fd_, bytes.data() + done, size - done, static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return std::nullopt;
      done += static_cast<std::uint64_t>(n);
    }
    return bytes;
  }

 private:
  int fd_;
};

}  // namespace

std::optional<std::string> FindElfSection(const ElfReadAt& read, std::string_view name) {
  const auto ident = read(0, 16);
  if (!ident || !ident->starts_with("\x7F" "ELF")) return std::nullopt;
  const char wordClass = (*ident)[4];
  const char byteOrder = (*ident)[5];
  if ((wordClass != 1 && wordClass != 2) || (byteOrder != 1 && byteOrder != 2)) return std::nullopt;
  const Layout& layout = wordClass == 1 ? k32 : k64;
  auto header = read(0, layout.headerSize);
  if (!header) return std::nullopt;
  return Image(read, layout, std::move(*header), byteOrder == 2).Find(name);
}

std::optional<std::string> ReadElfSection(const std::string& fileName, std::string_view name) {
  const File file(fileName);
  const auto size = file.RegularSize();
  if (!size) return std::nullopt;
  return FindElfSection(
      [&](std::uint64_t offset, std::uint64_t length) { return file.Read(offset, length, *size); }, name);
}

}  // namespace platform
