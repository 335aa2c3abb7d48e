#include "platform/qt/cursors.h"

#include <map>

namespace platform::qt {
namespace {

std::map<TCursor, QCursor>& Registered() {
  static std::map<TCursor, QCursor> cursors;
  return cursors;
}

}  // namespace

void SetCursor(TCursor id, const QCursor& cursor) { Registered()[id] = cursor; }

QCursor CursorFor(TCursor id) {
  if (auto it = Registered().find(id); it != Registered().end()) return it->second;
  switch (id) {
    case crIBeam:
      return Qt::IBeamCursor;
    case crDrag:
      return Qt::DragMoveCursor;
    case crNoDrop:
      return Qt::ForbiddenCursor;
    case crHandPoint:
      return Qt::PointingHandCursor;
    default:
      return Qt::ArrowCursor;
  }
}

}  // namespace platform::qt
