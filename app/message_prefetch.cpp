#include "app/message_prefetch.h"

#include <future>
#include <utility>

namespace quillet {
namespace {

struct Pending {
  std::string path;
  std::future<MessageSource> source;
};

// Touched only by the GUI thread; the read's thread sees only its path.
std::optional<Pending>& Slot() {
  static std::optional<Pending> slot;
  return slot;
}

}  // namespace

void PrefetchMessage(const std::string& path) {
  std::optional<Pending>& slot = Slot();
  slot.reset();
  slot.emplace(Pending{path, std::async(std::launch::async, [path] { return ReadMessage(path); })});
}

std::optional<MessageSource> TakePrefetchedMessage(const std::string& path) {
  std::optional<Pending> pending = std::exchange(Slot(), std::nullopt);
  if (!pending || pending->path != path) return std::nullopt;
  return pending->source.get();
}

}  // namespace quillet
