#pragma once
// A collection that reports its changes through an OnChange event.

#include "platform/collection.h"
#include "platform/method.h"

namespace fountain {

class TNotifyCollection : public platform::TCollection {
 public:
  TNotifyCollection(platform::TPersistent* Owner, platform::TCollectionItemClass NewItem)
      : TCollection(NewItem), owner_(Owner) {}

  platform::TNotifyEvent OnChange() const { return onChange_; }
  void SetOnChange(platform::TNotifyEvent Value) { onChange_ = Value; }
  platform::TPersistent* GetOwner() const override { return owner_; }

  // Install as the OnChange of the items' sub-objects: their changes become a change of the
  // whole collection, batched like its own.
  virtual void ChangedProc(platform::TObject* Sender);

 protected:
  // Fires OnChange with the collection as the sender, whichever item changed.
  void Update(platform::TCollectionItem* Item) override;

 private:
  platform::TPersistent* owner_;
  platform::TNotifyEvent onChange_;
};

}  // namespace fountain
