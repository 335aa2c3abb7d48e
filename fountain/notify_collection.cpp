#include "fountain/notify_collection.h"

namespace fountain {

void TNotifyCollection::ChangedProc(platform::TObject* Sender) {
  if (Sender != this) Changed();
}

void TNotifyCollection::Update(platform::TCollectionItem* /*Item*/) {
  if (onChange_) onChange_(this);
}

}  // namespace fountain
