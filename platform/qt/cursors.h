#pragma once
// The screen's cursor table: Qt shapes for the built-in numbers, and the application's own
// cursors registered under positive numbers.

#include <QCursor>

#include "platform/cursors.h"

namespace platform::qt {

// Registers (or replaces) the application cursor `id`.
void SetCursor(TCursor id, const QCursor& cursor);

// The cursor for `id`; an unknown number gives the arrow.
QCursor CursorFor(TCursor id);

}  // namespace platform::qt
