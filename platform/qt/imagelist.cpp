#include "platform/qt/imagelist.h"

#include <QImage>

namespace platform::qt {

void ImageList::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  images_.clear();
}

void ImageList::AddMasked(const QImage& strip, QRgb transparent) {
  if (width_ <= 0 || height_ <= 0) return;
  QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < argb.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == (transparent & 0xFFFFFF)) line[x] = 0;
    }
  }
  for (int x = 0; x + width_ <= argb.width(); x += width_) {
    images_.push_back(QPixmap::fromImage(argb.copy(x, 0, width_, height_)));
  }
}

void ImageList::Add(const QPixmap& image) { images_.push_back(image); }

QPixmap ImageList::Pixmap(int index) const {
  return index >= 0 && index < Count() ? images_[static_cast<size_t>(index)] : QPixmap();
}

QIcon ImageList::Icon(int index) const {
  QPixmap image = Pixmap(index);
  return image.isNull() ? QIcon() : QIcon(image);
}

}  // namespace platform::qt
