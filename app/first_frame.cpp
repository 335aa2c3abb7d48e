#include "app/first_frame.h"

#include <QApplication>
#include <QPixmap>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace quillet {
namespace {

// Set, the view's place is printed on standard error at the first frame and the program goes
// on: "quillet-view window X Y global X Y size W H", X Y within the top-level window and on
// the screen. End-to-end tests aim the pointer with it.
constexpr char kDescribeViewVariable[] = "QUILLET_DESCRIBE_VIEW";

bool QuitAfterFirstFrame() {
  return std::getenv(kFirstFrameVariable) != nullptr || std::getenv(kScreenshotVariable) != nullptr;
}

// The resident set's high-water mark in KiB, from the kernel's account of this process.
long PeakRssKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

class FirstPaintWatcher : public QObject {
 public:
  FirstPaintWatcher(QApplication& app, std::chrono::steady_clock::time_point start)
      : QObject(&app), app_(app), start_(start) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      view_ = static_cast<QWidget*>(watched);
      watched->removeEventFilter(this);
      // Reported once this paint has been handled and handed to the screen.
      QTimer::singleShot(0, &app_, [this] {
        const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - start_);
        if (std::getenv(kFirstFrameVariable) != nullptr) {
          std::printf("first-frame-ms %.1f peak-rss-kb %ld\n", elapsed.count() / 1000.0,
                      PeakRssKb());
          std::fflush(stdout);
        }
        if (const char* file = std::getenv(kScreenshotVariable)) {
          view_->window()->grab().save(QString::fromLocal8Bit(file), "PNG");
        }
        if (std::getenv(kDescribeViewVariable) != nullptr) {
          const QPoint inWindow = view_->mapTo(view_->window(), QPoint(0, 0));
          const QPoint global = view_->mapToGlobal(QPoint(0, 0));
          std::fprintf(stderr, "quillet-view window %d %d global %d %d size %d %d\n",
                       inWindow.x(), inWindow.y(), global.x(), global.y(), view_->width(),
                       view_->height());
          std::fflush(stderr);
        }
        if (QuitAfterFirstFrame()) app_.quit();
      });
    }
    return false;
  }

 private:
  QApplication& app_;
  std::chrono::steady_clock::time_point start_;
  bool seen_ = false;
  QWidget* view_ = nullptr;
};

}  // namespace

bool FirstFrameRequested() {
  return QuitAfterFirstFrame() || std::getenv(kDescribeViewVariable) != nullptr;
}

void ReportFirstFrame(QApplication& app, QWidget& view, std::chrono::steady_clock::time_point start) {
  view.installEventFilter(new FirstPaintWatcher(app, start));
}

}  // namespace quillet
