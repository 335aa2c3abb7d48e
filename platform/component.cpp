#include "platform/component.h"

#include <algorithm>

namespace platform {
namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::~TComponent() {
  // Each entry is told once and forgets us; a listener that frees others in its handler only
  // shortens what is left of the list.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    Erase(other->freeNotifies_, this);
    other->Notification(this);
  }
}

void TComponent::FreeNotification(TComponent* Listener) {
  if (Listener == nullptr || Listener == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), Listener) == freeNotifies_.end()) {
    freeNotifies_.push_back(Listener);
    Listener->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* Listener) {
  if (Listener == nullptr) return;
  Erase(freeNotifies_, Listener);
  Erase(Listener->freeNotifies_, this);
}

}  // namespace platform
