#pragma once
// A button that picks one colour in the platform's form: a plain colour from the colour
// dialog or a few basic ones, or one of the system colours the view resolves when it draws.

#include <QToolButton>

#include <functional>

#include "platform/colors.h"

namespace quillcfg {

class TColorButton : public QToolButton {
  Q_OBJECT
 public:
  // `resolve` gives the colour a value is drawn in, for the swatch.
  TColorButton(std::function<QColor(platform::TColor)> resolve, QWidget* parent = nullptr);

  platform::TColor Color() const { return color_; }
  // Shows `color`; emits ColorChanged when it differs from the one shown.
  void SetColor(platform::TColor color);
  // Draws the swatch again, for when what the system colours resolve to may have changed.
  void Refresh();

 signals:
  void ColorChanged(platform::TColor color);

 private:
  void Choose();

  std::function<QColor(platform::TColor)> resolve_;
  platform::TColor color_ = platform::clNone;
};

// The colour's name as the dialog shows it: a system colour's Japanese name, else "#rrggbb".
QString ColorName(platform::TColor color, const QColor& resolved);

}  // namespace quillcfg
