#pragma once
// The about box: the program's description, version, notice and the maker's addresses, read
// at run time from an executable's version information, with a link to the maker's site.

#include <QDialog>
#include <QPoint>

#include <functional>
#include <string>
#include <string_view>

#include "platform/paths.h"
#include "platform/shell.h"

class QLabel;
class QMenu;

namespace quillet {

// Hands a URL (CP932) to the desktop as a URL, never as a program to start.
using UrlOpener = std::function<bool(std::string_view url)>;

class TfrmVer : public QDialog {
 public:
  // The box for the version information of `exeFile`; the title and the two addresses are
  // drawn in the font family `mainFontName`; the link goes to `openUrl`.
  explicit TfrmVer(const QString& mainFontName, QWidget* parent = nullptr,
                   const std::string& exeFile = platform::ExePath(),
                   UrlOpener openUrl = platform::ShellOpenUrl);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateComponents();
  void FormCreate(const QString& mainFontName, const std::string& exeFile);
  // Opens the web address and closes the box.
  void lblHttpClick();
  void imgBannerMouseDown();
  void imgBannerMouseUp();
  void mnuOpenClick();

  UrlOpener openUrl_;
  // Where the banner rests when it is not pressed.
  QPoint bannerHome_;

  QLabel* imgIcon = nullptr;
  QLabel* lblTitle = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblCopy = nullptr;
  QLabel* lblEmail = nullptr;
  QLabel* lblHttp = nullptr;
  QWidget* pnlName = nullptr;
  QLabel* imgBanner = nullptr;
  QMenu* pupVer = nullptr;
};

// The main window's about command: the box centred over `mainWindow` in its font family,
// shown modally and destroyed when it closes.
void ShowAboutBox(QWidget* mainWindow);

}  // namespace quillet
