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

TNotifyRegistration::TNotifyRegistration(TNotifyEventList& List, const TNotifyEvent& Method)
    : list_(&List), method_(Method) {
  List.Add(Method);
}

TNotifyRegistration::TNotifyRegistration(TNotifyRegistration&& Other) noexcept
    : list_(Other.list_), method_(Other.method_) {
  Other.list_ = nullptr;
}

TNotifyRegistration& TNotifyRegistration::operator=(TNotifyRegistration&& Other) noexcept {
  if (this != &Other) {
    Reset();
    list_ = Other.list_;
    method_ = Other.method_;
    Other.list_ = nullptr;
  }
  return *this;
}

void TNotifyRegistration::Reset() {
  if (list_ == nullptr) return;
  // Remove may not throw out of a destructor; a list that cannot remove has nothing to call.
  try {
    list_->Remove(method_);
  } catch (...) {
  }
  list_ = nullptr;
}

}  // namespace platform
