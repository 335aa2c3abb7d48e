#include "platform/notify_persistent.h"

namespace platform {

void TNotifyPersistent::Changed() {
  if (updateCount_ == 0 && onChange_) onChange_(this);
}

void TNotifyPersistent::BeginUpdate() {
  ++updateCount_;
}

void TNotifyPersistent::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  Changed();
}

void TNotifyPersistent::ChangedProc(TObject* Sender) {
  if (Sender != this) Changed();
}

}  // namespace platform
