#pragma once
// A list of equally sized images, addressed by index, as tool bars, menus and the priority
// stamp use them.

#include <QIcon>
#include <QPixmap>

#include <vector>

class QImage;

namespace platform::qt {

class ImageList {
 public:
  ImageList(int width, int height) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(images_.size()); }

  // Changing the size empties the list.
  void SetSize(int width, int height);
  void Clear() { images_.clear(); }

  // Cuts `strip` from left to right into images of the list's size (a partial image at the
  // right end is dropped); pixels of `transparent` become transparent.
  void AddMasked(const QImage& strip, QRgb transparent);
  void Add(const QPixmap& image);

  // Null pixmap / icon for an index outside 0 .. Count() - 1.
  QPixmap Pixmap(int index) const;
  QIcon Icon(int index) const;

 private:
  int width_;
  int height_;
  std::vector<QPixmap> images_;
};

}  // namespace platform::qt
