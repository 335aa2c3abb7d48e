#include "platform/qt/canvas.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>

#include <array>
#include <cmath>
#include <cstdlib>

#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/qt/text.h"

namespace platform::qt {
namespace {

QRect ToQRect(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}
QColor ToQColor(TRgb c) {
  return QColor(c.R, c.G, c.B);
}

// The first code point of `utf8` when it holds exactly one, else U+FFFD.
char16_t SingleCodePoint(const std::string& utf8) {
  if (utf8.empty()) return u'\uFFFD';
  auto b = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
  char32_t c;
  size_t length;
  if (b(0) < 0x80) {
    c = b(0), length = 1;
  } else if ((b(0) & 0xE0) == 0xC0 && utf8.size() >= 2) {
    c = (b(0) & 0x1Fu) << 6 | (b(1) & 0x3Fu), length = 2;
  } else if ((b(0) & 0xF0) == 0xE0 && utf8.size() >= 3) {
    c = (b(0) & 0x0Fu) << 12 | (b(1) & 0x3Fu) << 6 | (b(2) & 0x3Fu), length = 3;
  } else {
    return u'\uFFFD';  // CP932 holds nothing outside the basic plane
  }
  return length == utf8.size() ? static_cast<char16_t>(c) : u'\uFFFD';
}

// Unicode of CP932 characters, asked of the platform's converter once per character: calling
// it for every character drawn would cost far more than the drawing.
class Cp932Chars {
 public:
  static constexpr char16_t kBlank = 0;

  // The character that byte i of `text` starts; `wide` when it takes bytes i and i + 1.
  static char16_t At(std::string_view text, size_t i, bool& wide) {
    static Cp932Chars table;
    unsigned char b = static_cast<unsigned char>(text[i]);
    wide = false;
    if (cp932::IsLeadByte(b)) {
      if (i + 1 >= text.size()) return u'\uFFFD';
      char16_t c = table.Pair(b, static_cast<unsigned char>(text[i + 1]));
      if (c == kInvalidPair) return u'\uFFFD';  // the next byte starts its own cell
      wide = true;
      return c;
    }
    return table.single_[b];
  }

 private:
  static constexpr char16_t kInvalidPair = 0;
  static constexpr char16_t kUnknown = 0xFFFF;  // a noncharacter: no conversion yields it

  Cp932Chars() {
    for (int b = 0; b < 256; ++b) {
      if (b < 0x20 || b == 0x7F) {
        single_[b] = kBlank;
        continue;
      }
      char byte = static_cast<char>(b);
      char16_t c = SingleCodePoint(cp932::ToUtf8(std::string_view(&byte, 1)));
      single_[b] = (c >= 0x80 && c <= 0x9F) ? u'\uFFFD' : c;  // a C1 control is no character
    }
    pairs_.fill(kUnknown);
  }

  char16_t Pair(unsigned char lead, unsigned char trail) {
    int row = lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
    char16_t& c = pairs_[static_cast<size_t>(row * 256 + trail)];
    if (c == kUnknown) {
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      char16_t u = SingleCodePoint(cp932::ToUtf8(std::string_view(bytes, 2)));
      c = u == u'\uFFFD' ? kInvalidPair : u;
    }
    return c;
  }

  std::array<char16_t, 256> single_{};
  std::array<char16_t, 60 * 256> pairs_{};  // 60 lead bytes
};

int CellHeight(const QFont& font) {
  QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

// The em size in pixels for a height in the platform's convention.
int PixelSize(QFont font, int height) {
  if (height < 0) return -height;
  if (height == 0) return 16;  // the platform's default size
  font.setPixelSize(height);
  int cell = std::max(1, CellHeight(font));
  int size = std::max(1, static_cast<int>(std::lround(double(height) * height / cell)));
  // Rounding of ascent and descent can miss by a pixel: take the largest em whose cell fits.
  for (int i = 0; i < 4 && size > 1; ++i) {
    font.setPixelSize(size);
    if (CellHeight(font) <= height) break;
    --size;
  }
  for (int i = 0; i < 4; ++i) {
    font.setPixelSize(size + 1);
    if (CellHeight(font) > height) break;
    ++size;
  }
  return size;
}

}  // namespace

TFontHandle QtFontTable::Create(const TFontSpec& request) {
  for (size_t i = 0; i < fonts_.size(); ++i) {
    if (fonts_[i].first == request) return {static_cast<int>(i + 1)};
  }
  auto entry = std::make_unique<Font>();
  QFont font(ToQString(request.Name));
  font.setStyleHint(QFont::TypeWriter);  // an unknown face still gets a grid-friendly one
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  font.setBold(request.Style.Contains(fsBold));
  font.setItalic(request.Style.Contains(fsItalic));
  font.setPixelSize(PixelSize(font, request.Height));

  QFontMetrics metrics(font);
  TFontMetrics& m = entry->metrics;
  m.Ascent = metrics.ascent();
  m.Descent = metrics.descent();
  m.ExternalLeading = std::max(0, metrics.leading());
  m.HalfWidth = metrics.horizontalAdvance(QLatin1Char('M'));
  m.AveCharWidth = metrics.averageCharWidth();
  m.Italic = request.Style.Contains(fsItalic);
  // Decorations are drawn across the cells by the canvas, so the font itself carries none.
  entry->underline = request.Style.Contains(fsUnderline);
  entry->strikeOut = request.Style.Contains(fsStrikeOut);
  entry->underlineY = metrics.underlinePos();
  entry->strikeOutY = metrics.strikeOutPos();
  entry->lineWidth = std::max(1, metrics.lineWidth());
  entry->raw = QRawFont::fromFont(font);
  entry->font = font;
  fonts_.emplace_back(request, std::move(entry));
  return {static_cast<int>(fonts_.size())};
}

const QtFontTable::Font& QtFontTable::Get(TFontHandle handle) const {
  if (handle.Id < 1 || static_cast<size_t>(handle.Id) > fonts_.size()) throw EListError();
  return *fonts_[static_cast<size_t>(handle.Id - 1)].second;
}

QtCanvas::QtCanvas(QImage& image, std::shared_ptr<const QtFontTable> fonts)
    : image_(image), fonts_(std::move(fonts)), bounds_(Whole()), clip_(bounds_) {}

QtCanvas::~QtCanvas() = default;

void QtCanvas::SetBounds(const TRect& bounds) {
  bounds_ = bounds.Intersect(Whole());
  clip_ = bounds_;
}

void QtCanvas::Flush() {
  painter_.reset();
  painterFont_ = nullptr;
}

TRect QtCanvas::Whole() const {
  return {0, 0, image_.width(), image_.height()};
}

QPainter& QtCanvas::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
  }
  return *painter_;
}

TSize QtCanvas::Size() const {
  return {image_.width(), image_.height()};
}

void QtCanvas::SetClip(const TRect& clip) {
  clip_ = clip.Intersect(bounds_);
}

void QtCanvas::ResetClip() {
  clip_ = bounds_;
}

void QtCanvas::FillRect(const TRect& rect, TRgb color) {
  TRect r = rect.Intersect(clip_);
  if (r.IsEmpty()) return;
  Painter().fillRect(ToQRect(r), ToQColor(color));
}

void QtCanvas::Line(TPoint from, TPoint to, TRgb color) {
  if (from == to) return;
  // Straight lines are one fill; the end point is left out as the platform's lines do.
  if (from.Y == to.Y) {
    int left = from.X < to.X ? from.X : to.X + 1;
    int right = from.X < to.X ? to.X : from.X + 1;
    FillRect({left, from.Y, right, from.Y + 1}, color);
    return;
  }
  if (from.X == to.X) {
    int top = from.Y < to.Y ? from.Y : to.Y + 1;
    int bottom = from.Y < to.Y ? to.Y : from.Y + 1;
    FillRect({from.X, top, from.X + 1, bottom}, color);
    return;
  }
  int dx = std::abs(to.X - from.X), dy = -std::abs(to.Y - from.Y);
  int sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
  int error = dx + dy;
  TPoint p = from;
  while (p != to) {
    SetPixel(p, color);
    int twice = 2 * error;
    if (twice >= dy) error += dy, p.X += sx;
    if (twice <= dx) error += dx, p.Y += sy;
  }
}

void QtCanvas::SetPixel(TPoint at, TRgb color) {
  if (clip_.Contains(at)) Painter().fillRect(QRect(at.X, at.Y, 1, 1), ToQColor(color));
}

void QtCanvas::DottedLine(TPoint from, int width, TRgb dot, TRgb back) {
  const TRect r = TRect{from.X, from.Y, from.X + width, from.Y + 1}.Intersect(clip_);
  if (r.IsEmpty()) return;
  QImage tile(2, 1, QImage::Format_RGB32);
  tile.setPixel(0, 0, ToQColor(dot).rgb());
  tile.setPixel(1, 0, ToQColor(back).rgb());
  QPainter& painter = Painter();
  const QPointF origin = painter.brushOrigin();
  painter.setBrushOrigin(from.X, from.Y);
  painter.fillRect(ToQRect(r), QBrush(tile));
  painter.setBrushOrigin(origin);
}

void QtCanvas::DrawCells(TPoint origin, std::string_view cp932, TFontHandle font, int cellWidth,
                         TRgb fore, const TRgb* back, const TRect& limit) {
  const QtFontTable::Font& f = fonts_->Get(font);
  TRect clip = clip_.Intersect(limit);
  if (clip.IsEmpty() || cp932.empty()) return;
  const int count = static_cast<int>(cp932.size());
  const TRect cells{origin.X, origin.Y, origin.X + count * cellWidth,
                    origin.Y + f.metrics.Height()};
  QPainter& painter = Painter();
  if (back != nullptr) {
    TRect r = cells.Intersect(clip);
    if (!r.IsEmpty()) painter.fillRect(ToQRect(r), ToQColor(*back));
  }

  // Glyphs leaning or reaching out of their cells may still show inside the clip, so only
  // characters two cells away from it are left out.
  const int margin = 2 * std::max(1, cellWidth);
  chars_.clear();
  positions_.clear();
  widths_.clear();
  const int baseline = origin.Y + f.metrics.Ascent;
  for (size_t i = 0; i < cp932.size();) {
    bool wide = false;
    char16_t c = Cp932Chars::At(cp932, i, wide);
    int x = origin.X + static_cast<int>(i) * cellWidth;
    i += wide ? 2 : 1;
    if (c == Cp932Chars::kBlank || x + margin < clip.Left || x - margin > clip.Right) continue;
    chars_.push_back(QChar(c));
    positions_.push_back(QPointF(x, baseline));
    widths_.push_back((wide ? 2 : 1) * cellWidth);
  }

  // The painter's clip is set for the glyphs only and switched off again: every other drawing
  // is cut to clip_ by hand.
  painter.setClipRect(ToQRect(clip));
  painter.setPen(ToQColor(fore));
  if (!chars_.isEmpty()) {
    glyphs_.resize(chars_.size());
    int glyphCount = static_cast<int>(glyphs_.size());
    if (!f.raw.isValid() ||
        !f.raw.glyphIndexesForChars(chars_.constData(), static_cast<int>(chars_.size()),
                                    glyphs_.data(), &glyphCount) ||
        glyphCount != chars_.size()) {
      glyphs_.fill(0);
    }
    found_.clear();
    foundAt_.clear();
    if (painterFont_ != &f.font) {
      painter.setFont(f.font);
      painterFont_ = &f.font;
    }
    for (qsizetype k = 0; k < chars_.size(); ++k) {
      if (glyphs_[k] != 0) {
        found_.push_back(glyphs_[k]);
        foundAt_.push_back(positions_[k]);
      } else {
        // The primary face lacks it: Qt finds another face, whose glyph may be wider than
        // the grid's cells, so it is cut at them.
        const int x = static_cast<int>(positions_[k].x());
        const TRect own = clip.Intersect({x, cells.Top, x + widths_[k], cells.Bottom});
        if (own.IsEmpty()) continue;
        painter.setClipRect(ToQRect(own));
        painter.drawText(positions_[k], QString(chars_[k]));
        painter.setClipRect(ToQRect(clip));
      }
    }
    if (!found_.isEmpty()) {
      QGlyphRun run;
      run.setRawFont(f.raw);
      run.setGlyphIndexes(found_);
      run.setPositions(foundAt_);
      painter.drawGlyphRun(QPointF(0, 0), run);
    }
  }
  if (f.underline) {
    painter.fillRect(QRect(cells.Left, baseline + f.underlineY, cells.Width(), f.lineWidth),
                     ToQColor(fore));
  }
  if (f.strikeOut) {
    painter.fillRect(QRect(cells.Left, baseline - f.strikeOutY, cells.Width(), f.lineWidth),
                     ToQColor(fore));
  }
  painter.setClipping(false);
}

void QtCanvas::CopyFrom(const TBitmap& bitmap, const TRect& source, TPoint to) {
  const auto* qtBitmap = dynamic_cast<const QtBitmap*>(&bitmap);
  if (qtBitmap == nullptr) throw EConvertError::CannotAssign("TBitmap", "QtBitmap");
  const QImage& image = qtBitmap->Image();
  // Only pixels that exist in the source and fall inside the clip are copied.
  TRect from = source.Intersect({0, 0, image.width(), image.height()});
  TRect dest = from.Offset(to.X - source.Left, to.Y - source.Top).Intersect(clip_);
  if (dest.IsEmpty()) return;
  from = dest.Offset(source.Left - to.X, source.Top - to.Y);
  QPainter& painter = Painter();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  if (&image == &image_) {
    painter.drawImage(QPoint(dest.Left, dest.Top), image.copy(ToQRect(from)));
  } else {
    painter.drawImage(QPoint(dest.Left, dest.Top), image, ToQRect(from));
  }
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QtBitmap::QtBitmap(TSize size, std::shared_ptr<const QtFontTable> fonts)
    : image_(std::max(0, size.Width), std::max(0, size.Height), QImage::Format_RGB32),
      canvas_(image_, std::move(fonts)) {
  if (image_.isNull() && size.Width > 0 && size.Height > 0) throw EOutOfMemory();
  image_.fill(Qt::black);
}

const QImage& QtBitmap::Image() const {
  canvas_.Flush();
  return image_;
}

}  // namespace platform::qt
