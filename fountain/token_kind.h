#pragma once
// Token kinds: one byte each. The values are an interface: row states store them, and the
// main window acts on toUrl and toMail. 2, 5, 10, 13 and values above 28 are never produced.

#include <cstdint>

namespace fountain {

enum TTokenKind : std::uint8_t {
  toEof = 0,          // no further token: NUL, CR or LF at the token start
  toSymbol = 1,       // one byte no other procedure claims
  toInteger = 3,      // ASCII digits
  toFloat = 4,        // digits with a decimal point and/or an exponent
  toBracket = 6,      // left bracket to right bracket, possibly over several rows
  toComment = 7,      // comment opener to the end of the line
  toReserve = 8,      // a reserved word carried to the next row
  toTab = 9,          // one TAB
  toAnk = 11,         // ASCII letters, digits and "_"
  toDbcsSymbol = 12,  // one double-byte symbol
  toDbcsDigit = 14,   // full-width digits
  toDbcsAlpha = 15,   // full-width Latin letters
  toHiragana = 16,
  toKatakana = 17,    // full-width katakana
  toKanji = 18,
  toKanaSymbol = 19,  // one half-width kana punctuation byte
  toKana = 20,        // half-width katakana
  toUrl = 21,
  toMail = 22,
  toHex = 23,         // hexadecimal digits after a hex prefix
  toSingleQuote = 24,
  toDoubleQuote = 25,
  toQuotation = 26,   // string in the editor fountain's quotation character
  toCharCode = 27,    // "#" and decimal digits
  toHexCharCode = 28, // "#$" and hexadecimal digits
};

}  // namespace fountain
