// The main window's start-up sequence, message loading and view-mode commands.
#include "app/frm_main.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QToolButton>

#include "app/file_url.h"
#include "app/frm_ver.h"
#include "app/program_files.h"
#include "app/resources.h"
#include "app/settings_location.h"
#include "app/startup.h"
#include "platform/osversion.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/qt/cursors.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/help_window.h"
#include "platform/qt/panel.h"
#include "platform/qt/text.h"

namespace quillet {
namespace {

// Gap between a label of the header bar and the one to its right.
constexpr int kLabelGap = 20;

}  // namespace

TfrmMain::TfrmMain(std::vector<std::string> args, QWidget* parent)
    : TfrmMain(std::move(args), SettingsFilePath(), parent) {}

TfrmMain::TfrmMain(std::vector<std::string> args, std::string settingsFile, QWidget* parent)
    : QMainWindow(parent), args_(std::move(args)), settingsPath_(std::move(settingsFile)) {
  CreateComponents();
  CreateFindBar();
  pndHead->installEventFilter(this);
  txtMainWindow->installEventFilter(this);
  setAcceptDrops(true);
  txtMain->OnSelectionChange =
      editor::TSelectionChangeEvent(&viewEvents_, &ViewEvents::SelectionChange);
  txtMain->OnDrawLine = editor::TDrawLineEvent(&viewEvents_, &ViewEvents::DrawLine);
  txtMain->OnCaretMoved = platform::TNotifyEvent(&viewEvents_, &ViewEvents::CaretMoved);
  txtMain->OnDblClick = platform::TNotifyEvent(&viewEvents_, &ViewEvents::DblClick);
  txtMain->OnMouseMove = editor::TEditor::TMouseMoveHandler(&viewEvents_, &ViewEvents::MouseMove);
  txtMain->OnKeyDown = editor::TEditor::TKeyHandler(&viewEvents_, &ViewEvents::KeyDown);
  for (auto [action, handler] : {std::pair{actFileRes, &TfrmMain::actFileResExecute},
                                 std::pair{actFileReNew, &TfrmMain::actFileReNewExecute},
                                 std::pair{actFileNew, &TfrmMain::actFileNewExecute},
                                 std::pair{actViewOption, &TfrmMain::actViewOptionExecute},
                                 std::pair{actEditCopy, &TfrmMain::actEditCopyExecute},
                                 std::pair{actEditSelect, &TfrmMain::actEditSelectExecute},
                                 std::pair{actViewMsg, &TfrmMain::actViewMsgExecute},
                                 std::pair{actViewHead, &TfrmMain::actViewHeadExecute},
                                 std::pair{actViewSrc, &TfrmMain::actViewSrcExecute},
                                 std::pair{actFileClose, &TfrmMain::actFileCloseExecute},
                                 std::pair{actTurnNone, &TfrmMain::actTurnNoneExecute},
                                 std::pair{actTurnCol, &TfrmMain::actTurnColExecute},
                                 std::pair{actTurnWin, &TfrmMain::actTurnWinExecute},
                                 std::pair{actViewToolbar, &TfrmMain::actViewToolbarExecute},
                                 std::pair{actViewHeadbar, &TfrmMain::actViewHeadbarExecute},
                                 std::pair{actViewStabar, &TfrmMain::actViewStabarExecute},
                                 std::pair{actViewCorvid, &TfrmMain::actViewCorvidExecute},
                                 std::pair{actHelpTopic, &TfrmMain::actHelpTopicExecute},
                                 std::pair{actHelpVer, &TfrmMain::actHelpVerExecute}}) {
    connect(action, &QAction::triggered, this,
            [this, handler] { platform::qt::Guard([&] { (this->*handler)(); }); });
  }
  platform::qt::Guard([this] { FormCreate(); });
}

// The control lets go of its window before the window goes with the form's children.
TfrmMain::~TfrmMain() { txtMain->SetWindow(nullptr); }

void TfrmMain::FormCreate() {
  // 1. The hand cursor for links.
  platform::qt::SetCursor(kPointCursor, resources::PointCursor());
  setWindowIcon(resources::ApplicationIcon());

  // 2. Frame of the text view's panel: a bevelled frame from platform version 5.1 on.
  if (VersionNumber(platform::PlatformVersion()) > 50) {
    pnlBase->SetFrame(platform::qt::BevelCut::Lowered, platform::qt::BevelCut::Raised, false);
  } else {
    pnlBase->SetFrame(platform::qt::BevelCut::None, platform::qt::BevelCut::None, true);
  }

  // 3-4. Help file beside the executable or in the data folder of an installed program, options
  // program beside the executable.
  std::string exe = platform::ExePath();
  platform::qt::Application::SetHelpFile(
      FindProgramFile(exe, platform::ExtractFileName(platform::ChangeFileExt(exe, ".hlp"))));
  optionsProgramPath_ = platform::ExtractFilePath(exe) + "Quillcfg.exe";
  actViewOption->setEnabled(platform::FileExists(optionsProgramPath_));

  // 5. The caret's place in the status bar.
  ShowCaretPosition();

  // 6-8. The settings. A step that fails is reported and the next one runs, so that a settings
  // file the program cannot write or read well still leaves the message shown.
  // 6. The saved wrap mode, applied and written back by its command.
  platform::qt::Guard([this] { ApplyWrapModeSetting(); });
  // 7. The text view's settings and the host settings switch.
  platform::qt::Guard([this] { ReadTextViewSettings(); });
  // 8. Bars, window geometry and tool bar images.
  platform::qt::Guard([this] { ApplyBarSettings(); });
  platform::qt::Guard([this] { ApplyWindowSettings(); });
  platform::qt::Guard([this] { LoadToolbarImages(); });
  // 9. The commands' keyboard shortcuts.
  platform::qt::Guard([this] { LoadShortCuts(); });
  // The find bar's and the zoom's keys that those left free.
  AssignOwnShortCuts();

  // 10. The message: body mode, the whole text replaced, the caption from its subject. A
  // failure is reported here so that the remaining steps still complete the window.
  messagePath_ = MessagePathFromArguments(args_);
  if (!messagePath_.empty()) {
    platform::qt::Guard([this] { Load(ViewMode::Body, true); });
  }

  // 11. Quotation markers and header names to decorate the rows with.
  LoadDecorationLists();

  // 12. The copy button shows its image only.
  btnCopy->setToolButtonStyle(Qt::ToolButtonIconOnly);
  // 13. Menu items and buttons show the images of their actions.
  ApplyActionImages();
  // 14. Copying needs a selection.
  actEditCopy->setEnabled(txtMain->Selected());
}

void TfrmMain::ApplyActionImages() {
  for (QAction* action : findChildren<QAction*>()) {
    bool ok = false;
    int index = action->property("imageIndex").toInt(&ok);
    if (ok) action->setIcon(imgMain.Icon(index));
  }
  btnReturn->setIcon(imgMain.Icon(btnReturn->property("imageIndex").toInt()));
}

void TfrmMain::SetCaptionFromSubject(std::string_view subject) {
  platform::qt::Application::SetTitle(CaptionFor(subject));
  setWindowTitle(platform::qt::ToQString(platform::qt::Application::Title()));
}

// Reads the message and shows it: header bar, view text, at start-up the caption, and in body
// mode the stamp last. The priority only decorates the message: an X-Priority that does not
// convert is reported once all of the message is shown, and no stamp is shown for it. A file
// that cannot be read changes nothing but the view mode.
void TfrmMain::Load(ViewMode mode, bool startUp) {
  viewMode_ = mode;
  ShowLoaded(LoadMessage(messagePath_, mode), startUp);
}

void TfrmMain::ShowLoaded(LoadedMessage message, bool setCaption) {
  headers_ = std::move(message.headers);
  UpdateHeaderBar(message.mode);
  txtMain->Lines().SetSharedText(message.Whole(), message.Text());
  // The new text puts the caret at its start without reporting a move.
  ShowCaretPosition();
  if (setCaption) SetCaptionFromSubject(headers_.Subject);
  if (message.mode == ViewMode::Body) UpdateStamp();
}

void TfrmMain::UpdateHeaderBar(ViewMode mode) {
  if (mode == ViewMode::Body) {
    pndHead->setVisible(actViewHeadbar->isChecked());
  } else {
    pndHead->hide();
  }
  HeaderBarTexts texts = HeaderBarLabels(headers_);
  for (auto [label, text] : {std::pair{lblFrom, &texts.From}, std::pair{lblTo, &texts.To},
                             std::pair{lblSubject, &texts.Subject},
                             std::pair{lblDate, &texts.Date}}) {
    label->setText(platform::qt::ToQString(*text));
    label->adjustSize();
  }
  lblTo->move(lblFrom->x() + lblFrom->width() + kLabelGap, lblTo->y());
  lblDate->move(lblSubject->x() + lblSubject->width() + kLabelGap, lblDate->y());
}

void TfrmMain::UpdateStamp() {
  // No image until the new priority is known: the last message's stamp would be wrong.
  shownStamp_ = -1;
  imgKitte->setPixmap(QPixmap());
  int index = StampIndex(headers_);
  if (imgKitteList.Count() == 0) {
    for (int i = 0; i < kStampCount; ++i) imgKitteList.Add(resources::Stamp(i));
  }
  QPixmap stamp = imgKitteList.Pixmap(index);
  shownStamp_ = stamp.isNull() ? -1 : index;
  imgKitte->setPixmap(stamp);
}

void TfrmMain::ViewModeCommand(QAction* action, ViewMode mode) {
  for (QAction* each : {actViewMsg, actViewHead, actViewSrc}) each->setChecked(each == action);
  Load(mode, false);
}

void TfrmMain::actViewMsgExecute() { ViewModeCommand(actViewMsg, ViewMode::Body); }
void TfrmMain::actViewHeadExecute() { ViewModeCommand(actViewHead, ViewMode::Header); }
void TfrmMain::actViewSrcExecute() { ViewModeCommand(actViewSrc, ViewMode::Source); }
void TfrmMain::actFileCloseExecute() { close(); }

// Both act on the view only while it is the window's active control.
void TfrmMain::actEditCopyExecute() {
  if (focusWidget() == txtMainWindow) txtMain->CopyToClipboard();
}

void TfrmMain::actEditSelectExecute() {
  if (focusWidget() == txtMainWindow) txtMain->SelectAll();
}

// Without the help file the command does nothing.
void TfrmMain::actHelpTopicExecute() {
  const std::string& helpFile = platform::qt::Application::HelpFile();
  if (platform::FileExists(helpFile)) platform::qt::ShowHelpTopics(helpFile, this);
}

void TfrmMain::actHelpVerExecute() { ShowAboutBox(this); }

void TfrmMain::PlaceStamp() {
  // Anchored to the bar's top right corner, as designed.
  imgKitte->move(pndHead->width() - imgKitte->width(), imgKitte->y());
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pndHead && event->type() == QEvent::Resize) {
    platform::qt::Guard([this] { PlaceStamp(); });
  }
  if (watched == txtMainWindow) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) viewButtonHeld_ = true;
        break;
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) viewButtonHeld_ = false;
        break;
      case QEvent::ShortcutOverride:
        // Taken by the view: no shortcut fires, and the view swallows the key.
        if (viewButtonHeld_) {
          event->accept();
          return true;
        }
        break;
      case QEvent::Resize:
        // The view reaches its size after the window's own resize (its panel is laid out
        // later, at start-up only once it is shown), and a bar shown or hidden resizes the view
        // alone: the window-width wrap follows the view.
        if (wrapMode_ == 2) platform::qt::Guard([this] { FitWrapWidth(); });
        break;
      default:
        break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace quillet
