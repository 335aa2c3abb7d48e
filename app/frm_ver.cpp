#include "app/frm_ver.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "app/resources.h"
#include "platform/qt/application.h"
#include "platform/qt/clipboard.h"
#include "platform/qt/cursors.h"
#include "platform/qt/panel.h"
#include "platform/qt/text.h"
#include "platform/version_info.h"

namespace quillet {
namespace {

// The application cursor number of the hand shown over links.
constexpr platform::TCursor kPointCursor = 9;
// Gap between the mail address and the web address to its right.
constexpr int kAddressGap = 12;

QLabel* NewLabel(QWidget* parent, const char* name, int left, int top) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  // Version strings are shown as they are, never as markup.
  label->setTextFormat(Qt::PlainText);
  label->move(left, top);
  return label;
}

void SetText(QLabel* label, const std::string& cp932) {
  label->setText(platform::qt::ToQString(cp932));
  label->adjustSize();
}

void SetFontFamily(QLabel* label, const QString& family) {
  QFont font = label->font();
  font.setFamily(family);
  label->setFont(font);
}

void SetBold(QLabel* label) {
  QFont font;
  font.setBold(true);
  label->setFont(font);
}

}  // namespace

TfrmVer::TfrmVer(const QString& mainFontName, QWidget* parent, const std::string& exeFile,
                 UrlOpener openUrl)
    : QDialog(parent), openUrl_(std::move(openUrl)) {
  CreateComponents();
  platform::qt::Guard([&] { FormCreate(mainFontName, exeFile); });
}

void TfrmVer::CreateComponents() {
  setObjectName("frmVer");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("バージョン情報"));
  setFixedSize(338, 154);
  QFont font(QStringLiteral("MS UI Gothic"));
  font.setPixelSize(12);
  setFont(font);

  auto* pnlIcon = new platform::qt::Panel(this);
  pnlIcon->setObjectName("pnlIcon");
  pnlIcon->setGeometry(8, 8, 37, 36);
  pnlIcon->SetFrame(platform::qt::BevelCut::Lowered, platform::qt::BevelCut::None, false);
  pnlIcon->SetColor(Qt::white);
  imgIcon = NewLabel(pnlIcon, "imgIcon", 4, 2);
  imgIcon->resize(32, 32);

  lblTitle = NewLabel(this, "lblTitle", 54, 10);
  SetBold(lblTitle);
  lblVersion = NewLabel(this, "lblVersion", 54, 24);

  auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setGeometry(254, 6, 80, 21);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  lblCopy = NewLabel(this, "lblCopy", 8, 48);
  lblEmail = NewLabel(this, "lblEmail", 8, 64);
  lblHttp = NewLabel(this, "lblHttp", 8, 64);
  SetBold(lblHttp);
  QPalette blue = lblHttp->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  lblHttp->setPalette(blue);
  lblHttp->setCursor(platform::qt::CursorFor(kPointCursor));
  lblHttp->setContextMenuPolicy(Qt::CustomContextMenu);
  lblHttp->installEventFilter(this);

  auto* bvlVer = new platform::qt::TopEdgeLine(this);
  bvlVer->setObjectName("bvlVer");
  bvlVer->setGeometry(8, 81, 324, 2);

  auto* panel = new platform::qt::Panel(this);
  panel->setObjectName("pnlName");
  panel->setGeometry(8, 92, 324, 54);
  panel->SetFrame(platform::qt::BevelCut::Lowered, platform::qt::BevelCut::None, false);
  panel->SetColor(palette().color(QPalette::Base));
  pnlName = panel;
  imgBanner = NewLabel(pnlName, "imgBanner", 0, 0);
  imgBanner->setCursor(platform::qt::CursorFor(kPointCursor));
  imgBanner->installEventFilter(this);

  pupVer = new QMenu(this);
  pupVer->setObjectName("pupVer");
  QAction* mnuOpen = pupVer->addAction(QStringLiteral("コピー(&C)"));
  mnuOpen->setObjectName("mnuOpen");
  mnuOpen->setStatusTip(QStringLiteral("アドレスをクリップボードにコピーします。"));
  connect(mnuOpen, &QAction::triggered, this, [this] { platform::qt::Guard([this] { mnuOpenClick(); }); });
  pupVer->addSeparator()->setObjectName("mnuSp0");
  pupVer->addAction(QStringLiteral("キャンセル(&A)"))->setObjectName("mnuCancel");
  connect(lblHttp, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { pupVer->popup(lblHttp->mapToGlobal(at)); });
}

void TfrmVer::FormCreate(const QString& mainFontName, const std::string& exeFile) {
  // 1. The application's icon.
  imgIcon->setPixmap(resources::ApplicationIcon().pixmap(32, 32));
  // 2. The main window's font family; size, weight and colour stay as designed.
  for (QLabel* label : {lblTitle, lblEmail, lblHttp}) SetFontFamily(label, mainFontName);
  // 3. The strings, all from one reading of the file.
  const auto info = platform::TVersionInfo::FromFile(exeFile);
  SetText(lblTitle, platform::VersionString(info, "FileDescription"));
  SetText(lblVersion, "Version " + platform::VersionString(info, "ProductVersion"));
  SetText(lblCopy, platform::VersionString(info, "LegalCopyright"));
  SetText(lblEmail, platform::VersionString(info, "Comments"));
  // 4. The web address right of the mail address, however long that is.
  lblHttp->move(lblEmail->x() + lblEmail->width() + kAddressGap, lblHttp->y());
  SetText(lblHttp, platform::VersionString(info, "CompanyName"));
  const QString hint = QStringLiteral("クリックすると作者のサイト %1 へジャンプします。").arg(lblHttp->text());
  lblHttp->setToolTip(hint);
  imgBanner->setToolTip(hint);
  // 5. The banner in the middle of its panel.
  const QPixmap banner = resources::Banner();
  imgBanner->setPixmap(banner);
  imgBanner->resize(banner.size());
  bannerHome_ = QPoint(pnlName->width() / 2 - banner.width() / 2,
                       pnlName->height() / 2 - banner.height() / 2);
  imgBanner->move(bannerHome_);
}

bool TfrmVer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
    return QDialog::eventFilter(watched, event);
  }
  auto* widget = static_cast<QWidget*>(watched);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  platform::qt::Guard([&] {
    if (widget == imgBanner) {
      if (type == QEvent::MouseButtonPress) imgBannerMouseDown();
      else imgBannerMouseUp();
    }
    // A click: the left button let go over the control it went down on.
    if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
        widget->rect().contains(mouse->position().toPoint())) {
      lblHttpClick();
    }
  });
  return false;
}

void TfrmVer::lblHttpClick() {
  // A refused or failed open is not reported; an empty address opens nothing.
  openUrl_(platform::qt::FromQString(lblHttp->text()));
  accept();
}

void TfrmVer::imgBannerMouseDown() { imgBanner->move(bannerHome_ + QPoint(1, 1)); }

// Back to where it rests, not one pixel back: two buttons pressed together move it only once.
void TfrmVer::imgBannerMouseUp() { imgBanner->move(bannerHome_); }

void TfrmVer::mnuOpenClick() {
  platform::qt::QtClipboard().SetText(platform::qt::FromQString(lblHttp->text()), false);
}

void ShowAboutBox(QWidget* mainWindow) {
  const QString family = mainWindow->font().family();
  TfrmVer box(family, mainWindow);
  const QRect main = mainWindow->frameGeometry();
  box.move(main.left() + main.width() / 2 - box.width() / 2,
           main.top() + main.height() / 2 - box.height() / 2);
  QFont font = box.font();
  font.setFamily(family);
  box.setFont(font);
  box.exec();
}

}  // namespace quillet
