#include "platform/notify_event_list.h"

#include <vector>

namespace platform {

void TNotifyEventList::Changed() {
  if (UpdateCount() != 0) return;
  std::vector<TNotifyEvent> listeners;
  listeners.reserve(static_cast<size_t>(list_.Count()));
  for (int i = 0; i < list_.Count(); ++i) listeners.push_back(list_.Items(i));
  for (const TNotifyEvent& listener : listeners) {
    if (list_.IndexOf(listener) >= 0) listener(owner_);
  }
}

void TNotifyEventList::Add(const TNotifyEvent& Method) {
  list_.Add(Method);
}

void TNotifyEventList::Remove(const TNotifyEvent& Method) {
  list_.Remove(Method);
}

}  // namespace platform
