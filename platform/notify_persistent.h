#pragma once
// The base of every option object: an OnChange event, batched by an update count, and a
// handler through which a parent hears the changes of its children.

#include "platform/method.h"
#include "platform/persistent.h"

namespace platform {

class TNotifyPersistent : public TPersistent {
 public:
  TNotifyEvent OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = Value; }
  int UpdateCount() const { return updateCount_; }

  // Setters call it after storing a value that differs. Fires OnChange, with this object as
  // the sender, unless updating.
  virtual void Changed();
  // A batch between them reports once at its end, even when nothing changed. An EndUpdate
  // without a BeginUpdate does not lower the count below zero.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  // Install as the OnChange of each owned child: a change of a child becomes a change of this
  // object (but this object's own change, passed back, is not reported twice).
  virtual void ChangedProc(TObject* Sender);

 private:
  TNotifyEvent onChange_;
  int updateCount_ = 0;
};

}  // namespace platform
