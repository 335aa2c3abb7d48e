#pragma once
// Qt's key numbers and the platform's virtual keys (platform/input_events.h), both ways.

namespace platform::qt {

// The virtual key of a Qt key; 0 for keys that have no number.
int VirtualKey(int qtKey);
// The Qt key of a virtual key; 0 for one that names no Qt key. Where several Qt keys share a
// virtual key (Tab and Backtab, Return and Enter), the main one.
int QtKey(int virtualKey);

}  // namespace platform::qt
