#pragma once
// A status bar of fixed-width panels, each with its own bevel, alignment and text; the last
// panel's area holds the window's size grip.

#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "platform/qt/panel.h"

class QSizeGrip;

namespace platform::qt {

struct StatusPanel {
  int width = 50;
  BevelCut bevel = BevelCut::Lowered;
  Qt::Alignment alignment = Qt::AlignLeft;
  QString text;
};

class StatusBar : public QWidget {
 public:
  explicit StatusBar(QWidget* parent = nullptr);

  void AddPanel(const StatusPanel& panel);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const StatusPanel& Panel(int index) const { return panels_.at(static_cast<size_t>(index)); }
  void SetPanelText(int index, const QString& text);
  void SetPanelWidth(int index, int width);

  // Called after every resize (the owner stretches a panel there).
  void SetOnResize(std::function<void()> handler) { onResize_ = std::move(handler); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::vector<StatusPanel> panels_;
  std::function<void()> onResize_;
  QSizeGrip* grip_;
};

}  // namespace platform::qt
