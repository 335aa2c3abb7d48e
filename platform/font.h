#pragma once
// A control's font as its properties see it: face, height, colour, style and character set,
// each change reported through OnChange. Sizes are points at 96 pixels per inch.

#include <string>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/font_style.h"
#include "platform/notify_persistent.h"

namespace platform {

inline constexpr int kPixelsPerInch = 96;
inline constexpr int kShiftJisCharset = 128;

class TFont : public TNotifyPersistent {
 public:
  const std::string& Name() const { return name_; }  // CP932 bytes
  void SetName(const std::string& Value);
  // The platform's height convention: negative is the character height in pixels.
  int Height() const { return height_; }
  void SetHeight(int Value);
  // Points, rounded: Height = -Size * 96 / 72.
  int Size() const;
  void SetSize(int Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles Value);
  int Charset() const { return charset_; }
  void SetCharset(int Value);

  TFontSpec Spec() const { return {name_, height_, style_}; }

  void Assign(const TPersistent& Source) override;

 private:
  std::string name_ = "FixedSys";
  int height_ = -16;  // 12 points
  TColor color_ = clWindowText;
  TFontStyles style_;
  int charset_ = 1;  // the default character set
};

}  // namespace platform
