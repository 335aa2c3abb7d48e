// Quillet: shows one stored mail message. The host mail client starts it with the message's
// path; all arguments together form that path.
#include <QApplication>

#include <chrono>
#include <string>
#include <vector>

#include "app/file_url.h"
#include "app/first_frame.h"
#include "app/frm_main.h"
#include "app/message.h"
#include "app/message_prefetch.h"
#include "app/startup.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/fonts.h"

namespace {

class QtStartupHost : public quillet::StartupHost {
 public:
  QtStartupHost(QApplication& app, std::chrono::steady_clock::time_point start)
      : app_(app), start_(start) {}
  void Beep() override { platform::qt::Beep(); }
  void ShowWarning(const std::string& utf8Text) override {
    platform::qt::ShowWarning(nullptr, QString::fromStdString(utf8Text));
  }
  void RunMainWindow(const std::vector<std::string>& args) override {
    platform::qt::InstallFontSubstitutions();
    platform::qt::Application::SetTitle("Quillet");
    quillet::TfrmMain window(args);
    if (quillet::FirstFrameRequested()) quillet::ReportFirstFrame(app_, *window.TextViewWindow(), start_);
    window.show();
    app_.exec();
  }

 private:
  QApplication& app_;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  // The arguments are taken before Qt sees any: every one of them is part of the path.
  std::vector<std::string> args(argv, argv + argc);
  // The message is read while Qt and the window start.
  if (const std::string path = quillet::MessagePathFromArguments(args); !path.empty()) {
    quillet::PrefetchMessage(path);
  }
  // The windows are laid out in pixels and are not rescaled for other screen densities.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  QtStartupHost host(app, start);
  return quillet::RunProgram(args, host);
}
