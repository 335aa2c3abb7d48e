#pragma once
// The viewer's whole main window for the driver: made for a message and a settings file of
// the caller's choice, shown (offscreen unless QT_QPA_PLATFORM says otherwise), with the
// errors its start-up and commands report collected instead of shown in boxes.

#include <memory>
#include <string>
#include <vector>

#include "tools/drive/session.h"
#include "tools/drive/state_json.h"

namespace quillet {
class TfrmMain;
}

namespace drive {

class MainWindowRun {
 public:
  // `args` as the viewer's command line (args[0] the program). Returns once the window is
  // shown and framed.
  MainWindowRun(std::vector<std::string> args, std::string settingsFile);
  ~MainWindowRun();
  MainWindowRun(const MainWindowRun&) = delete;
  MainWindowRun& operator=(const MainWindowRun&) = delete;

  // The window's text view, for the steps.
  Session& ViewSession() { return *session_; }
  const quillet::TDecorationList& Decorations() const;

  // Caption, wrap mode, frame, bars, status panels, each action's state, tool bar image size,
  // the view's effective options and colours, and every error reported so far.
  JsonObject State() const;

 private:
  std::vector<std::string> errors_;
  std::unique_ptr<quillet::TfrmMain> form_;
  std::unique_ptr<Session> session_;
};

}  // namespace drive
