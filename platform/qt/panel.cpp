#include "platform/qt/panel.h"

#include <QPainter>

namespace platform::qt {

void DrawBevel(QPainter& painter, const QRect& rect, BevelCut cut, const QPalette& palette) {
  if (cut == BevelCut::None) return;
  QColor topLeft = palette.color(cut == BevelCut::Raised ? QPalette::Light : QPalette::Dark);
  QColor bottomRight = palette.color(cut == BevelCut::Raised ? QPalette::Dark : QPalette::Light);
  painter.setPen(topLeft);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
}

Panel::Panel(QWidget* parent) : QWidget(parent) {}

void Panel::SetFrame(BevelCut outer, BevelCut inner, bool singleBorder) {
  outer_ = outer;
  inner_ = inner;
  border_ = singleBorder;
  int width = (border_ ? 1 : 0) + (outer_ != BevelCut::None ? 1 : 0) +
              (inner_ != BevelCut::None ? 1 : 0);
  setContentsMargins(width, width, width, width);
  update();
}

void Panel::SetColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect r = rect().adjusted(0, 0, -1, -1);
  if (border_) {
    painter.setPen(Qt::black);
    painter.drawRect(r);
    r.adjust(1, 1, -1, -1);
  }
  if (outer_ != BevelCut::None) {
    DrawBevel(painter, r, outer_, palette());
    r.adjust(1, 1, -1, -1);
  }
  DrawBevel(painter, r, inner_, palette());
}

TopEdgeLine::TopEdgeLine(QWidget* parent) : QWidget(parent) { setFixedHeight(2); }

void TopEdgeLine::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(0, 0, width() - 1, 0);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(0, 1, width() - 1, 1);
}

}  // namespace platform::qt
