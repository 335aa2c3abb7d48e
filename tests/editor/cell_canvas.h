#pragma once
// A canvas that keeps what the text view drew as a grid of cells plus a map of pixels. Text
// lands in the cells (byte, colour, font, how often drawn); fills, lines, pixels and dotted
// lines land in the pixels, so a cell's background is the pixel at its top left. Clipping is
// the Qt canvas's: the paint request's bounds, limited further by SetClip; a cell counts as
// drawn when any part of it is inside.

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace editor::testing {

class CellCanvas : public platform::TCanvas {
 public:
  struct Cell {
    char byte = 0;  // 0: never drawn
    platform::TRgb fore;
    platform::TFontHandle font;
    int draws = 0;
  };

  // The grid: column 0 starts at x = left, row 0 at y = top; cells colWidth x rowHeight. Every
  // cell is forgotten and every pixel set to (1, 2, 3).
  void Reset(int left, int top, int colWidth, int rowHeight) {
    left_ = left, top_ = top, colWidth_ = colWidth, rowHeight_ = rowHeight;
    cols_ = (kWidth - left) / colWidth + 1;
    rows_ = (kHeight - top) / rowHeight + 1;
    cells_.assign(static_cast<size_t>(cols_ * rows_), Cell{});
    pixels_.assign(static_cast<size_t>(kWidth * kHeight), platform::TRgb{1, 2, 3});
  }
  void SetBounds(const platform::TRect& bounds) { bounds_ = clip_ = bounds.Intersect(Whole()); }

  const Cell& At(int col, int row) const {
    static const Cell none;
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return none;
    return cells_[static_cast<size_t>(row * cols_ + col)];
  }
  platform::TRgb Back(int col, int row) const {
    return Pixel({left_ + col * colWidth_, top_ + row * rowHeight_});
  }
  platform::TRgb Pixel(platform::TPoint p) const {
    return Whole().Contains(p) ? pixels_[static_cast<size_t>(p.Y * kWidth + p.X)] : platform::TRgb{};
  }
  // Bytes of columns from ... to - 1 of a grid row; a blank for a cell never drawn.
  std::string Text(int row, int from, int to) const {
    std::string text;
    for (int col = from; col < to; ++col) text += At(col, row).byte == 0 ? ' ' : At(col, row).byte;
    return text;
  }
  // The x of every pixel in `color` on pixel row y, from x0 to x1 - 1.
  std::vector<int> PixelsOf(int y, int x0, int x1, platform::TRgb color) const {
    std::vector<int> xs;
    for (int x = x0; x < x1; ++x) {
      if (Pixel({x, y}) == color) xs.push_back(x);
    }
    return xs;
  }

  platform::TSize Size() const override { return {kWidth, kHeight}; }
  void SetClip(const platform::TRect& clip) override { clip_ = clip.Intersect(bounds_); }
  void ResetClip() override { clip_ = bounds_; }
  void FillRect(const platform::TRect& rect, platform::TRgb color) override {
    const platform::TRect r = rect.Intersect(clip_);
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) pixels_[static_cast<size_t>(y * kWidth + x)] = color;
    }
  }
  // Bresenham, the end point left out, as the Qt canvas draws.
  void Line(platform::TPoint from, platform::TPoint to, platform::TRgb color) override {
    const int dx = std::abs(to.X - from.X), dy = -std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
    int error = dx + dy;
    for (platform::TPoint p = from; p != to;) {
      SetPixel(p, color);
      const int twice = 2 * error;
      if (twice >= dy) error += dy, p.X += sx;
      if (twice <= dx) error += dx, p.Y += sy;
    }
  }
  void SetPixel(platform::TPoint at, platform::TRgb color) override {
    FillRect({at.X, at.Y, at.X + 1, at.Y + 1}, color);
  }
  void DrawCells(platform::TPoint origin, std::string_view cp932, platform::TFontHandle font,
                 int cellWidth, platform::TRgb fore, const platform::TRgb* back,
                 const platform::TRect& limit) override {
    const platform::TRect clip = clip_.Intersect(limit);
    for (size_t i = 0; i < cp932.size(); ++i) {
      const int x = origin.X + static_cast<int>(i) * cellWidth;
      const platform::TRect cell{x, origin.Y, x + cellWidth, origin.Y + rowHeight_};
      if (cell.Intersect(clip).IsEmpty()) continue;
      if (back != nullptr) FillRect(cell.Intersect(limit), *back);
      const int col = x - left_, row = (origin.Y - top_) / rowHeight_;
      if (col < 0 || col / colWidth_ >= cols_ || row < 0 || row >= rows_) continue;
      Cell& c = cells_[static_cast<size_t>(row * cols_ + col / colWidth_)];
      c = {cp932[i], fore, font, c.draws + 1};
    }
  }
  void CopyFrom(const platform::TBitmap&, const platform::TRect&, platform::TPoint) override {}

 private:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;
  static platform::TRect Whole() { return {0, 0, kWidth, kHeight}; }

  std::vector<platform::TRgb> pixels_ = std::vector<platform::TRgb>(kWidth * kHeight);
  platform::TRect bounds_ = Whole();
  platform::TRect clip_ = Whole();
  int left_ = 0, top_ = 0, colWidth_ = 8, rowHeight_ = 16;
  int cols_ = 0, rows_ = 0;
  std::vector<Cell> cells_;
};

}  // namespace editor::testing
