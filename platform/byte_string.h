#pragma once
// An immutable, reference-counted byte string one pointer wide. Copies share the bytes; a move
// hands the pointer over and leaves the source empty. The empty string holds no memory. The
// bytes are always followed by a NUL that is not counted.
//
// A store that keeps strings in raw memory (records shifted with memmove) holds them as
// Handles, plain pointer-sized values that do not count: release() turns a string's reference
// into a handle, adopt() turns it back into a string, share() makes a new reference from one.
//
// The count is not atomic: strings are shared on one thread only.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

class ByteString {
  struct Rep {
    std::size_t refs;
    std::size_t size;
  };

 public:
  class Handle {
   public:
    Handle() = default;

   private:
    friend class ByteString;
    explicit Handle(Rep* rep) : rep_(rep) {}
    Rep* rep_ = nullptr;
  };

  ByteString() noexcept = default;
  ByteString(std::string_view bytes);
  ByteString(const char* bytes) : ByteString(std::string_view(bytes)) {}
  ByteString(const std::string& bytes) : ByteString(std::string_view(bytes)) {}

  ByteString(const ByteString& other) noexcept : rep_(other.rep_) { AddRef(); }
  ByteString(ByteString&& other) noexcept : rep_(std::exchange(other.rep_, nullptr)) {}
  ByteString& operator=(const ByteString& other) noexcept;
  ByteString& operator=(ByteString&& other) noexcept;
  ~ByteString() { DropRef(); }

  Handle release() && noexcept { return Handle(std::exchange(rep_, nullptr)); }
  static ByteString adopt(Handle handle) noexcept { return ByteString(handle.rep_); }
  static ByteString share(Handle handle) noexcept {
    ByteString s(handle.rep_);
    s.AddRef();
    return s;
  }

  const char* data() const noexcept;
  std::size_t size() const noexcept { return rep_ ? rep_->size : 0; }
  bool empty() const noexcept { return rep_ == nullptr; }
  std::string_view view() const noexcept { return {data(), size()}; }
  operator std::string_view() const noexcept { return view(); }
  std::string str() const { return std::string(view()); }
  // How many strings and handles share these bytes (0 for the empty string).
  std::size_t use_count() const noexcept { return rep_ ? rep_->refs : 0; }

  friend bool operator==(const ByteString& a, std::string_view b) noexcept { return a.view() == b; }

 private:
  explicit ByteString(Rep* rep) noexcept : rep_(rep) {}
  void AddRef() noexcept {
    if (rep_) ++rep_->refs;
  }
  void DropRef() noexcept;

  Rep* rep_ = nullptr;
};

}  // namespace platform
