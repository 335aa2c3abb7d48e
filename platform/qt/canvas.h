#pragma once
// The drawing surface on Qt: a QPainter on a QImage (a window's backing image or a bitmap's),
// with aliased lines and fills so that every pixel is exact, and text put glyph by glyph on
// the caller's grid. Fonts are made and kept by a font table that the window and its bitmaps
// share.

#include <QFont>
#include <QImage>
#include <QRawFont>

#include <memory>
#include <utility>
#include <vector>

#include "platform/canvas.h"

class QPainter;

namespace platform::qt {

// The fonts of one window. Handles count from 1; the same request gives the same handle.
class QtFontTable {
 public:
  struct Font {
    QFont font;    // for characters the raw font lacks (Qt then falls back to other faces)
    QRawFont raw;  // the primary face, whose glyphs are placed by hand
    TFontMetrics metrics;
    bool underline = false;
    bool strikeOut = false;
    int underlineY = 0;  // below the baseline
    int strikeOutY = 0;  // above the baseline
    int lineWidth = 1;
  };

  // Negative heights are the pixel size of the character (the em); positive heights are the
  // cell (ascent + descent), reached by scaling the em by the ratio measured at that size.
  TFontHandle Create(const TFontSpec& request);
  // Throws EListError for a handle this table did not make.
  const Font& Get(TFontHandle handle) const;
  TFontMetrics Metrics(TFontHandle handle) const { return Get(handle).metrics; }

 private:
  std::vector<std::pair<TFontSpec, std::unique_ptr<Font>>> fonts_;
};

class QtCanvas final : public TCanvas {
 public:
  // `image` must outlive the canvas and keep its size while the canvas paints; Flush() before
  // reading, copying or replacing it from outside.
  QtCanvas(QImage& image, std::shared_ptr<const QtFontTable> fonts);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // Limits every drawing call, SetClip's rectangle included (the paint request's rectangle);
  // ResetClip returns to it. The whole image until set.
  void SetBounds(const TRect& bounds);
  // Ends the painter; the next drawing call starts a new one.
  void Flush();

  TSize Size() const override;
  void SetClip(const TRect& clip) override;
  void ResetClip() override;
  void FillRect(const TRect& rect, TRgb color) override;
  void Line(TPoint from, TPoint to, TRgb color) override;
  void SetPixel(TPoint at, TRgb color) override;
  // One fill with a two-pixel tile whose first pixel is the line's first.
  void DottedLine(TPoint from, int width, TRgb dot, TRgb back) override;
  // Each glyph's origin is its first cell's left edge, the baseline origin.Y + ascent; the
  // back fill covers the cells, each cellWidth wide and ascent + descent high.
  void DrawCells(TPoint origin, std::string_view cp932, TFontHandle font, int cellWidth, TRgb fore,
                 const TRgb* back, const TRect& limit) override;
  void CopyFrom(const TBitmap& bitmap, const TRect& source, TPoint to) override;

 private:
  QPainter& Painter();
  TRect Whole() const;

  QImage& image_;
  std::shared_ptr<const QtFontTable> fonts_;
  std::unique_ptr<QPainter> painter_;
  TRect bounds_;
  TRect clip_;
  // The font the painter holds, so that a run in the same font does not set it again.
  const QFont* painterFont_ = nullptr;
  // Scratch of DrawCells, kept so that a paint of many runs allocates once.
  QVector<QChar> chars_;
  QVector<QPointF> positions_;
  QVector<int> widths_;
  QVector<quint32> glyphs_;
  QList<quint32> found_;
  QList<QPointF> foundAt_;
};

// An off-screen RGB image, black when made.
class QtBitmap final : public TBitmap {
 public:
  // Throws EOutOfMemory when the image cannot be had.
  QtBitmap(TSize size, std::shared_ptr<const QtFontTable> fonts);

  TCanvas& Canvas() override { return canvas_; }
  TSize Size() const override { return {image_.width(), image_.height()}; }
  // The pixels, with all drawing so far applied.
  const QImage& Image() const;

 private:
  QImage image_;
  mutable QtCanvas canvas_;
};

}  // namespace platform::qt
