#include "textstore/width_fold.h"

#include <array>

#include "textstore/dbcs_string.h"

namespace textstore {
namespace {

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;
constexpr std::uint16_t kKatakanaVu = 0x8394;

// JIS X 0208 code to Shift_JIS.
constexpr std::uint16_t JisToShiftJis(int row, int cell) {
  int lead = (row + 1) / 2 + 0x70;
  if (lead >= 0xA0) lead += 0x40;
  int trail = row % 2 == 1 ? cell + 0x1F : cell + 0x7E;
  if (row % 2 == 1 && trail >= 0x7F) ++trail;
  return static_cast<std::uint16_t>(lead << 8 | trail);
}

// Cell in JIS X 0208 row 0x25 (katakana) of the half-width katakana 0xA6 ... 0xDD; 0 for 0xB0,
// the long-vowel mark, which lies outside that row.
constexpr std::array<std::uint8_t, 0xDD - 0xA6 + 1> kKatakanaCell = {
    0x72, 0x21, 0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,  // ｦ ｧ ｨ ｩ ｪ ｫ ｬ ｭ ｮ ｯ
    0x00, 0x22, 0x24, 0x26, 0x28, 0x2A,                          // ｰ ｱ ｲ ｳ ｴ ｵ
    0x2B, 0x2D, 0x2F, 0x31, 0x33,                                // ｶ ｷ ｸ ｹ ｺ
    0x35, 0x37, 0x39, 0x3B, 0x3D,                                // ｻ ｼ ｽ ｾ ｿ
    0x3F, 0x41, 0x44, 0x46, 0x48,                                // ﾀ ﾁ ﾂ ﾃ ﾄ
    0x4A, 0x4B, 0x4C, 0x4D, 0x4E,                                // ﾅ ﾆ ﾇ ﾈ ﾉ
    0x4F, 0x52, 0x55, 0x58, 0x5B,                                // ﾊ ﾋ ﾌ ﾍ ﾎ
    0x5E, 0x5F, 0x60, 0x61, 0x62,                                // ﾏ ﾐ ﾑ ﾒ ﾓ
    0x64, 0x66, 0x68,                                            // ﾔ ﾕ ﾖ
    0x69, 0x6A, 0x6B, 0x6C, 0x6D,                                // ﾗ ﾘ ﾙ ﾚ ﾛ
    0x6F, 0x73,                                                  // ﾜ ﾝ
};

constexpr std::uint16_t Katakana(unsigned char halfWidth, int offset) {
  return JisToShiftJis(0x25, kKatakanaCell[halfWidth - 0xA6] + offset);
}

constexpr bool HasVoicedForm(unsigned char b) {
  return (b >= 0xB6 && b <= 0xC4) || (b >= 0xCA && b <= 0xCE);
}
constexpr bool HasSemiVoicedForm(unsigned char b) {
  return b >= 0xCA && b <= 0xCE;
}

// Full-width code of every single byte; bytes without one map to themselves.
constexpr std::array<std::uint16_t, 256> MakeFullWidthTable() {
  std::array<std::uint16_t, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<std::uint16_t>(b);
  // ASCII 0x20 ... 0x7E; letters and digits run in order from ０, Ａ and ａ.
  constexpr std::array<std::uint16_t, 0x7F - 0x20> kAscii = {
      0x8140, 0x8149, 0x8168, 0x8194, 0x8190, 0x8193, 0x8195, 0x8166,  //   ! " # $ % & '
      0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E,  // ( ) * + , - . /
      0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,  // 0 ... 7
      0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148,  // 8 9 : ; < = > ?
      0x8197, 0,      0,      0,      0,      0,      0,      0,       // @ A ...
      0,      0,      0,      0,      0,      0,      0,      0,       //
      0,      0,      0,      0,      0,      0,      0,      0,       //
      0,      0,      0,      0x816D, 0x818F, 0x816E, 0x814F, 0x8151,  // ... Z [ \ ] ^ _
      0x814D, 0,      0,      0,      0,      0,      0,      0,       // ` a ...
      0,      0,      0,      0,      0,      0,      0,      0,       //
      0,      0,      0,      0,      0,      0,      0,      0,       //
      0,      0,      0,      0x816F, 0x8162, 0x8170, 0x8150,          // ... z { | } ~
  };
  for (int b = 0x20; b <= 0x7E; ++b) table[b] = kAscii[b - 0x20];
  for (int b = 'A'; b <= 'Z'; ++b) table[b] = static_cast<std::uint16_t>(0x8260 + b - 'A');
  for (int b = 'a'; b <= 'z'; ++b) table[b] = static_cast<std::uint16_t>(0x8281 + b - 'a');
  // Half-width punctuation ｡ ｢ ｣ ､ ･, katakana, ｰ and the two marks.
  table[0xA1] = 0x8142;
  table[0xA2] = 0x8175;
  table[0xA3] = 0x8176;
  table[0xA4] = 0x8141;
  table[0xA5] = 0x8145;
  for (int b = 0xA6; b <= 0xDD; ++b) {
    if (b != 0xB0) table[b] = Katakana(static_cast<unsigned char>(b), 0);
  }
  table[0xB0] = 0x815B;
  table[kVoicedMark] = 0x814A;
  table[kSemiVoicedMark] = 0x814B;
  return table;
}

constexpr std::array<std::uint16_t, 256> kFullWidth = MakeFullWidthTable();

}  // namespace

FoldedChar FoldToFullWidth(std::string_view s, size_t i) {
  unsigned char b = static_cast<unsigned char>(s[i]);
  unsigned char mark = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
  if (mark == kVoicedMark) {
    if (HasVoicedForm(b)) return {Katakana(b, 1), 2};
    if (b == 0xB3) return {kKatakanaVu, 2};
  } else if (mark == kSemiVoicedMark && HasSemiVoicedForm(b)) {
    return {Katakana(b, 2), 2};
  }
  return {kFullWidth[b], 1};
}

std::string ToFullWidth(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (size_t i = 0; i < s.size();) {
    if (CharSize(s, i) == 2) {
      out.append(s.substr(i, 2));
      i += 2;
      continue;
    }
    FoldedChar folded = FoldToFullWidth(s, i);
    if (folded.Code > 0xFF) out += static_cast<char>(folded.Code >> 8);
    out += static_cast<char>(folded.Code & 0xFF);
    i += folded.Size;
  }
  return out;
}

}  // namespace textstore
