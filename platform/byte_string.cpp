#include "platform/byte_string.h"

#include <cstring>
#include <new>

namespace platform {

ByteString::ByteString(std::string_view bytes) {
  if (bytes.empty()) return;
  void* block = ::operator new(sizeof(Rep) + bytes.size() + 1);
  rep_ = new (block) Rep{1, bytes.size()};
  char* text = reinterpret_cast<char*>(rep_ + 1);
  std::memcpy(text, bytes.data(), bytes.size());
  text[bytes.size()] = '\0';
}

ByteString& ByteString::operator=(const ByteString& other) noexcept {
  if (rep_ != other.rep_) {
    DropRef();
    rep_ = other.rep_;
    AddRef();
  }
  return *this;
}

ByteString& ByteString::operator=(ByteString&& other) noexcept {
  if (this != &other) {
    DropRef();
    rep_ = std::exchange(other.rep_, nullptr);
  }
  return *this;
}

const char* ByteString::data() const noexcept {
  return rep_ ? reinterpret_cast<const char*>(rep_ + 1) : "";
}

void ByteString::DropRef() noexcept {
  if (rep_ && --rep_->refs == 0) {
    rep_->~Rep();
    ::operator delete(rep_);
  }
  rep_ = nullptr;
}

}  // namespace platform
