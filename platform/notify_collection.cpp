#include "platform/notify_collection.h"

namespace platform {

void TNotifyCollection::ChangedProc(TObject* Sender) {
  if (Sender != this) Changed();
}

void TNotifyCollection::Update(TCollectionItem* /*Item*/) {
  if (onChange_) onChange_(this);
}

}  // namespace platform
