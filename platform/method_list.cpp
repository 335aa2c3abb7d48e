#include "platform/method_list.h"

namespace platform {

void TMethodList::Add(const TNotifyEvent& Method) {
  TList::Add(Method);
}

void TMethodList::Remove(const TNotifyEvent& Method) {
  for (int i = Count() - 1; i >= 0; --i) {
    if (Items(i) == Method) {
      Delete(i);
      return;
    }
  }
}

}  // namespace platform
