#include "platform/qt/application.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QShortcut>

#include "platform/qt/text.h"

namespace platform::qt {
namespace {

struct State {
  std::string title;
  std::string helpFile;
  Application::ExceptionHandler handler;
};

State& GetState() {
  static State state;
  return state;
}

// Windows message boxes take CR LF; Qt takes LF.
QString WithQtLineBreaks(QString text) { return text.replace(QStringLiteral("\r\n"), "\n"); }

// Runs a box modally. Ctrl+C copies its caption and text to the clipboard, laid out as the
// platform's own boxes copy them, so that a message can be passed on as text.
void Run(QMessageBox& box) {
  QShortcut copy(QKeySequence::Copy, &box);
  QObject::connect(&copy, &QShortcut::activated, &box, [&box] {
    const QString rule = QStringLiteral("---------------------------\n");
    QGuiApplication::clipboard()->setText(rule + box.windowTitle() + "\n" + rule + box.text() +
                                          "\n" + rule + QStringLiteral("OK\n") + rule);
  });
  box.exec();
}

}  // namespace

const std::string& Application::Title() { return GetState().title; }
void Application::SetTitle(std::string_view cp932Title) { GetState().title = cp932Title; }

const std::string& Application::HelpFile() { return GetState().helpFile; }
void Application::SetHelpFile(std::string_view path) { GetState().helpFile = path; }

void Application::SetExceptionHandler(ExceptionHandler handler) {
  GetState().handler = std::move(handler);
}

void Application::ShowException(const std::exception& error) {
  if (GetState().handler) {
    GetState().handler(error);
    return;
  }
  QMessageBox box(QMessageBox::Critical, ToQString(Title()),
                  WithQtLineBreaks(QString::fromUtf8(error.what())), QMessageBox::Ok,
                  QApplication::activeWindow());
  Run(box);
}

void Beep() { QApplication::beep(); }

void ShowWarning(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), WithQtLineBreaks(text),
                  QMessageBox::Ok, parent);
  Run(box);
}

}  // namespace platform::qt
