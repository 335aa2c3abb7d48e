#include "fountain/method_list.h"

namespace fountain {

void TMethodList::Add(const platform::TNotifyEvent& Method) {
  TList::Add(Method);
}

void TMethodList::Remove(const platform::TNotifyEvent& Method) {
  for (int i = Count() - 1; i >= 0; --i) {
    if (Items(i) == Method) {
      Delete(i);
      return;
    }
  }
}

}  // namespace fountain
