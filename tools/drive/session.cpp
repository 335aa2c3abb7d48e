#include "tools/drive/session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QString>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <stdexcept>

#include "app/settings_location.h"
#include "app/view_setup.h"
#include "platform/colors.h"
#include "platform/component.h"
#include "platform/font.h"

namespace drive {
namespace {

using namespace editor;
using platform::TColor;

// Runs the event loop until `done` holds; false when it did not within the deadline. The
// deadline only guards against a platform that never delivers the state.
bool WaitFor(const std::function<bool()>& done) {
  QDeadlineTimer deadline(10000);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  return true;
}

}  // namespace

Session::Session(const SessionOptions& options, const std::string& text)
    : ownWindow_(std::make_unique<platform::qt::EditorWindowWidget>()),
      ownEditor_(platform::NewComponent<TEditor>(nullptr)),
      window_(ownWindow_.get()),
      editor_(ownEditor_.get()) {
  if (!options.bare) {
    quillet::SetUpViewerTextView(*editor_);
    auto find = [&options](const std::string& name) {
      return options.keywordFolder.empty() ? quillet::FindBesideSettings(name)
                                           : options.keywordFolder + name;
    };
    decorations_.list.LoadQuoteMarkers(find("Quote.kwd"));
    decorations_.list.LoadHeaderNames(find("Header.kwd"));
    editor_->OnDrawLine = editor::TDrawLineEvent(&decorations_, &Decorator::DrawLine);
  }
  editor_->SetClipboard(&clipboard_);
  editor_->Lines().SetTextStr(text);
  window_->resize(options.width, options.height);
  editor_->SetWindow(window_);
  try {
    window_->show();
    Resize(options.width, options.height);
  } catch (...) {
    // No destructor runs for a half-made session: the window must not outlive its client.
    editor_->SetWindow(nullptr);
    throw;
  }
}

Session::Session(TEditor& editor, platform::qt::EditorWindowWidget& window)
    : window_(&window), editor_(&editor) {}

Session::~Session() {
  if (ownEditor_) ownEditor_->SetWindow(nullptr);
}

void Session::Resize(int width, int height) {
  QWidget* top = window_->window();
  top->resize(width, height);
  if (!WaitFor([&] { return top->width() == width && top->height() == height; })) {
    throw std::runtime_error("the window did not take the size " + std::to_string(width) + "x" +
                             std::to_string(height));
  }
}

void Session::Focus() {
  window_->activateWindow();
  window_->setFocus(Qt::OtherFocusReason);
  if (!WaitFor([&] { return window_->hasFocus(); })) {
    throw std::runtime_error("the window did not get the focus");
  }
}

void Session::SavePng(const std::string& file) const {
  if (!window_->BackingImage().save(QString::fromLocal8Bit(file.c_str()), "PNG")) {
    throw std::runtime_error("cannot write " + file);
  }
}

bool Session::Hold(const std::string& file, int seconds) {
  auto present = [&file] {
    std::error_code error;
    return std::filesystem::exists(file, error);
  };
  const QDeadlineTimer deadline(static_cast<qint64>(seconds) * 1000);
  // A real event loop that sleeps between polls, not a spinning one: a hold may last long.
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (present() || deadline.hasExpired()) loop.quit();
  });
  if (present() || deadline.hasExpired()) return present();
  poll.start(20);
  loop.exec();
  return present();
}

void Session::Key(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text,
                  bool autoRepeat) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text, autoRepeat);
  QCoreApplication::sendEvent(window_, &event);
}

void Session::KeyRelease(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(window_, &event);
}

void Session::SendMouse(int type, int x, int y, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers) {
  const QPointF at(x, y);
  QMouseEvent event(static_cast<QEvent::Type>(type), at, window_->mapToGlobal(at), button, held_,
                    modifiers);
  QCoreApplication::sendEvent(window_, &event);
}

void Session::Press(int x, int y, Qt::KeyboardModifiers modifiers) {
  held_ |= Qt::LeftButton;
  SendMouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton, modifiers);
}

void Session::Move(int x, int y) {
  SendMouse(QEvent::MouseMove, x, y, Qt::NoButton, Qt::NoModifier);
}

void Session::Release(int x, int y) {
  held_ &= ~Qt::MouseButtons(Qt::LeftButton);
  SendMouse(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoModifier);
}

void Session::DoubleClick(int x, int y) {
  held_ |= Qt::LeftButton;
  SendMouse(QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, Qt::NoModifier);
  Release(x, y);
}

void Session::Wheel(int x, int y, int delta) {
  const QPointF at(x, y);
  QWheelEvent event(at, window_->mapToGlobal(at), QPoint(), QPoint(0, delta), held_,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(window_, &event);
}

}  // namespace drive
