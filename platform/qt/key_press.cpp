#include "platform/qt/key_press.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

// Qt's own entry for a key that may be a shortcut, as its test library uses it: sends the
// ShortcutOverride event to the focus object and, when nothing claims the key, tries the
// shortcut map. True when a shortcut ran.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* object, ulong timestamp, int key,
                                               Qt::KeyboardModifiers modifiers,
                                               const QString& text, bool autorep, ushort count);

namespace platform::qt {
namespace {

QWidget* Target(QWidget* window) {
  QWidget* focus = window->focusWidget();
  return focus != nullptr ? focus : window;
}

}  // namespace

bool PressKey(QWidget* window, QKeyCombination keys, const QString& text) {
  const int key = keys.key();
  const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
  if (qt_sendShortcutOverrideEvent(Target(window), 0, key, modifiers, text, false, 1)) {
    return true;
  }
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(Target(window), &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(Target(window), &release);
  return false;
}

void TypeText(QWidget* window, const QString& text) {
  for (const QChar c : text) {
    const int key = c.toUpper().unicode();
    PressKey(window, QKeyCombination(Qt::NoModifier, static_cast<Qt::Key>(key)), QString(c));
  }
}

}  // namespace platform::qt
