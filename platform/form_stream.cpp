#include "platform/form_stream.h"

#include <cstdint>
#include <stdexcept>

#include "platform/errors.h"

namespace platform {
namespace {

constexpr size_t kMaxNameSize = 255;

}  // namespace

void TWriter::DefineProperty(std::string_view Name,
                             const std::function<void(TReader&)>& /*ReadData*/,
                             const std::function<void(TWriter&)>& WriteData, bool HasData) {
  if (!HasData) return;
  if (Name.size() > kMaxNameSize) throw std::length_error("property name too long");
  bytes_ += static_cast<char>(Name.size());
  bytes_ += Name;
  WriteData(*this);
}

void TWriter::WriteString(std::string_view Value) {
  if (Value.size() > UINT32_MAX) throw std::length_error("string too long for the stream");
  auto size = static_cast<std::uint32_t>(Value.size());
  bytes_ += 'S';
  for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((size >> (8 * i)) & 0xFF);
  bytes_ += Value;
}

void TReader::DefineProperty(std::string_view Name, const std::function<void(TReader&)>& ReadData,
                             const std::function<void(TWriter&)>& /*WriteData*/, bool /*HasData*/) {
  if (AtEnd()) return;
  const size_t size = static_cast<unsigned char>(bytes_[position_]);
  if (bytes_.substr(position_ + 1, size) != Name) return;
  position_ += 1 + size;
  ReadData(*this);
}

bool TReader::EndOfList() const {
  if (AtEnd()) throw EReadError();
  return bytes_[position_] == '.';
}

std::string TReader::ReadString() {
  Expect('S');
  std::string_view size = Take(4);
  std::uint32_t length = 0;
  for (int i = 3; i >= 0; --i) length = (length << 8) | static_cast<unsigned char>(size[i]);
  return std::string(Take(length));
}

void TReader::Expect(char Tag) {
  if (Take(1)[0] != Tag) throw EReadError();
}

std::string_view TReader::Take(size_t Size) {
  if (bytes_.size() - position_ < Size) throw EReadError();
  std::string_view taken = bytes_.substr(position_, Size);
  position_ += Size;
  return taken;
}

}  // namespace platform
