#pragma once
// The program's own images, compiled in from resources/.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace quillet::resources {

// Priority stamp `index` (0 highest .. 4 lowest), 24 x 26 pixels.
QPixmap Stamp(int index);
inline constexpr int kStampWidth = 24;
inline constexpr int kStampHeight = 26;

// "CS_POINT": the hand shown over links.
QCursor PointCursor();

QIcon ApplicationIcon();

// "BANNER": the maker's banner, 88 x 31 pixels.
QPixmap Banner();

// "BITMAP_TB": nine 16 x 16 tool bar images side by side, magenta transparent.
QImage ToolbarStrip();

}  // namespace quillet::resources
