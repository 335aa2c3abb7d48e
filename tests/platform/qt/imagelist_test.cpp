#include "platform/qt/imagelist.h"

#include <gtest/gtest.h>

#include <QImage>

namespace platform::qt {
namespace {

TEST(ImageList, CutsAStripIntoSquaresAndMasksMagenta) {
  QImage strip(40, 16, QImage::Format_RGB32);
  strip.fill(qRgb(255, 0, 255));
  strip.setPixel(0, 0, qRgb(1, 2, 3));
  strip.setPixel(17, 5, qRgb(255, 0, 254));  // near magenta is no magenta
  ImageList list(16, 16);
  list.AddMasked(strip, qRgb(255, 0, 255));
  ASSERT_EQ(list.Count(), 2);  // the 8-pixel rest is no image
  QImage first = list.Pixmap(0).toImage();
  EXPECT_EQ(first.pixel(0, 0), qRgb(1, 2, 3));
  EXPECT_EQ(qAlpha(first.pixel(1, 0)), 0);
  EXPECT_EQ(list.Pixmap(1).toImage().pixel(1, 5), qRgb(255, 0, 254));
  EXPECT_TRUE(list.Pixmap(2).isNull());
  EXPECT_TRUE(list.Icon(-1).isNull());
  list.SetSize(24, 24);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace platform::qt
