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

// One listener's place in a TNotifyEventList for as long as the registration lives: made with
// the list and the method, it adds the method; destroyed or reset, it removes it again.
class TNotifyRegistration {
 public:
  TNotifyRegistration() = default;
  TNotifyRegistration(TNotifyEventList& List, const TNotifyEvent& Method);
  TNotifyRegistration(TNotifyRegistration&& Other) noexcept;
  TNotifyRegistration& operator=(TNotifyRegistration&& Other) noexcept;
  ~TNotifyRegistration() { Reset(); }

  // Removes the listener now.
  void Reset();
  // Forgets the list without touching it: for a list that is being freed.
  void Release() { list_ = nullptr; }
  bool Registered() const { return list_ != nullptr; }

 private:
  TNotifyEventList* list_ = nullptr;
  TNotifyEvent method_;
};

}  // namespace platform
