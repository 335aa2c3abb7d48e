#pragma once
// Application-wide services of the GUI: the title, the help file, the warning beep, message
// boxes and the standard error box.
//
// Error policy: our code reports failures as exceptions. Every Qt event handler or slot that
// runs our code wraps it in Guard(), which shows the error box and ends that command there;
// no exception ever reaches Qt, and the window stays usable.

#include <QString>

#include <exception>
#include <functional>
#include <new>
#include <string>
#include <string_view>

#include "platform/errors.h"

class QWidget;

namespace platform::qt {

class Application {
 public:
  // The title names the program in message boxes; it is CP932 like all our text.
  static const std::string& Title();
  static void SetTitle(std::string_view cp932Title);

  // The help file given at start-up (the operating system's bytes).
  static const std::string& HelpFile();
  static void SetHelpFile(std::string_view path);

  // Shows `error` in the standard error box: the application title as caption, the error's
  // message as text, a stop icon and one OK button. Tests may install a handler instead.
  static void ShowException(const std::exception& error);
  using ExceptionHandler = std::function<void(const std::exception&)>;
  static void SetExceptionHandler(ExceptionHandler handler);  // empty restores the box
};

// Runs `command`; any exception it throws is shown by the standard error box instead.
// Running out of memory is shown as the platform's EOutOfMemory.
template <class F>
void Guard(F&& command) noexcept {
  try {
    command();
  } catch (const std::bad_alloc&) {
    Application::ShowException(EOutOfMemory());
  } catch (const std::exception& error) {
    Application::ShowException(error);
  } catch (...) {
    Application::ShowException(std::runtime_error("unknown error"));
  }
}

// The platform's exclamation beep.
void Beep();

// A modal warning box: caption "警告", one OK button. CR LF in `text` breaks lines.
void ShowWarning(QWidget* parent, const QString& text);

}  // namespace platform::qt
