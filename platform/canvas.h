#pragma once
// The drawing surface the text view paints on: plain value types, every colour resolved and
// passed with each call, no pen or brush state between calls. The Qt backend draws on the
// host's backing image; tests use a recording surface or a cell grid.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/font_style.h"
#include "platform/geometry.h"

namespace platform {

// A resolved colour: red, green and blue. System colours and clNone never reach a canvas.
struct TRgb {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};

// What a font is asked for: the face (CP932 bytes, as settings and the host client name it),
// the height in the platform's convention (negative: the character height in pixels without
// internal leading; positive: the cell height) and the style.
struct TFontSpec {
  std::string Name;
  int Height = -16;
  TFontStyles Style;
  friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

// A font made by the window: an opaque number, valid as long as that window.
struct TFontHandle {
  int Id = 0;
  friend bool operator==(const TFontHandle&, const TFontHandle&) = default;
};

// Integer metrics of a font as the rasteriser reports them. HalfWidth is the advance of a
// half-width character: the view's column width is built on it, never on the average width,
// which several Japanese fonts report close to full width.
struct TFontMetrics {
  int Ascent = 0;
  int Descent = 0;
  int ExternalLeading = 0;
  int HalfWidth = 0;
  int AveCharWidth = 0;
  bool Italic = false;
  int Height() const { return Ascent + Descent; }
};

class TBitmap;

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  virtual TSize Size() const = 0;

  // Every drawing call is limited to the clip rectangle (the whole surface when none is set).
  virtual void SetClip(const TRect& clip) = 0;
  virtual void ResetClip() = 0;

  virtual void FillRect(const TRect& rect, TRgb color) = 0;
  // A one-pixel solid line from `from` up to, but not including, `to`.
  virtual void Line(TPoint from, TPoint to, TRgb color) = 0;
  virtual void SetPixel(TPoint at, TRgb color) = 0;
  // A horizontal one-pixel line `width` pixels long from `from`: every second pixel, the first
  // included, in `dot`, the others in `back`. Backends may do it in one operation.
  virtual void DottedLine(TPoint from, int width, TRgb dot, TRgb back) {
    FillRect({from.X, from.Y, from.X + width, from.Y + 1}, back);
    for (int x = 0; x < width; x += 2) SetPixel({from.X + x, from.Y}, dot);
  }

  // CP932 text on the grid: byte i's cell starts at origin.X + i * cellWidth, a double-byte
  // character takes two cells, and the text's top is origin.Y. The font never moves a glyph
  // out of its cell. A byte that is no character of CP932 shows one replacement character,
  // a control byte a blank cell. With `back` set, each cell is filled first (opaque output);
  // `limit` clips the output further (it is intersected with the canvas clip).
  virtual void DrawCells(TPoint origin, std::string_view cp932, TFontHandle font, int cellWidth,
                         TRgb fore, const TRgb* back, const TRect& limit) = 0;

  // Copies `source` of a bitmap to `to` on this canvas.
  virtual void CopyFrom(const TBitmap& bitmap, const TRect& source, TPoint to) = 0;
};

// An off-screen image with a canvas of its own.
class TBitmap {
 public:
  virtual ~TBitmap() = default;
  virtual TCanvas& Canvas() = 0;
  virtual TSize Size() const = 0;
};

}  // namespace platform
