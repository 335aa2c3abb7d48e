#include "platform/persistent.h"

#include "platform/errors.h"

namespace platform {

void TPersistent::Assign(const TPersistent& Source) {
  Source.AssignTo(*this);
}

void TPersistent::AssignTo(TPersistent& Dest) const {
  Dest.AssignError(*this);
}

void TPersistent::AssignError(const TPersistent& Source) const {
  throw EConvertError::CannotAssign(Source.ClassName(), ClassName());
}

}  // namespace platform
