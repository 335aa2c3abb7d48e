#include "options/color_button.h"

#include <QColorDialog>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "platform/qt/application.h"

namespace quillcfg {
namespace {

struct NamedColor {
  platform::TColor color;
  const char* name;
};

constexpr NamedColor kSystemColors[] = {
    {platform::clWindow, "ウィンドウの背景"},
    {platform::clWindowText, "ウィンドウの文字"},
    {platform::clHighlight, "選択範囲の背景"},
    {platform::clHighlightText, "選択範囲の文字"},
};

constexpr NamedColor kBasicColors[] = {
    {platform::clBlack, "黒"},   {platform::clMaroon, "えび茶"}, {platform::clGreen, "緑"},
    {platform::clOlive, "オリーブ"}, {platform::clNavy, "紺"}, {platform::clPurple, "紫"},
    {platform::clTeal, "青緑"},  {platform::clGray, "灰色"},   {platform::clSilver, "銀"},
    {platform::clRed, "赤"},     {platform::clLime, "ライム"}, {platform::clYellow, "黄"},
    {platform::clBlue, "青"},    {platform::clFuchsia, "赤紫"}, {platform::clAqua, "水色"},
    {platform::clWhite, "白"},
};

QIcon Swatch(const QColor& color) {
  QPixmap pixmap(28, 14);
  pixmap.fill(color);
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
  return QIcon(pixmap);
}

// 0x00BBGGRR and Qt's colours.
platform::TColor FromQColor(const QColor& color) {
  return static_cast<platform::TColor>(color.red() | color.green() << 8 | color.blue() << 16);
}

}  // namespace

QString ColorName(platform::TColor color, const QColor& resolved) {
  for (const NamedColor& each : kSystemColors) {
    if (each.color == color) return QString::fromUtf8(each.name);
  }
  return resolved.name();
}

TColorButton::TColorButton(std::function<QColor(platform::TColor)> resolve, QWidget* parent)
    : QToolButton(parent), resolve_(std::move(resolve)) {
  setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  setPopupMode(QToolButton::MenuButtonPopup);
  setMinimumWidth(150);
  auto* menu = new QMenu(this);
  auto add = [this, menu](const NamedColor& each) {
    QAction* action = menu->addAction(Swatch(resolve_(each.color)), QString::fromUtf8(each.name));
    connect(action, &QAction::triggered, this,
            [this, color = each.color] { platform::qt::Guard([&] { SetColor(color); }); });
  };
  for (const NamedColor& each : kSystemColors) add(each);
  menu->addSeparator();
  for (const NamedColor& each : kBasicColors) add(each);
  menu->addSeparator();
  connect(menu->addAction(QStringLiteral("その他の色(&O)...")), &QAction::triggered, this,
          [this] { platform::qt::Guard([this] { Choose(); }); });
  setMenu(menu);
  connect(this, &QToolButton::clicked, this, [this] { platform::qt::Guard([this] { Choose(); }); });
}

void TColorButton::SetColor(platform::TColor color) {
  const bool changed = color != color_;
  color_ = color;
  Refresh();
  if (changed) emit ColorChanged(color);
}

void TColorButton::Refresh() {
  const QColor shown = resolve_(color_);
  setIcon(Swatch(shown));
  setText(ColorName(color_, shown));
}

void TColorButton::Choose() {
  const QColor chosen = QColorDialog::getColor(resolve_(color_), this, QStringLiteral("色の選択"));
  if (chosen.isValid()) SetColor(FromQColor(chosen));
}

}  // namespace quillcfg
