#pragma once
// Start-up reports on request. With the environment variable QUILLET_FIRST_FRAME set, the
// program prints how long it took from the start of main to the first frame the text view
// painted on screen, and its peak memory, then quits; benchmarks run it on large messages.
// With QUILLET_SCREENSHOT=FILE it saves a picture of the window as FILE (PNG) at that moment
// and quits; the README's screenshot is made so.

#include <chrono>

class QApplication;
class QWidget;

namespace quillet {

inline constexpr char kFirstFrameVariable[] = "QUILLET_FIRST_FRAME";
inline constexpr char kScreenshotVariable[] = "QUILLET_SCREENSHOT";

// True when a variable asks for a report.
bool FirstFrameRequested();

// Watches `view` for its first paint; then reports as the variables ask (timing: the line
// "first-frame-ms N peak-rss-kb M" on standard output) and quits `app`.
void ReportFirstFrame(QApplication& app, QWidget& view, std::chrono::steady_clock::time_point start);

}  // namespace quillet
