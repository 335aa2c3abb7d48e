#include "platform/byte_string.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/bulk_memory.h"

namespace platform {
namespace {

// Blocks are aligned to their size, so a string finds its block's header by masking.
constexpr std::size_t kBlockSize = 1u << 20;
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

const char* ByteString::data() const noexcept {
  return rep_ ? reinterpret_cast<const char*>(rep_ + 1) : "";
}

void ByteString::DropRef() noexcept {
  if (rep_ && --rep_->refs == 0) {
    if (rep_->size & kInArena) {
      ReleaseBlock(BlockOf(rep_));
    } else {
      ::operator delete(rep_);
    }
  }
  rep_ = nullptr;
}

}  // namespace platform
