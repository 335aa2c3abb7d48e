// The main window's settings: the start-up steps that read them (wrap mode, text view, bars,
// window geometry, tool bar images), the commands that write them (wrap modes, bars, the host
// settings switch) and the geometry saved at close.
#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <exception>

#include "app/frm_main.h"
#include "app/host_view_import.h"
#include "app/resources.h"
#include "app/settings_location.h"
#include "app/view_settings.h"
#include "app/window_settings.h"
#include "platform/errors.h"
#include "platform/qt/application.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/panel.h"
#include "platform/qt/statusbar.h"
#include "platform/registry.h"

namespace quillet {
namespace {

// Gives a window the outer size asked for once the window system has framed it: before that
// its frame is unknown, so the window is given that size as its client size at first.
class FrameFit : public QObject {
 public:
  FrameFit(QWidget& window, QSize outer) : QObject(&window), window_(window), outer_(outer) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show && window_.windowHandle()) {
      window_.removeEventFilter(this);
      window_.windowHandle()->installEventFilter(this);
    } else if (watched == window_.windowHandle() && event->type() == QEvent::Expose &&
               window_.windowHandle()->isExposed()) {
      window_.windowHandle()->removeEventFilter(this);
      // Unless the window was maximised or resized meanwhile.
      if (!window_.isMaximized() && !window_.isFullScreen() && window_.size() == outer_) {
        window_.resize(outer_.shrunkBy(window_.windowHandle()->frameMargins()));
      }
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& window_;
  QSize outer_;
};

// Wayland tells no window where it is, and places windows itself.
bool WindowKnowsItsPlace() {
  return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

}  // namespace

platform::TIniFile TfrmMain::WritableSettings() const {
  PrepareSettingsFolder(settingsPath_);
  return platform::TIniFile(settingsPath_);
}

// Start-up step 6: the saved mode, applied by its command, which writes it back.
void TfrmMain::ApplyWrapModeSetting() {
  switch (ReadWrapMode(Settings())) {
    case 0:
      actTurnNoneExecute();
      break;
    case 1:
      actTurnColExecute();
      break;
    default:
      actTurnWinExecute();
  }
}

// Start-up step 7, and again at each toggle of the host settings switch.
void TfrmMain::ReadTextViewSettings() {
  const platform::TIniFile settings = Settings();
  ApplyTextViewSettings(settings, *txtMain);
  ForgetZoom();
  actViewCorvid->setChecked(settings.ReadBool("Option", "CV2Setting", true));
  // The host client's font and colours go on top; a value of the wrong type is reported once
  // the window shows what was applied.
  std::exception_ptr failure;
  if (actViewCorvid->isChecked()) {
    try {
      ImportHostViewSettings(platform::TRegistry::CurrentUser(), *txtMain);
    } catch (const platform::ERegistryException&) {
      failure = std::current_exception();
    }
  }
  const platform::TRgb back = txtMainWindow->ResolveColor(txtMain->Color());
  pnlBase->SetColor(QColor(back.R, back.G, back.B));
  // A new font or margin changes the columns that fit the window.
  if (wrapMode_ == 2) FitWrapWidth();
  if (failure) std::rethrow_exception(failure);
}

// Start-up step 8: bars, window geometry, tool bar images.
void TfrmMain::ApplyBarSettings() {
  const BarSettings bars = ReadBarSettings(Settings());
  for (auto [shown, action, bar] : {std::tuple{bars.toolbar, actViewToolbar, static_cast<QWidget*>(pnlToolbar)},
                                    std::tuple{bars.headerBar, actViewHeadbar, pndHead},
                                    std::tuple{bars.statusBar, actViewStabar, static_cast<QWidget*>(staMain)}}) {
    if (!shown) {
      action->setChecked(false);
      bar->hide();
    }
  }
}

void TfrmMain::ApplyWindowSettings() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen->geometry().size();
  const WindowPlacement placement =
      ReadWindowPlacement(Settings(), {screenSize.width(), screenSize.height()});
  if (placement.outerSize) {
    // No window is larger than the desktop: a larger one only costs its memory.
    const QSize desktop = screen->virtualSize();
    const QSize outer(std::clamp(placement.outerSize->width, 0, desktop.width()),
                      std::clamp(placement.outerSize->height, 0, desktop.height()));
    resize(outer);
    new FrameFit(*this, outer);
  }
  if (placement.position) move(placement.position->left, placement.position->top);
  if (placement.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::LoadToolbarImages() {
  const ToolbarImages images = ReadToolbarImages(Settings());
  imgMain.SetSize(images.size, images.size);
  pnlToolbar->setFixedHeight(images.size + 12);
  for (QToolBar* bar : {tbrMain0, tbrMain1, tbrMain2, tbrMain3}) {
    bar->setIconSize(QSize(images.size, images.size));
  }
  if (images.builtIn) {
    imgMain.AddMasked(resources::ToolbarStrip(), qRgb(0xFF, 0x00, 0xFF));
  } else if (!images.file.empty()) {
    imgMain.AddMasked(QImage(QString::fromLocal8Bit(images.file.c_str())), qRgb(0xFF, 0x00, 0xFF));
  }
}

void TfrmMain::SetWrapMode(int mode, QAction* action) {
  wrapMode_ = mode;
  action->setChecked(true);
  WritableSettings().WriteInteger("Editor", "WordWrap", mode);
}

void TfrmMain::actTurnNoneExecute() {
  txtMain->SetScrollBars(editor::ssBoth);
  txtMain->SetWordWrap(false);
  SetWrapMode(0, actTurnNone);
}

// The width is set before wrapping starts, so that the text is laid out once.
void TfrmMain::actTurnColExecute() {
  txtMain->SetScrollBars(editor::ssVertical);
  txtMain->WrapOption().SetWrapByte(ReadWrapByte(Settings()));
  txtMain->SetWordWrap(true);
  SetWrapMode(1, actTurnCol);
}

void TfrmMain::actTurnWinExecute() {
  txtMain->SetScrollBars(editor::ssVertical);
  FitWrapWidth();
  txtMain->SetWordWrap(true);
  SetWrapMode(2, actTurnWin);
}

// The columns that fit the view's client width; the character spacing, already part of a
// column's width, counts twice.
void TfrmMain::FitWrapWidth() {
  const int column = txtMain->ColWidth() + txtMain->Margin().Character();
  if (column <= 0) return;  // no window yet to measure
  txtMain->WrapOption().SetWrapByte(
      (txtMain->ClientRect().Width() - txtMain->Margin().Left()) / column);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // FormResize
  if (wrapMode_ == 2) platform::qt::Guard([this] { FitWrapWidth(); });
}

void TfrmMain::actViewToolbarExecute() {
  const bool shown = actViewToolbar->isChecked();
  pnlToolbar->setVisible(shown);
  WritableSettings().WriteBool("Bar", "Toolbar", shown);
}

void TfrmMain::actViewHeadbarExecute() {
  const bool shown = actViewHeadbar->isChecked();
  if (viewMode_ == ViewMode::Body) pndHead->setVisible(shown);
  WritableSettings().WriteBool("Bar", "HeaderBar", shown);
}

void TfrmMain::actViewStabarExecute() {
  const bool shown = actViewStabar->isChecked();
  staMain->setVisible(shown);
  WritableSettings().WriteBool("Bar", "StatusBar", shown);
}

void TfrmMain::actViewCorvidExecute() {
  WritableSettings().WriteBool("Option", "CV2Setting", actViewCorvid->isChecked());
  ReadTextViewSettings();
}

// FormCloseQuery: the outer frame is saved; the close goes on whatever the file says.
void TfrmMain::closeEvent(QCloseEvent* event) {
  platform::qt::Guard([this] {
    const QRect frame = frameGeometry();
    platform::TIniFile settings = WritableSettings();
    SaveWindowGeometry(settings, {frame.x(), frame.y(), frame.width(), frame.height(),
                                  isMaximized(), WindowKnowsItsPlace()});
  });
  event->accept();
}

}  // namespace quillet
