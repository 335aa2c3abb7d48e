// The text view's painting on the real Qt canvas: the dotted line's pixels and the colours of
// smoothed glyphs, which a cell grid cannot show.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "editor/editor.h"
#include "platform/qt/canvas.h"
#include "platform/qt/editor_window_widget.h"
#include "platform/qt/fonts.h"

namespace platform::qt {
namespace {

TEST(EditorPaintPixels, DottedLineStartsWithADotAndKeepsItsPhaseWhenClipped) {
  QImage image(16, 3, QImage::Format_RGB32);
  image.fill(Qt::white);
  QtCanvas canvas(image, std::make_shared<QtFontTable>());
  canvas.DottedLine({3, 0}, 7, {255, 0, 0}, {0, 0, 255});
  canvas.SetClip({6, 0, 16, 3});
  canvas.DottedLine({3, 1}, 7, {255, 0, 0}, {0, 0, 255});
  canvas.Flush();
  for (int x = 0; x < 16; ++x) {
    const QRgb line = x < 3 || x >= 10 ? qRgb(255, 255, 255)
                      : (x - 3) % 2 == 0 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
    EXPECT_EQ(image.pixel(x, 0), line) << x;
    EXPECT_EQ(image.pixel(x, 1), x < 6 ? qRgb(255, 255, 255) : line) << x;
  }
}

// Every pixel of a token's cells mixes only its own text colour with its background: a glyph
// drawn over the row's first drawing would leave the first colour in the smoothed edges.
TEST(EditorPaintPixels, TokenGlyphsHaveNoFringesOfTheDefaultColour) {
  InstallFontSubstitutions();
  EditorWindowWidget window;
  window.resize(400, 80);
  window.show();
  std::unique_ptr<editor::TEditor> view = platform::NewComponent<editor::TEditor>(nullptr);
  view->Font().SetName("Courier New");
  view->Font().SetHeight(-20);
  view->View().SetUrl(true);
  view->View().Colors().Url().SetColor(clBlue);
  view->Lines().SetTextStr("MW http://WMWMWM.jp/xx WM");
  view->SetWindow(&window);
  window.Update();
  const QImage& image = window.BackingImage();
  const int left = view->TextLeft() + 3 * view->ColWidth();
  const int right = view->TextLeft() + 22 * view->ColWidth();
  int inked = 0;
  for (int y = view->TextTop(); y < view->TextTop() + view->FontHeight(); ++y) {
    for (int x = left; x < right; ++x) {
      const QRgb p = image.pixel(x, y);
      // Between white and blue: full blue channel, red and green alike.
      ASSERT_EQ(qBlue(p), 255) << x << "," << y;
      ASSERT_EQ(qRed(p), qGreen(p)) << x << "," << y;
      if (qRed(p) < 128) ++inked;
    }
  }
  EXPECT_GT(inked, 20);
  view->SetWindow(nullptr);
}

}  // namespace
}  // namespace platform::qt
