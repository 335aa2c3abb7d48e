#pragma once
// A key pressed as the keyboard delivers it, for the scripted driver and the tests: the
// window's shortcuts get it first (unless the focus widget claims it), then the focus widget.

#include <QKeySequence>
#include <QString>

class QWidget;

namespace platform::qt {

// Presses and releases the one key combination of `keys` in `window`'s focus widget (the window
// itself without one), `text` being what the key types. Returns whether a shortcut took it.
bool PressKey(QWidget* window, QKeyCombination keys, const QString& text = {});

// Types each character of `text` as a key press into `window`'s focus widget.
void TypeText(QWidget* window, const QString& text);

}  // namespace platform::qt
