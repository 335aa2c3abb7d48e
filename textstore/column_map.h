#pragma once
// How a row's bytes fall on the view's fixed grid of columns: the column-class map, widths of
// whole strings and of their leading blanks. The tab and wrap settings belong to the text view
// and come in as ColumnRules.

#include <cstddef>
#include <string>
#include <string_view>

#include "textstore/word_delimiters.h"

namespace textstore {

// One class byte per column of a column map.
inline constexpr char kColumnEnd = '0';        // end marker of the column cursor
inline constexpr char kColumnWord = '1';       // single-byte word character
inline constexpr char kColumnDelimiter = '2';  // single-byte delimiter; a tab too
inline constexpr char kColumnTabFill = '3';    // fill column after a tab
inline constexpr char kColumnLead = '4';       // first column of a double-byte character
inline constexpr char kColumnTrail = '5';      // second column of a double-byte character

// Columns-per-tab and wrap settings; widths below 1 are taken as 1.
struct ColumnRules {
  int TabWidth = 8;
  bool WordWrap = false;
  int WrapWidth = 80;
  ByteSet Delimiters = DefaultWordDelimiters();
};

// Columns a tab at 0-based column `column` covers, its own column included: up to the next tab
// stop and, with word wrap, never across a multiple of the wrap width.
int TabColumns(std::ptrdiff_t column, const ColumnRules& rules);

// The column-class map of `s`. Only the part up to the next wrap is ever examined, so the map
// stops after the character that takes it to WrapWidth + 3 columns (word wrap on) or 1000
// columns (off); it may overshoot that by the last character's width. A lone lead byte at the
// end still gets both of its columns.
std::string ColumnMap(std::string_view s, const ColumnRules& rules);

// Goes on with `map`, the column map of the first `from` bytes of `s`, up to the same limit,
// and returns the number of bytes of `s` the map then describes. The wrap routine keeps what
// it can of a row's map for the rest of the line instead of mapping the rest anew.
size_t ExtendColumnMap(std::string& map, std::string_view s, size_t from, const ColumnRules& rules);

// Columns of the whole of `s`, counted as the map counts them but without its limit.
std::ptrdiff_t ColumnWidth(std::string_view s, const ColumnRules& rules);

// Columns of the leading spaces, double-byte spaces and tabs of `s`; -1 for an empty string.
std::ptrdiff_t LeadingWidth(std::string_view s, const ColumnRules& rules);

}  // namespace textstore
