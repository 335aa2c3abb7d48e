#include "platform/qt/statusbar.h"

#include <QPainter>
#include <QSizeGrip>

#include "platform/qt/application.h"

namespace platform::qt {

StatusBar::StatusBar(QWidget* parent) : QWidget(parent), grip_(new QSizeGrip(this)) {}

void StatusBar::AddPanel(const StatusPanel& panel) {
  panels_.push_back(panel);
  update();
}

void StatusBar::SetPanelText(int index, const QString& text) {
  panels_.at(static_cast<size_t>(index)).text = text;
  update();
}

void StatusBar::SetPanelWidth(int index, int width) {
  panels_.at(static_cast<size_t>(index)).width = width;
  update();
}

void StatusBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  int x = 0;
  for (const StatusPanel& panel : panels_) {
    // Panels sit two pixels below the bar's top edge, with a two-pixel gap between them.
    QRect cell(x, 2, panel.width - 2, height() - 2);
    DrawBevel(painter, cell.adjusted(0, 0, -1, -1), panel.bevel, palette());
    painter.setPen(palette().color(QPalette::WindowText));
    // Left-aligned text keeps a small indent; centred text may use the whole cell, as fixed
    // texts such as the caret position are measured to just fit their panel.
    bool centred = panel.alignment & Qt::AlignHCenter;
    QRect textRect = centred ? cell : cell.adjusted(3, 0, -2, 0);
    int flags = int(panel.alignment | Qt::AlignVCenter) | (centred ? Qt::TextDontClip : 0);
    painter.drawText(textRect, flags, panel.text);
    x += panel.width;
  }
}

void StatusBar::resizeEvent(QResizeEvent*) {
  QSize size = grip_->sizeHint().boundedTo(QSize(height(), height()));
  grip_->setGeometry(width() - size.width(), height() - size.height(), size.width(), size.height());
  if (onResize_) Guard(onResize_);
}

}  // namespace platform::qt
