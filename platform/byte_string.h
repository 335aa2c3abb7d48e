#pragma once
// An immutable, reference-counted byte string one pointer wide. Copies share the bytes; a move
// hands the pointer over and leaves the source empty. The empty string holds no memory. The
// bytes are followed by a NUL that is not counted, except in a slice (ByteStringSlicer), which
// is followed by the rest of the string it was cut from.
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
class ByteStringSlicer;

class ByteString {
  struct Rep {
    std::size_t refs;
    std::size_t size;  // the top bits mark a string in an arena block, and a slice
  };
  // A slice's bytes are another string's, which it holds a count on.
  struct SliceRep : Rep {
    const char* bytes;
    Rep* whole;
  };
  static constexpr std::size_t kInArena = ~(~std::size_t{0} >> 1);
  static constexpr std::size_t kSlice = kInArena >> 1;
  static constexpr std::size_t kFlags = kInArena | kSlice;

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

  // A string written in place: `fill(char* room)` writes at most `capacity` bytes and returns
  // how many it wrote. Nothing is cleared or backed beforehand, so a large text is written to
  // its pages once, by whichever threads the fill chooses. If `fill` throws, nothing is kept.
  template <typename Fill>
  static ByteString Filled(std::size_t capacity, Fill&& fill) {
    ByteString s(NewUnfilled(capacity));
    s.SetFilledSize(fill(s.Room()));
    return s;
  }

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
  std::size_t size() const noexcept { return rep_ ? rep_->size & ~kFlags : 0; }
  bool empty() const noexcept { return rep_ == nullptr; }
  std::string_view view() const noexcept { return {data(), size()}; }
  operator std::string_view() const noexcept { return view(); }
  std::string str() const { return std::string(view()); }
  // How many strings and handles share these bytes (0 for the empty string).
  std::size_t use_count() const noexcept { return rep_ ? rep_->refs : 0; }

  friend bool operator==(const ByteString& a, std::string_view b) noexcept { return a.view() == b; }

 private:
  friend class ByteStringArena;
  friend class ByteStringSlicer;
  explicit ByteString(Rep* rep) noexcept : rep_(rep) {}
  // Room for `capacity` bytes and the NUL, in the heap: a string being filled.
  static Rep* NewUnfilled(std::size_t capacity);
  char* Room() noexcept { return reinterpret_cast<char*>(rep_ + 1); }
  // Ends the filled string after `size` bytes; none leaves the empty string.
  void SetFilledSize(std::size_t size) noexcept;
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
  friend class ByteStringSlicer;
  // Room for a string of `bytes` (NUL included) in the current block, or nullptr when it is
  // too large for any block.
  void* Allocate(std::size_t bytes);
  void NewBlock();

  ByteStringArena* outer_;
  char* block_ = nullptr;  // the block being filled; the arena holds one count on it
  std::size_t used_ = 0;
};

// Makes strings that share the bytes of one whole string instead of copying them: a row of a
// loaded text costs its record, not a second copy of its bytes. A slice is followed by the
// bytes that follow its part in the whole, not by a NUL of its own.
//
// Made and destroyed on the whole's thread, a slicer may make its slices on another one
// meanwhile: it takes the counts of all the slices it may make from the whole at once, and
// gives back those it did not use when it goes, so that making a slice never touches the
// whole's count.
class ByteStringSlicer {
 public:
  // At most `maxSlices` slices (a text of N bytes has at most N non-empty parts).
  ByteStringSlicer(const ByteString& whole, std::size_t maxSlices);
  ~ByteStringSlicer();
  ByteStringSlicer(const ByteStringSlicer&) = delete;
  ByteStringSlicer& operator=(const ByteStringSlicer&) = delete;

  std::string_view Whole() const noexcept { return whole_.view(); }
  // `part` lies within Whole(). An empty part gives the empty string.
  ByteString Slice(std::string_view part);

 private:
  ByteString whole_;
  std::size_t reserved_;
  std::size_t made_ = 0;
};

}  // namespace platform
