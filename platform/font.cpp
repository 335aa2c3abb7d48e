#include "platform/font.h"

namespace platform {
namespace {

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
  long long p = static_cast<long long>(a) * b;
  long long half = c / 2;
  return static_cast<int>(p >= 0 ? (p + half) / c : (p - half) / c);
}

template <class T>
void Store(TFont& font, T& field, const T& value) {
  if (field == value) return;
  field = value;
  font.Changed();
}

}  // namespace

void TFont::SetName(const std::string& Value) { Store(*this, name_, Value); }
void TFont::SetHeight(int Value) { Store(*this, height_, Value); }
int TFont::Size() const { return -MulDiv(height_, 72, kPixelsPerInch); }
void TFont::SetSize(int Value) { SetHeight(-MulDiv(Value, kPixelsPerInch, 72)); }
void TFont::SetColor(TColor Value) { Store(*this, color_, Value); }
void TFont::SetStyle(TFontStyles Value) { Store(*this, style_, Value); }
void TFont::SetCharset(int Value) { Store(*this, charset_, Value); }

void TFont::Assign(const TPersistent& Source) {
  const auto* font = dynamic_cast<const TFont*>(&Source);
  if (font == nullptr) {
    TNotifyPersistent::Assign(Source);
    return;
  }
  BeginUpdate();
  name_ = font->name_;
  height_ = font->height_;
  color_ = font->color_;
  style_ = font->style_;
  charset_ = font->charset_;
  EndUpdate();
}

}  // namespace platform
