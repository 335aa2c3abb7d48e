#include "options/frm_options.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "options/color_button.h"
#include "options/preview.h"
#include "platform/colors.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "tests/support/scratch_dir.h"

namespace quillcfg {
namespace {

using platform::ReadFileBytes;

template <class W>
W* Find(QWidget& dialog, const char* name) {
  W* widget = dialog.findChild<W*>(QString::fromUtf8(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

QPushButton* Button(QWidget& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>()->button(which);
}

// The colour of the preview's pixels at the first row's first character cell's left edge.
QColor BackgroundPixel(TfrmOptions& dialog) {
  editor::TEditor& view = dialog.Preview().View();
  const QImage image = dialog.Preview().Window().grab().toImage();
  return image.pixelColor(view.Margin().Left() / 2, view.Margin().Top() + 2);
}

// A colour chosen through the dialog's own button shows in the preview and is the only byte
// change OK writes; the keys the viewer reads the same way stay as the file has them.
TEST(OptionsDialog, AColourChangedAndSavedWithOkChangesOnlyItsKey) {
  testsupport::ScratchDir dir;
  const std::string before = "; mine\n[Editor]\nColor=$FFFFFF\nWordWrap=1\n[Unknown]\nz=1\n";
  const std::string file = dir.Write("quillet.ini", before);
  TfrmOptions dialog(file);
  dialog.resize(800, 700);
  dialog.show();
  EXPECT_EQ(BackgroundPixel(dialog), QColor(255, 255, 255));
  EXPECT_FALSE(Button(dialog, QDialogButtonBox::Apply)->isEnabled());

  auto* background = Find<TColorButton>(dialog, "Editor/Color");
  background->SetColor(platform::clRed);
  EXPECT_EQ(BackgroundPixel(dialog), QColor(255, 0, 0));
  EXPECT_TRUE(Button(dialog, QDialogButtonBox::Apply)->isEnabled());
  EXPECT_EQ(ReadFileBytes(file), before);

  // Back to what the file holds: nothing to write for it.
  background->SetColor(0xFFFFFF);
  EXPECT_FALSE(dialog.Model().Modified());
  background->SetColor(platform::clRed);
  Find<QWidget>(dialog, "Editor\\Colors/UrlStyle")->findChild<QCheckBox*>("8")->setChecked(false);
  Button(dialog, QDialogButtonBox::Ok)->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(ReadFileBytes(file),
            "; mine\n[Editor]\nColor=255\nWordWrap=1\n[Unknown]\nz=1\n[Editor\\Colors]\nUrlStyle=0\n");
}

TEST(OptionsDialog, ShortCutsAreCheckedAsTheViewerReadsThem) {
  testsupport::ScratchDir dir;
  const std::string file = dir.Write("quillet.ini", "[Key\\Help]\nTopic=ctrl+r\n");
  TfrmOptions dialog(file);
  auto* warning = Find<QLabel>(dialog, "lblShortCutWarning");
  EXPECT_NE(warning->text().indexOf(QStringLiteral("メッセージを返信")), -1) << warning->text().toStdString();

  auto* reply = Find<QLineEdit>(dialog, "Key\\File/Reply");
  EXPECT_EQ(reply->text(), QStringLiteral("Ctrl+R"));
  reply->setText(QStringLiteral("Ctrl+Bogus"));
  emit reply->textEdited(reply->text());
  EXPECT_NE(warning->text().indexOf(QStringLiteral("認識できない")), -1);
  EXPECT_EQ(warning->text().indexOf(QStringLiteral("重なる")), -1);

  // A refused write is reported and keeps the dialog and its changes.
  chmod(file.c_str(), 0444);
  std::string reported;
  platform::qt::Application::SetExceptionHandler([&](const std::exception& e) { reported = e.what(); });
  EXPECT_FALSE(dialog.ApplyChanges());
  platform::qt::Application::SetExceptionHandler({});
  EXPECT_EQ(reported, file + " に書き込めません");
  EXPECT_TRUE(dialog.Model().Modified());
  EXPECT_EQ(ReadFileBytes(file), "[Key\\Help]\nTopic=ctrl+r\n");
}

}  // namespace
}  // namespace quillcfg
