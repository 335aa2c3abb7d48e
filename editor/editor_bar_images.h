#pragma once
// The pictures of the margin bars, drawn by code: the ruler's digit glyphs, and the built-in
// images of the image bar, 8 x 11 digit images for row marks 0-9 and 11 x 11 mark images for
// marks 10-15. Everything is drawn straight onto a canvas; the canvas clip limits it.

#include "platform/canvas.h"

namespace editor::bar_images {

inline constexpr int kGlyphHeight = 9;
// Whether pixel (X, Y) of digit D's ruler glyph is ink: X 0-4, Y 0-8 (rows 0 and 8 blank).
bool GlyphInk(int D, int X, int Y);
// The columns the ruler gives digit D: 3 for "1" (the first three of its glyph), else 5.
int GlyphAdvance(int D);
// The ruler number N with its glyph tops at At: each digit's columns in Ink where the glyph
// has ink, in Back elsewhere, kGlyphHeight rows high. Answers the width drawn.
int DrawNumber(platform::TCanvas& Canvas, platform::TPoint At, int N, platform::TRgb Ink,
               platform::TRgb Back);

inline constexpr int kImageHeight = 11;
inline constexpr int kDigitImageWidth = 8;
inline constexpr int kMarkImageWidth = 11;
// The built-in image of row mark D (0-9) with its top left at At; every pixel is drawn.
void DrawDigitImage(platform::TCanvas& Canvas, platform::TPoint At, int D);
// The built-in image of row mark 10 + I (I 0-5); pixels outside its shape are left alone.
void DrawMarkImage(platform::TCanvas& Canvas, platform::TPoint At, int I);

}  // namespace editor::bar_images
