#pragma once
// Start-up timing on request: with the environment variable QUILLET_FIRST_FRAME set, the
// program prints how long it took from the start of main to the first frame the text view
// painted on screen, and its peak memory, then quits. Benchmarks run it on large messages.

#include <chrono>

class QApplication;
class QWidget;

namespace quillet {

inline constexpr char kFirstFrameVariable[] = "QUILLET_FIRST_FRAME";

// True when the variable asks for the timing.
bool FirstFrameRequested();

// Watches `view` for its first paint; then prints "first-frame-ms N peak-rss-kb M" on standard
// output and quits `app`.
void ReportFirstFrame(QApplication& app, QWidget& view, std::chrono::steady_clock::time_point start);

}  // namespace quillet
