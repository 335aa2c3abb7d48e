#pragma once
// A window for the text view without a display: it records what the view asks of it (invalid
// rectangles, pixel shifts, scroll bars, caret calls) and paints into a recording canvas, so
// that metrics, scrolling and painting are tested as plain C++. Fonts are fixed-pitch with
// settable metrics: 8 x 16 pixels unless a test says otherwise.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/editor_window.h"

namespace editor::testing {

// One drawing call, as the canvas received it.
struct CanvasCall {
  enum Kind { Fill, Line, Pixel, Cells, Copy, Dots } kind;
  // Fill, Dots: the rectangle; Line: from (Left, Top) to (Right, Bottom)
  platform::TRect rect;
  platform::TRgb fore;
  std::string text;      // Cells: the bytes drawn
  platform::TPoint at;   // Cells: the origin
};

class RecordingCanvas : public platform::TCanvas {
 public:
  explicit RecordingCanvas(platform::TSize size = {640, 480}) : size_(size) {}
  platform::TSize Size() const override { return size_; }
  void SetClip(const platform::TRect& clip) override { clip_ = clip; }
  void ResetClip() override { clip_ = {0, 0, size_.Width, size_.Height}; }
  void FillRect(const platform::TRect& rect, platform::TRgb color) override {
    calls.push_back({CanvasCall::Fill, rect, color, {}, {}});
  }
  void Line(platform::TPoint from, platform::TPoint to, platform::TRgb color) override {
    calls.push_back({CanvasCall::Line, {from.X, from.Y, to.X, to.Y}, color, {}, {}});
  }
  void SetPixel(platform::TPoint at, platform::TRgb color) override {
    calls.push_back({CanvasCall::Pixel, {at.X, at.Y, at.X + 1, at.Y + 1}, color, {}, at});
  }
  void DottedLine(platform::TPoint from, int width, platform::TRgb dot, platform::TRgb) override {
    calls.push_back({CanvasCall::Dots, {from.X, from.Y, from.X + width, from.Y + 1}, dot, {}, from});
  }
  void DrawCells(platform::TPoint origin, std::string_view cp932, platform::TFontHandle,
                 int cellWidth, platform::TRgb fore, const platform::TRgb*,
                 const platform::TRect& limit) override {
    calls.push_back({CanvasCall::Cells, limit, fore, std::string(cp932), origin});
    lastCellWidth = cellWidth;
  }
  void CopyFrom(const platform::TBitmap&, const platform::TRect& source, platform::TPoint to) override {
    calls.push_back({CanvasCall::Copy, source, {}, {}, to});
  }

  std::vector<CanvasCall> calls;
  int lastCellWidth = 0;

 private:
  platform::TSize size_;
  platform::TRect clip_{0, 0, 640, 480};
};

class FakeBitmap : public platform::TBitmap {
 public:
  explicit FakeBitmap(platform::TSize size) : size_(size), canvas_(size) {}
  platform::TCanvas& Canvas() override { return canvas_; }
  platform::TSize Size() const override { return size_; }

 private:
  platform::TSize size_;
  RecordingCanvas canvas_;
};

class FakeWindow : public platform::TEditorWindow {
 public:
  explicit FakeWindow(platform::TSize size = {640, 480}) : size_(size) {}

  // Resizes and tells the view, as the platform does.
  void Resize(platform::TSize size) {
    size_ = size;
    if (client_ != nullptr) client_->Resized();
  }
  platform::TWindowClient* Client() const { return client_; }

  void SetClient(platform::TWindowClient* client) override { client_ = client; }
  platform::TSize Size() const override { return size_; }
  int ScrollBarExtent() const override { return scrollBarExtent; }
  int ScreenHeight() const override { return screenHeight; }

  void Invalidate(const platform::TRect& rect) override { invalid.push_back(rect); }
  void InvalidateAll() override { invalid.push_back({0, 0, size_.Width, size_.Height}); }
  void Update() override {
    for (const platform::TRect& rect : invalid) {
      painted.push_back(rect);
      if (client_ != nullptr) client_->Paint(canvas, rect);
    }
    invalid.clear();
  }
  void ScrollContents(int dx, int dy, const platform::TRect& area) override {
    scrolls.push_back({dx, dy, area});
    // The band the shift uncovers inside the area.
    platform::TRect band = area;
    if (dy > 0) band.Bottom = std::min(area.Bottom, area.Top + dy);
    if (dy < 0) band.Top = std::max(area.Top, area.Bottom + dy);
    if (dx > 0) band.Right = std::min(area.Right, area.Left + dx);
    if (dx < 0) band.Left = std::max(area.Left, area.Right + dx);
    if (!band.IsEmpty()) invalid.push_back(band);
  }

  void ShowScrollBar(platform::TScrollAxis axis, bool show) override { barShown[axis] = show; }
  void SetScrollInfo(platform::TScrollAxis axis, const platform::TScrollInfo& info) override {
    bars[axis] = info;
  }
  platform::TScrollInfo ScrollInfo(platform::TScrollAxis axis) const override {
    auto found = bars.find(axis);
    return found == bars.end() ? platform::TScrollInfo{} : found->second;
  }

  void CreateCaret(int width, int height) override {
    caretSize = {width, height};
    caretCreated = true;
    caretShown = false;
  }
  void DestroyCaret() override { caretCreated = caretShown = false; }
  void SetCaretPos(platform::TPoint at) override { caretPos = at; }
  void ShowCaret() override { caretShown = caretCreated; }
  void HideCaret() override { caretShown = false; }

  void SetCursor(platform::TCursor cursor) override { this->cursor = cursor; }
  bool KeyPressed(int key) const override { return keysDown.count(key) != 0; }
  bool Focused() const override { return focused; }
  void SetFocus() override {
    if (focused) return;
    focused = true;
    if (client_ != nullptr) client_->FocusChanged(true);
  }
  void SetImeCursorRect(const platform::TRect& rect) override { imeRect = rect; }

  platform::TFontHandle CreateFont(const platform::TFontSpec& request) override {
    fonts.push_back(request);
    return {static_cast<int>(fonts.size())};
  }
  platform::TFontMetrics Metrics(platform::TFontHandle) const override { return metrics; }
  platform::TRgb ResolveColor(platform::TColor color) const override {
    if (platform::IsSystemColor(color)) {
      const int index = color & 0xFF;
      return index == 5 ? platform::TRgb{255, 255, 255} : platform::TRgb{0, 0, 0};
    }
    const auto bgr = static_cast<std::uint32_t>(color);
    return {static_cast<std::uint8_t>(bgr & 0xFF), static_cast<std::uint8_t>((bgr >> 8) & 0xFF),
            static_cast<std::uint8_t>((bgr >> 16) & 0xFF)};
  }
  std::unique_ptr<platform::TBitmap> CreateBitmap(platform::TSize size) override {
    return std::make_unique<FakeBitmap>(size);
  }

  // Forgets what was recorded so far (the view's state stays).
  void ClearLog() {
    invalid.clear();
    painted.clear();
    scrolls.clear();
    canvas.calls.clear();
  }

  struct Scroll {
    int dx;
    int dy;
    platform::TRect area;
  };

  // Set by the tests.
  int scrollBarExtent = 16;
  int screenHeight = 768;
  bool focused = false;
  std::set<int> keysDown;  // what KeyPressed answers
  platform::TFontMetrics metrics{13, 3, 0, 8, 9, false};

  // What the view did.
  std::vector<platform::TRect> invalid;
  std::vector<platform::TRect> painted;
  std::vector<Scroll> scrolls;
  std::map<platform::TScrollAxis, bool> barShown;
  std::map<platform::TScrollAxis, platform::TScrollInfo> bars;
  std::vector<platform::TFontSpec> fonts;
  RecordingCanvas canvas;
  bool caretCreated = false;
  bool caretShown = false;
  platform::TSize caretSize;
  platform::TPoint caretPos;
  platform::TRect imeRect;
  platform::TCursor cursor = 0;

 private:
  platform::TSize size_;
  platform::TWindowClient* client_ = nullptr;
};

}  // namespace editor::testing
