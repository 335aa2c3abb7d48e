#pragma once
// A multicast change event: every registered listener hears each change, with the owner as
// the sender. Sub-objects of the owner report to it through the inherited ChangedProc.

#include "platform/method_list.h"
#include "platform/notify_persistent.h"

namespace platform {

class TNotifyEventList : public TNotifyPersistent {
 public:
  explicit TNotifyEventList(TPersistent* Owner) : owner_(Owner) {}

  const TMethodList& List() const { return list_; }
  TPersistent* GetOwner() const override { return owner_; }

  // Calls every listener in the order added, unless updating; OnChange is not used. A listener
  // removed during the calls (by itself or by another) is not called after its removal;
  // one added during them is first called at the next change.
  void Changed() override;
  virtual void Add(const TNotifyEvent& Method);
  virtual void Remove(const TNotifyEvent& Method);

 private:
  TMethodList list_;
  TPersistent* owner_;
};

}  // namespace platform
