#pragma once
// Font styles and sets of them.

#include <cstdint>
#include <initializer_list>

namespace platform {

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(std::initializer_list<TFontStyle> styles) {
    for (TFontStyle style : styles) bits_ |= Bit(style);
  }

  constexpr bool Contains(TFontStyle style) const { return (bits_ & Bit(style)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TFontStyles& Include(TFontStyle style) {
    bits_ |= Bit(style);
    return *this;
  }
  constexpr TFontStyles& Exclude(TFontStyle style) {
    bits_ &= static_cast<std::uint8_t>(~Bit(style));
    return *this;
  }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  static constexpr std::uint8_t Bit(TFontStyle style) {
    return static_cast<std::uint8_t>(1u << style);
  }

  std::uint8_t bits_ = 0;
};

}  // namespace platform
