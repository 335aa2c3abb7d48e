// The main window's line decoration and status bar: keyword loading, the rows drawn over as
// the text view paints them, the caret and selection panels, hints and the copy command.
#include <QAction>
#include <QStatusTipEvent>

#include "app/frm_main.h"
#include "app/program_files.h"
#include "app/status_texts.h"
#include "platform/ini_file.h"
#include "platform/input_events.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/statusbar.h"

namespace quillet {

// A keyword file is looked for beside the settings file first, then among the program's own
// files. Each is reported on its own and the start-up goes on: a file that cannot be read costs
// its own entries only.
void TfrmMain::LoadDecorationLists() {
  auto find = [this](const std::string& name) {
    const std::string withSettings = platform::ExtractFilePath(settingsPath_) + name;
    if (platform::FileExists(withSettings)) return withSettings;
    return FindProgramFile(platform::ExePath(), name);
  };
  platform::qt::Guard([&] { decorations_.LoadQuoteMarkers(find("Quote.kwd")); });
  platform::qt::Guard([&] { decorations_.LoadHeaderNames(find("Header.kwd")); });
}

void TfrmMain::txtMainDrawLine(platform::TObject*, const platform::ByteString& LineStr, int X,
                               int Y, int Index, const platform::TRect& ARect, bool Selected) {
  DrawDecoration(*txtMain, decorations_, LineStr, X, Y, Index, ARect, Selected);
}

void TfrmMain::txtMainCaretMoved(platform::TObject*) { ShowCaretPosition(); }

void TfrmMain::ShowCaretPosition() {
  staMain->SetPanelText(1, QString::fromStdString(CaretPositionText(*txtMain)));
}

void TfrmMain::txtMainSelectionChange(platform::TObject*, bool Selected) {
  if (Selected) {
    staMain->SetPanelText(0, QString::fromStdString(SelectionSizeText(txtMain->SelLength())));
    // Alt while selecting makes it a box, with a caret free to stand past the row ends.
    if (txtMainWindow->KeyPressed(platform::VK_MENU)) {
      txtMain->SetSelectionMode(1);
      txtMain->Caret().SetFreeCaret(true);
    }
  } else {
    staMain->SetPanelText(0, QString());
    txtMain->SetSelectionMode(0);
    txtMain->Caret().SetFreeCaret(Settings().ReadBool("Editor\\Caret", "FreeCaret", false));
  }
  actEditCopy->setEnabled(Selected);
}

void TfrmMain::appMainHint(const QString& hint) { staMain->SetPanelText(0, hint); }

void TfrmMain::staMainResize() {
  staMain->SetPanelWidth(0, staMain->width() - staMain->Panel(1).width - staMain->Panel(2).width);
}

// Hints of buttons and menu items arrive as status tips; they go to panel 0, where a status
// message of Qt's own would cover the panels.
bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    platform::qt::Guard([&] { appMainHint(tip); });
    return true;
  }
  return QMainWindow::event(event);
}

}  // namespace quillet
