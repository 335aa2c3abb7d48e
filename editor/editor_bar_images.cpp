#include "editor/editor_bar_images.h"

#include <string>

namespace editor::bar_images {
namespace {

// Glyph rows 1-7; digit d takes characters 5d ... 5d + 4 of each row, X is ink.
constexpr const char* kGlyphRows[7] = {
    "..XX...X....XX...XX....X..XXXX..XX..XXXX..XX...XX.",
    ".X..X.XX...X..X.X..X..XX..X....X..X....X.X..X.X..X",
    ".X..X..X......X....X..XX..XXX..X......X..X..X.X..X",
    ".X..X..X.....X....X..X.X..X..X.XXX....X...XX...XXX",
    ".X..X..X....X......X.XXXX....X.X..X..X...X..X....X",
    ".X..X..X...X....X..X...X..X..X.X..X..X...X..X.X..X",
    "..XX...X...XXXX..XX....X...XX...XX...X....XX...XX.",
};

// The digit images: a navy frame round a light face with the glyph in navy.
constexpr platform::TRgb kFrame{0, 0, 128};
constexpr platform::TRgb kFace{255, 255, 204};

// The mark images, 11 x 11, X drawn in the mark's colour.
constexpr const char* kMarkShapes[6][11] = {
    // 10: a disc
    {"...XXXXX...", "..XXXXXXX..", ".XXXXXXXXX.", "XXXXXXXXXXX", "XXXXXXXXXXX", "XXXXXXXXXXX",
     "XXXXXXXXXXX", "XXXXXXXXXXX", ".XXXXXXXXX.", "..XXXXXXX..", "...XXXXX..."},
    // 11: a square
    {"...........", ".XXXXXXXXX.", ".XXXXXXXXX.", ".XXXXXXXXX.", ".XXXXXXXXX.", ".XXXXXXXXX.",
     ".XXXXXXXXX.", ".XXXXXXXXX.", ".XXXXXXXXX.", ".XXXXXXXXX.", "..........."},
    // 12: a triangle
    {".....X.....", ".....X.....", "....XXX....", "....XXX....", "...XXXXX...", "...XXXXX...",
     "..XXXXXXX..", "..XXXXXXX..", ".XXXXXXXXX.", ".XXXXXXXXX.", "XXXXXXXXXXX"},
    // 13: a diamond
    {".....X.....", "....XXX....", "...XXXXX...", "..XXXXXXX..", ".XXXXXXXXX.", "XXXXXXXXXXX",
     ".XXXXXXXXX.", "..XXXXXXX..", "...XXXXX...", "....XXX....", ".....X....."},
    // 14: a cross
    {"XX.......XX", "XXX.....XXX", ".XXX...XXX.", "..XXX.XXX..", "...XXXXX...", "....XXX....",
     "...XXXXX...", "..XXX.XXX..", ".XXX...XXX.", "XXX.....XXX", "XX.......XX"},
    // 15: an arrow
    {"....X......", "....XX.....", "....XXX....", "XXXXXXXX...", "XXXXXXXXX..", "XXXXXXXXXX.",
     "XXXXXXXXX..", "XXXXXXXX...", "....XXX....", "....XX.....", "....X......"},
};
constexpr platform::TRgb kMarkColors[6] = {{208, 0, 0},   {0, 144, 0},   {0, 0, 224},
                                           {176, 0, 176}, {224, 112, 0}, {0, 128, 128}};

}  // namespace

bool GlyphInk(int D, int X, int Y) {
  if (D < 0 || D > 9 || X < 0 || X > 4 || Y < 1 || Y > 7) return false;
  return kGlyphRows[Y - 1][5 * D + X] == 'X';
}

int GlyphAdvance(int D) { return D == 1 ? 3 : 5; }

int DrawNumber(platform::TCanvas& Canvas, platform::TPoint At, int N, platform::TRgb Ink,
               platform::TRgb Back) {
  int x = At.X;
  for (const char c : std::to_string(N)) {
    const int d = c - '0';
    const int advance = GlyphAdvance(d);
    Canvas.FillRect({x, At.Y, x + advance, At.Y + kGlyphHeight}, Back);
    for (int gy = 1; gy < kGlyphHeight - 1; ++gy) {
      for (int gx = 0; gx < advance; ++gx) {
        if (GlyphInk(d, gx, gy)) Canvas.SetPixel({x + gx, At.Y + gy}, Ink);
      }
    }
    x += advance;
  }
  return x - At.X;
}

void DrawDigitImage(platform::TCanvas& Canvas, platform::TPoint At, int D) {
  const int x = At.X;
  const int y = At.Y;
  Canvas.FillRect({x, y, x + kDigitImageWidth, y + kImageHeight}, kFrame);
  Canvas.FillRect({x + 1, y + 1, x + kDigitImageWidth - 1, y + kImageHeight - 1}, kFace);
  // The glyph's 5 x 9 cell inside the frame; its ink lies in columns 2-5, rows 2-8.
  for (int gy = 1; gy < kGlyphHeight - 1; ++gy) {
    for (int gx = 0; gx < 5; ++gx) {
      if (GlyphInk(D, gx, gy)) Canvas.SetPixel({x + 1 + gx, y + 1 + gy}, kFrame);
    }
  }
}

void DrawMarkImage(platform::TCanvas& Canvas, platform::TPoint At, int I) {
  if (I < 0 || I > 5) return;
  for (int row = 0; row < kImageHeight; ++row) {
    const std::string_view line = kMarkShapes[I][row];
    // Runs of ink as one fill each.
    for (int col = 0; col < kMarkImageWidth;) {
      if (line[static_cast<size_t>(col)] != 'X') {
        ++col;
        continue;
      }
      const int start = col;
      while (col < kMarkImageWidth && line[static_cast<size_t>(col)] == 'X') ++col;
      Canvas.FillRect({At.X + start, At.Y + row, At.X + col, At.Y + row + 1}, kMarkColors[I]);
    }
  }
}

}  // namespace editor::bar_images
