// The about box: its layout and the strings of an executable's version information, the link
// handed to the URL opener, the banner's press effect, the copy menu and the main window's
// command that shows the box.
#include "app/frm_ver.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "app/frm_main.h"
#include "platform/cp932.h"
#include "platform/version_info.h"
#include "tests/support/elf_image.h"
#include "tests/support/scratch_dir.h"

namespace quillet {
namespace {

const std::string kTranslation("\x11\x04\xA4\x03", 4);

std::string StringPath(const char* name) { return platform::VersionStringPath(0x0411, 0x03A4, name); }

class AboutBox : public ::testing::Test {
 protected:
  // An executable whose version block holds `records`.
  std::string Executable(const std::vector<platform::TVersionRecord>& records) {
    const std::string block = platform::EncodeVersionBlock(records);
    return dir_.Write("exe" + std::to_string(++files_),
                      testsupport::ElfImage({{".text", "code"}, {platform::kVersionSection, block}}).Bytes());
  }
  std::string Executable(const std::string& comments, const std::string& company) {
    return Executable({{platform::kTranslationPath, kTranslation},
                       {StringPath("FileDescription"), "Quillet for Corvid! ver.2"},
                       {StringPath("ProductVersion"), "1.2.3"},
                       {StringPath("LegalCopyright"), platform::cp932::FromUtf8("著作権 (C) 作者")},
                       {StringPath("Comments"), comments},
                       {StringPath("CompanyName"), company}});
  }
  std::unique_ptr<TfrmVer> Open(const std::string& file) {
    return std::make_unique<TfrmVer>(QStringLiteral("IPAGothic"), nullptr, file,
                                     [this](std::string_view url) {
                                       opened_.emplace_back(url);
                                       return true;
                                     });
  }
  static QLabel* Label(const QWidget& box, const char* name) { return box.findChild<QLabel*>(name); }
  static QStringList Texts(const QWidget& box) {
    QStringList texts;
    for (const char* name : {"lblTitle", "lblVersion", "lblCopy", "lblEmail", "lblHttp"}) {
      texts << Label(box, name)->text();
    }
    return texts;
  }
  static void Mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at = {2, 2}) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }

  testsupport::ScratchDir dir_;
  int files_ = 0;
  std::vector<std::string> opened_;
};

TEST_F(AboutBox, ComponentsSitWhereDesignedAndShowTheVersionStrings) {
  auto box = Open(Executable("mailto:quillet@example.org", "https://quillet.example.org/"));
  EXPECT_EQ(box->windowTitle(), QStringLiteral("バージョン情報"));
  EXPECT_EQ(box->size(), QSize(338, 154));
  EXPECT_EQ(box->font().pixelSize(), 12);
  EXPECT_EQ(Texts(*box), (QStringList{"Quillet for Corvid! ver.2", "Version 1.2.3", "著作権 (C) 作者",
                                      "mailto:quillet@example.org", "https://quillet.example.org/"}));
  const struct {
    const char* name;
    QRect geometry;
  } fixed[] = {{"pnlIcon", {8, 8, 37, 36}}, {"imgIcon", {4, 2, 32, 32}}, {"cmdOK", {254, 6, 80, 21}},
               {"bvlVer", {8, 81, 324, 2}}, {"pnlName", {8, 92, 324, 54}},
               // Centred in its panel: 324 / 2 - 88 / 2, 54 / 2 - 31 / 2.
               {"imgBanner", {118, 12, 88, 31}}};
  for (const auto& each : fixed) {
    QWidget* widget = box->findChild<QWidget*>(each.name);
    ASSERT_NE(widget, nullptr) << each.name;
    EXPECT_EQ(widget->geometry(), each.geometry) << each.name;
  }
  for (auto [name, at] : {std::pair{"lblTitle", QPoint(54, 10)}, std::pair{"lblVersion", QPoint(54, 24)},
                          std::pair{"lblCopy", QPoint(8, 48)}, std::pair{"lblEmail", QPoint(8, 64)}}) {
    EXPECT_EQ(Label(*box, name)->pos(), at) << name;
  }
  EXPECT_FALSE(Label(*box, "imgIcon")->pixmap().isNull());
  EXPECT_FALSE(Label(*box, "imgBanner")->pixmap().isNull());
  EXPECT_TRUE(box->findChild<QPushButton*>("cmdOK")->isDefault());

  QLabel* http = Label(*box, "lblHttp");
  EXPECT_TRUE(http->font().bold());
  EXPECT_TRUE(Label(*box, "lblTitle")->font().bold());
  EXPECT_FALSE(Label(*box, "lblEmail")->font().bold());
  EXPECT_EQ(http->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  for (const char* name : {"lblTitle", "lblEmail", "lblHttp"}) {
    EXPECT_EQ(Label(*box, name)->font().family(), QStringLiteral("IPAGothic")) << name;
  }
  EXPECT_TRUE(http->toolTip().contains("https://quillet.example.org/"));
  EXPECT_EQ(Label(*box, "imgBanner")->toolTip(), http->toolTip());
}

TEST_F(AboutBox, TheWebAddressFollowsTheMailAddressTwelvePixelsToItsRight) {
  for (const std::string& mail : {std::string("mailto:a@b"), "mailto:" + std::string(60, 'x') + "@example.org"}) {
    auto box = Open(Executable(mail, "https://x/"));
    const QLabel* email = Label(*box, "lblEmail");
    EXPECT_GT(email->width(), 0);
    EXPECT_EQ(Label(*box, "lblHttp")->pos(), QPoint(8 + email->width() + 12, 64)) << mail;
  }
}

TEST_F(AboutBox, MissingInformationLeavesEmptyLabelsAndNoTranslationSaysUnKnown) {
  const QStringList empty{"", "Version ", "", "", ""};
  EXPECT_EQ(Texts(*Open(dir_.Write("text", "not an executable"))), empty);
  EXPECT_EQ(Texts(*Open(dir_.Path() + "/missing")), empty);
  EXPECT_EQ(Texts(*Open(dir_.Write("plain", testsupport::ElfImage({{".text", "code"}}).Bytes()))), empty);
  const QStringList unknown{"UnKnown", "Version UnKnown", "UnKnown", "UnKnown", "UnKnown"};
  EXPECT_EQ(Texts(*Open(Executable({{StringPath("CompanyName"), "https://x/"}}))), unknown);

  // Without an address the link opens nothing, and the box still closes.
  auto box = Open(dir_.Path() + "/missing");
  box->show();
  Mouse(Label(*box, "lblHttp"), QEvent::MouseButtonRelease, Qt::LeftButton, {0, 0});
  EXPECT_FALSE(box->isVisible());
}

TEST_F(AboutBox, ALeftClickOnTheAddressOrTheBannerOpensItAndClosesTheBox) {
  const std::string file = Executable("mailto:a@b", "https://quillet.example.org/");
  auto box = Open(file);
  box->show();
  QLabel* http = Label(*box, "lblHttp");
  Mouse(http, QEvent::MouseButtonPress, Qt::RightButton);
  Mouse(http, QEvent::MouseButtonRelease, Qt::RightButton);
  Mouse(http, QEvent::MouseButtonPress, Qt::LeftButton);
  Mouse(http, QEvent::MouseButtonRelease, Qt::LeftButton, {-5, 2});  // let go outside
  EXPECT_TRUE(opened_.empty());
  EXPECT_TRUE(box->isVisible());
  Mouse(http, QEvent::MouseButtonPress, Qt::LeftButton);
  Mouse(http, QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_EQ(opened_, std::vector<std::string>{"https://quillet.example.org/"});
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(box->result(), QDialog::Accepted);

  // The banner sinks by a pixel while pressed, by one button or two, and comes back.
  box = Open(file);
  box->show();
  QLabel* banner = Label(*box, "imgBanner");
  Mouse(banner, QEvent::MouseButtonPress, Qt::LeftButton);
  EXPECT_EQ(banner->pos(), QPoint(119, 13));
  Mouse(banner, QEvent::MouseButtonPress, Qt::RightButton);
  EXPECT_EQ(banner->pos(), QPoint(119, 13));
  Mouse(banner, QEvent::MouseButtonRelease, Qt::RightButton);
  EXPECT_EQ(banner->pos(), QPoint(118, 12));
  EXPECT_TRUE(box->isVisible());
  Mouse(banner, QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_EQ(banner->pos(), QPoint(118, 12));
  EXPECT_EQ(opened_.size(), 2u);
  EXPECT_EQ(opened_.back(), "https://quillet.example.org/");
  EXPECT_FALSE(box->isVisible());
}

TEST_F(AboutBox, TheMenuOfTheAddressCopiesItAsText) {
  auto box = Open(Executable("mailto:a@b", platform::cp932::FromUtf8("https://例え.jp/")));
  auto* menu = box->findChild<QMenu*>("pupVer");
  ASSERT_NE(menu, nullptr);
  QStringList items;
  for (QAction* action : menu->actions()) items << action->objectName() + "=" + action->text();
  EXPECT_EQ(items, (QStringList{"mnuOpen=コピー(&C)", "mnuSp0=", "mnuCancel=キャンセル(&A)"}));
  EXPECT_EQ(menu->actions()[0]->statusTip(), QStringLiteral("アドレスをクリップボードにコピーします。"));
  EXPECT_EQ(Label(*box, "lblHttp")->contextMenuPolicy(), Qt::CustomContextMenu);

  QApplication::clipboard()->setText("before");
  menu->actions()[2]->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "before");
  menu->actions()[0]->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("https://例え.jp/"));
  EXPECT_TRUE(opened_.empty());
}

TEST_F(AboutBox, TheMainWindowsCommandCentresTheBoxInItsFontAndDestroysIt) {
  const std::string message = dir_.Write("m.eml", "Subject: s\r\n\r\nbody\r\n");
  TfrmMain main({"quillet", message}, dir_.Path() + "/quillet.ini");
  main.setGeometry(100, 50, 600, 400);
  QFont font = main.font();
  font.setFamily("IPAGothic");
  main.setFont(font);
  main.show();
  QPoint seen;
  QSize size;
  QString family;
  QPointer<QWidget> shown;
  bool opened = false;
  QTimer::singleShot(0, [&] {
    shown = QApplication::activeModalWidget();
    opened = shown != nullptr;
    if (!opened) return;
    // The box's frame is placed; its size is known before it is framed.
    seen = shown->frameGeometry().topLeft();
    size = shown->size();
    family = shown->font().family();
    static_cast<QDialog*>(shown.data())->reject();
  });
  main.findChild<QAction*>("actHelpVer")->trigger();
  ASSERT_TRUE(opened);
  EXPECT_TRUE(shown.isNull());  // destroyed once closed
  const QRect frame = main.frameGeometry();
  EXPECT_EQ(seen, QPoint(frame.left() + frame.width() / 2 - 169, frame.top() + frame.height() / 2 - 77));
  EXPECT_EQ(size, QSize(338, 154));
  EXPECT_EQ(family, QStringLiteral("IPAGothic"));
}

}  // namespace
}  // namespace quillet
