#pragma once
// Framed container and edge lines with the classic desktop look: a panel with an outer and an
// inner bevel and an optional single-line border, and a bevel drawn as a line.

#include <QWidget>

namespace platform::qt {

enum class BevelCut { None, Lowered, Raised };

class Panel : public QWidget {
 public:
  explicit Panel(QWidget* parent = nullptr);

  // Each bevel is one pixel wide, the border one black pixel outside them. The panel's
  // content margins follow, so a child laid out to fill it stays inside the frame.
  void SetFrame(BevelCut outer, BevelCut inner, bool singleBorder);
  BevelCut BevelOuter() const { return outer_; }
  BevelCut BevelInner() const { return inner_; }
  bool SingleBorder() const { return border_; }

  // Fills the panel with `color` (the window colour for the base panel).
  void SetColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BevelCut outer_ = BevelCut::None;
  BevelCut inner_ = BevelCut::None;
  bool border_ = false;
};

// A lowered line along the top of its rectangle, two pixels high (shadow over highlight).
class TopEdgeLine : public QWidget {
 public:
  explicit TopEdgeLine(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// Draws one bevel ring of `rect` in the palette's shadow and light colours.
void DrawBevel(QPainter& painter, const QRect& rect, BevelCut cut, const QPalette& palette);

}  // namespace platform::qt
