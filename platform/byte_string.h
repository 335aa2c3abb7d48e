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
//
// While a ByteStringArena lives on a thread, the strings made there take their memory from
// large blocks backed at once, instead of one heap allocation each: loading a million rows
// costs a fraction of the time then. A block is freed when its last string goes.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

class ByteStringArena;

class ByteString {
  struct Rep {
    std::size_t refs;
    std::size_t size;  // the top bit marks a string that lives in an arena block
  };
  static constexpr std::size_t kInArena = ~(~std::size_t{0} >> 1);

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
  std::size_t size() const noexcept { return rep_ ? rep_->size & ~kInArena : 0; }
  bool empty() const noexcept { return rep_ == nullptr; }
  std::string_view view() const noexcept { return {data(), size()}; }
  operator std::string_view() const noexcept { return view(); }
  std::string str() const { return std::string(view()); }
  // How many strings and handles share these bytes (0 for the empty string).
  std::size_t use_count() const noexcept { return rep_ ? rep_->refs : 0; }

  friend bool operator==(const ByteString& a, std::string_view b) noexcept { return a.view() == b; }

 private:
  friend class ByteStringArena;
  explicit ByteString(Rep* rep) noexcept : rep_(rep) {}
  void AddRef() noexcept {
    if (rep_) ++rep_->refs;
  }
  void DropRef() noexcept;

  Rep* rep_ = nullptr;
};

// Makes the strings created on this thread during its life come from large blocks. Arenas
// nest; the innermost is used. Strings outlive their arena: each block stays until its last
// string is gone.
class ByteStringArena {
 public:
  ByteStringArena();
  ~ByteStringArena();
  ByteStringArena(const ByteStringArena&) = delete;
  ByteStringArena& operator=(const ByteStringArena&) = delete;

 private:
  friend class ByteString;
  // Room for a string of `bytes` (NUL included) in the current block, or nullptr when it is
  // too large for any block.
  void* Allocate(std::size_t bytes);
  void NewBlock();

  ByteStringArena* outer_;
  char* block_ = nullptr;  // the block being filled; the arena holds one count on it
  std::size_t used_ = 0;
};

}  // namespace platform
