#include "platform/qt/application.h"

#include <QApplication>
#include <QMessageBox>

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
  box.exec();
}

void Beep() { QApplication::beep(); }

void ShowWarning(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), WithQtLineBreaks(text),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace platform::qt
