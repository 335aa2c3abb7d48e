#pragma once
// A list of bound methods, in the order they were added; the same method may be present more
// than once.

#include "platform/list.h"
#include "platform/method.h"

namespace platform {

class TMethodList : public TList<TNotifyEvent> {
 public:
  virtual void Add(const TNotifyEvent& Method);
  // Deletes the last entry equal to Method (same object and same code); nothing when none.
  virtual void Remove(const TNotifyEvent& Method);
};

}  // namespace platform
