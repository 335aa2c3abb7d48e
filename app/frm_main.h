#pragma once
// The main window: header bar, text view, tool bar, status bar, and the message they show.

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/decoration.h"
#include "app/message.h"
#include "app/view_find.h"
#include "editor/editor.h"
#include "platform/ini_file.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/imagelist.h"

class QAction;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QActionGroup;
class QLabel;
class QMenu;
class QToolBar;
class QTimer;
class QToolButton;

namespace platform::qt {
class EditorWindowWidget;
class FindBar;
class Panel;
class StatusBar;
}  // namespace platform::qt

namespace quillet {

class TfrmMain : public QMainWindow {
 public:
  // Creates the window for the command line `args` (args[0] is the program) and runs the
  // start-up sequence, which applies the settings and loads the message. A step that fails is
  // reported by the standard error box, and the next step runs all the same.
  explicit TfrmMain(std::vector<std::string> args, QWidget* parent = nullptr);
  // The same with the settings in `settingsFile` instead of the program's settings file.
  TfrmMain(std::vector<std::string> args, std::string settingsFile, QWidget* parent = nullptr);
  ~TfrmMain() override;

  ViewMode CurrentViewMode() const { return viewMode_; }
  const HeaderValues& Headers() const { return headers_; }
  const std::string& MessagePath() const { return messagePath_; }
  // The stamp image shown, -1 for none.
  int ShownStamp() const { return shownStamp_; }
  // The text view and its window.
  editor::TEditor& TextView() const { return *txtMain; }
  const TDecorationList& Decorations() const { return decorations_; }
  platform::qt::EditorWindowWidget* TextViewWindow() const { return txtMainWindow; }
  // 0 no wrapping, 1 at a byte column, 2 at the window width.
  int WrapMode() const { return wrapMode_; }
  const std::string& SettingsPath() const { return settingsPath_; }
  // The find bar and the count of its hits.
  platform::qt::FindBar* FindBar() const { return pnlFind; }
  const HitCounter& FindHits() const { return *findHits_; }
  // The view's font size in points, and the size of the settings that Ctrl+0 restores.
  int ZoomPoints() const;
  int ConfiguredPoints() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // One local file dragged onto the window is taken; dropping it opens it (frm_main_drop.cpp).
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Design (frm_main_design.cpp): the components with their design-time values.
  void CreateComponents();
  void CreateActions();
  void CreateMenus();
  void CreateToolbarPanel();
  void CreateHeaderBar();
  void CreateBasePanel();
  // The text view's design values, and the look the settings give it by default.
  void SetUpTextView();
  void CreateStatusBar();

  // Start-up and message (frm_main.cpp).
  void FormCreate();
  void ApplyActionImages();
  void SetCaptionFromSubject(std::string_view subject);
  void Load(ViewMode mode, bool startUp);
  // Shows a message read by LoadMessage; `setCaption` takes the caption from its subject.
  void ShowLoaded(LoadedMessage message, bool setCaption);
  // Reads the message at `path` in the current view mode and shows it, caption included; the
  // window keeps its message when the file cannot be read.
  void OpenMessage(const std::string& path);
  void UpdateHeaderBar(ViewMode mode);
  void UpdateStamp();
  void ViewModeCommand(QAction* action, ViewMode mode);
  void actViewMsgExecute();
  void actViewHeadExecute();
  void actViewSrcExecute();
  void PlaceStamp();
  void actFileCloseExecute();
  void actEditCopyExecute();
  void actEditSelectExecute();
  void actHelpTopicExecute();
  void actHelpVerExecute();
  // Line decoration and status bar (frm_main_status.cpp).
  void LoadDecorationLists();
  void txtMainDrawLine(platform::TObject* Sender, const platform::ByteString& LineStr, int X, int Y,
                       int Index, const platform::TRect& ARect, bool Selected);
  void txtMainCaretMoved(platform::TObject* Sender);
  void ShowCaretPosition();
  void txtMainSelectionChange(platform::TObject* Sender, bool Selected);
  void appMainHint(const QString& hint);
  void staMainResize();
  // Settings (frm_main_settings.cpp). Each read or write opens the file anew.
  platform::TIniFile Settings() const { return platform::TIniFile(settingsPath_); }
  // For a write: the settings folder is made first when it is missing.
  platform::TIniFile WritableSettings() const;
  void ApplyWrapModeSetting();
  void ReadTextViewSettings();
  void ApplyBarSettings();
  void ApplyWindowSettings();
  void LoadToolbarImages();
  void SetWrapMode(int mode, QAction* action);
  void FitWrapWidth();
  void actTurnNoneExecute();
  void actTurnColExecute();
  void actTurnWinExecute();
  void actViewToolbarExecute();
  void actViewHeadbarExecute();
  void actViewStabarExecute();
  void actViewCorvidExecute();
  // Commands that reach outside the window, shortcuts and Esc (frm_main_commands.cpp).
  void actFileResExecute();
  void actFileReNewExecute();
  void actFileNewExecute();
  void actViewOptionExecute();
  void txtMainDblClick(platform::TObject* Sender);
  void txtMainMouseMove(platform::TObject* Sender, platform::TShiftState Shift, int X, int Y);
  void txtMainKeyDown(platform::TObject* Sender, int& Key, platform::TShiftState Shift);
  void LoadShortCuts();
  // Find bar and zoom (frm_main_find.cpp, frm_main_zoom.cpp).
  void CreateFindBar();
  // The find and zoom keys that no command of the settings file took.
  void AssignOwnShortCuts();
  void actEditFindExecute();
  void FindStepCommand(bool forward);
  void FindPatternEdited();
  void FindBarClosed();
  void StartFindCount();
  void CountHitsSlice();
  void ShowFindOutcome(FindOutcome outcome, bool forward);
  void ShowFindCount();
  // The pattern in CP932; false when the text holds a character CP932 lacks.
  bool FindPattern(std::string& pattern) const;
  FindOptions FindBarOptions() const;
  void ZoomBy(int steps);
  void actViewZoomResetExecute();
  // The settings' font is in force again: no zoom to undo.
  void ForgetZoom();
  void txtMainMouseWheel(platform::TShiftState Shift, int WheelDelta, bool& Handled);

  // The application cursor number of the hand shown over links.
  static constexpr platform::TCursor kPointCursor = 9;

  std::vector<std::string> args_;

  // The view's events are bound methods of a platform object; this one hands them on.
  class ViewEvents : public platform::TObject {
   public:
    explicit ViewEvents(TfrmMain& form) : form_(form) {}
    void SelectionChange(platform::TObject* Sender, bool Selected) {
      form_.txtMainSelectionChange(Sender, Selected);
    }
    void DrawLine(platform::TObject* Sender, const platform::ByteString& LineStr, int X, int Y,
                  int Index, const platform::TRect& ARect, bool Selected) {
      form_.txtMainDrawLine(Sender, LineStr, X, Y, Index, ARect, Selected);
    }
    void CaretMoved(platform::TObject* Sender) { form_.txtMainCaretMoved(Sender); }
    void DblClick(platform::TObject* Sender) { form_.txtMainDblClick(Sender); }
    void MouseMove(platform::TObject* Sender, platform::TShiftState Shift, int X, int Y) {
      form_.txtMainMouseMove(Sender, Shift, X, Y);
    }
    void KeyDown(platform::TObject* Sender, int& Key, platform::TShiftState Shift) {
      form_.txtMainKeyDown(Sender, Key, Shift);
    }
    void MouseWheel(platform::TObject*, platform::TShiftState Shift, int WheelDelta,
                    platform::TPoint, bool& Handled) {
      form_.txtMainMouseWheel(Shift, WheelDelta, Handled);
    }

   private:
    TfrmMain& form_;
  };
  ViewEvents viewEvents_{*this};
  // The left button went down on the view and is not up yet: the view swallows keys then,
  // and the window's shortcuts must not act either.
  bool viewButtonHeld_ = false;

  // State kept for the window's whole life.
  std::string settingsPath_;
  std::string messagePath_;
  std::string optionsProgramPath_;
  int wrapMode_ = 0;
  ViewMode viewMode_ = ViewMode::Body;
  HeaderValues headers_;
  int shownStamp_ = -1;
  TDecorationList decorations_;

  // Components, owned through Qt's parent chain.
  platform::qt::Panel* pnlToolbar = nullptr;
  QToolBar* tbrMain0 = nullptr;
  QToolBar* tbrMain1 = nullptr;
  QToolBar* tbrMain2 = nullptr;
  QToolBar* tbrMain3 = nullptr;
  QToolButton* btnMsg = nullptr;
  QToolButton* btnCopy = nullptr;
  QToolButton* btnViewMsg = nullptr;
  QToolButton* btnViewHead = nullptr;
  QToolButton* btnViewSrc = nullptr;
  QToolButton* btnReturn = nullptr;
  QToolButton* btnViewOption = nullptr;
  QWidget* pndHead = nullptr;
  QLabel* lblFrom = nullptr;
  QLabel* lblTo = nullptr;
  QLabel* lblSubject = nullptr;
  QLabel* lblDate = nullptr;
  QLabel* imgKitte = nullptr;
  platform::qt::Panel* pnlBase = nullptr;
  // The text view: the control (plain C++) and the widget it draws and scrolls through.
  std::unique_ptr<editor::TEditor> txtMain;
  platform::qt::EditorWindowWidget* txtMainWindow = nullptr;
  platform::qt::QtClipboard clipboard_;
  platform::qt::StatusBar* staMain = nullptr;

  QMenu* pumMsg = nullptr;
  QMenu* pumTurn = nullptr;
  QMenu* pumEdit = nullptr;

  QAction* actFileRes = nullptr;
  QAction* actFileReNew = nullptr;
  QAction* actFileNew = nullptr;
  QAction* actFileClose = nullptr;
  QAction* actEditCopy = nullptr;
  QAction* actEditSelect = nullptr;
  QAction* actViewMsg = nullptr;
  QAction* actViewHead = nullptr;
  QAction* actViewSrc = nullptr;
  QAction* actViewCorvid = nullptr;
  QAction* actViewOption = nullptr;
  QAction* actViewToolbar = nullptr;
  QAction* actViewHeadbar = nullptr;
  QAction* actViewStabar = nullptr;
  QAction* actTurnNone = nullptr;
  QAction* actTurnCol = nullptr;
  QAction* actTurnWin = nullptr;
  QAction* actHelpTopic = nullptr;
  QAction* actHelpVer = nullptr;
  QAction* actEditFind = nullptr;
  QAction* actEditFindNext = nullptr;
  QAction* actEditFindPrev = nullptr;
  QAction* actViewZoomIn = nullptr;
  QAction* actViewZoomOut = nullptr;
  QAction* actViewZoomReset = nullptr;

  // Find bar: its hits counted a slice at a time by a timer, so that a long text never holds
  // up the window. The counter watches the view's rows: declared after the view, it goes first.
  platform::qt::FindBar* pnlFind = nullptr;
  std::unique_ptr<HitCounter> findHits_;
  QTimer* findCountTimer_ = nullptr;
  // Zoom: the font height of the settings while the view shows another size, never written;
  // parts of a wheel notch held for the next event.
  std::optional<int> configuredFontHeight_;
  int zoomWheelRest_ = 0;

  platform::qt::ImageList imgMain{16, 16};
  platform::qt::ImageList imgKitteList{24, 26};
};

}  // namespace quillet
