#pragma once
// A multicast change event: every registered listener hears each change, with the owner as
// the sender. Sub-objects of the owner report to it through the inherited ChangedProc.

#include "fountain/method_list.h"
#include "fountain/notify_persistent.h"

namespace fountain {

class TNotifyEventList : public TNotifyPersistent {
 public:
  explicit TNotifyEventList(platform::TPersistent* Owner) : owner_(Owner) {}

  const TMethodList& List() const { return list_; }
  platform::TPersistent* GetOwner() const override { return owner_; }

  // Calls every listener in the order added, unless updating; OnChange is not used. A listener
  // removed during the calls (by itself or by another) is not called after its removal;
  // one added during them is first called at the next change.
  void Changed() override;
  virtual void Add(const platform::TNotifyEvent& Method);
  virtual void Remove(const platform::TNotifyEvent& Method);

 private:
  TMethodList list_;
  platform::TPersistent* owner_;
};

}  // namespace fountain
