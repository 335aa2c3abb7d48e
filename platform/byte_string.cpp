#include "platform/byte_string.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/bulk_memory.h"

namespace platform {
namespace {

// Blocks are aligned to their size, so a string finds its block's header by masking.
constexpr std::size_t kBlockSize = 2u << 20;
struct BlockHeader {
  std::size_t live;  // strings in the block, plus one while an arena fills it
};
constexpr std::size_t kFirstRep = (sizeof(BlockHeader) + alignof(std::max_align_t) - 1) &
                                  ~(alignof(std::max_align_t) - 1);

thread_local ByteStringArena* currentArena = nullptr;

BlockHeader* BlockOf(const void* rep) {
  return reinterpret_cast<BlockHeader*>(reinterpret_cast<std::uintptr_t>(rep) & ~(kBlockSize - 1));
}

void ReleaseBlock(BlockHeader* block) {
  if (--block->live == 0) std::free(block);
}

}  // namespace

ByteStringArena::ByteStringArena() : outer_(currentArena) { currentArena = this; }

ByteStringArena::~ByteStringArena() {
  currentArena = outer_;
  if (block_ != nullptr) ReleaseBlock(reinterpret_cast<BlockHeader*>(block_));
}

void ByteStringArena::NewBlock() {
  void* block = std::aligned_alloc(kBlockSize, kBlockSize);
  if (block == nullptr) throw std::bad_alloc();
  PopulateForWrite(block, kBlockSize);
  if (block_ != nullptr) ReleaseBlock(reinterpret_cast<BlockHeader*>(block_));
  block_ = static_cast<char*>(block);
  new (block_) BlockHeader{1};
  used_ = kFirstRep;
}

void* ByteStringArena::Allocate(std::size_t bytes) {
  bytes = (bytes + alignof(std::max_align_t) - 1) & ~(alignof(std::max_align_t) - 1);
  if (bytes > kBlockSize - kFirstRep) return nullptr;
  if (block_ == nullptr || used_ + bytes > kBlockSize) NewBlock();
  void* at = block_ + used_;
  used_ += bytes;
  ++reinterpret_cast<BlockHeader*>(block_)->live;
  return at;
}

ByteString::ByteString(std::string_view bytes) {
  if (bytes.empty()) return;
  const std::size_t total = sizeof(Rep) + bytes.size() + 1;
  if (void* place = currentArena != nullptr ? currentArena->Allocate(total) : nullptr) {
    rep_ = new (place) Rep{1, bytes.size() | kInArena};
  } else {
    rep_ = new (::operator new(total)) Rep{1, bytes.size()};
  }
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

ByteString::Rep* ByteString::NewUnfilled(std::size_t capacity) {
  return new (::operator new(sizeof(Rep) + capacity + 1)) Rep{1, capacity};
}

void ByteString::SetFilledSize(std::size_t size) noexcept {
  if (size == 0) {
    DropRef();
    return;
  }
  rep_->size = size;
  Room()[size] = '\0';
}

const char* ByteString::data() const noexcept {
  if (rep_ == nullptr) return "";
  if (rep_->size & kSlice) return static_cast<const SliceRep*>(rep_)->bytes;
  return reinterpret_cast<const char*>(rep_ + 1);
}

void ByteString::DropRef() noexcept {
  if (rep_ && --rep_->refs == 0) {
    if (rep_->size & kSlice) {
      ByteString whole(static_cast<SliceRep*>(rep_)->whole);  // its count goes with the slice
    }
    if (rep_->size & kInArena) {
      ReleaseBlock(BlockOf(rep_));
    } else {
      ::operator delete(rep_);
    }
  }
  rep_ = nullptr;
}

ByteStringSlicer::ByteStringSlicer(const ByteString& whole, std::size_t maxSlices)
    : whole_(whole), reserved_(whole.empty() ? 0 : maxSlices) {
  if (whole_.rep_ != nullptr) whole_.rep_->refs += reserved_;
}

ByteStringSlicer::~ByteStringSlicer() {
  if (whole_.rep_ != nullptr) whole_.rep_->refs -= reserved_ - made_;
}

ByteString ByteStringSlicer::Slice(std::string_view part) {
  if (part.empty()) return ByteString();
  if (made_ == reserved_) return ByteString(part);  // more than promised: a copy of its own
  using SliceRep = ByteString::SliceRep;
  void* place = currentArena != nullptr ? currentArena->Allocate(sizeof(SliceRep)) : nullptr;
  const std::size_t flags = ByteString::kSlice | (place != nullptr ? ByteString::kInArena : 0);
  if (place == nullptr) place = ::operator new(sizeof(SliceRep));
  auto* rep = new (place) SliceRep{{1, part.size() | flags}, part.data(), whole_.rep_};
  ++made_;
  return ByteString(rep);
}

}  // namespace platform
