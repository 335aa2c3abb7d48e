#pragma once
// A collection that reports its changes through an OnChange event.

#include "platform/collection.h"
#include "platform/method.h"

namespace platform {

class TNotifyCollection : public TCollection {
 public:
  TNotifyCollection(TPersistent* Owner, TCollectionItemClass NewItem)
      : TCollection(NewItem), owner_(Owner) {}

  TNotifyEvent OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = Value; }
  TPersistent* GetOwner() const override { return owner_; }

  // Install as the OnChange of the items' sub-objects: their changes become a change of the
  // whole collection, batched like its own.
  virtual void ChangedProc(TObject* Sender);

 protected:
  // Fires OnChange with the collection as the sender, whichever item changed.
  void Update(TCollectionItem* Item) override;

 private:
  TPersistent* owner_;
  TNotifyEvent onChange_;
};

}  // namespace platform
