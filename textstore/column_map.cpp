#include "textstore/column_map.h"

#include <algorithm>

#include "textstore/dbcs_string.h"

namespace textstore {
namespace {

constexpr char kTab = '\t';
constexpr int kUnwrappedMapLimit = 1000;
constexpr int kWrappedMapExtra = 3;

}  // namespace

int TabColumns(std::ptrdiff_t column, const ColumnRules& rules) {
  std::ptrdiff_t tab = std::max(1, rules.TabWidth);
  std::ptrdiff_t columns = tab - column % tab;
  if (rules.WordWrap) {
    std::ptrdiff_t wrap = std::max(1, rules.WrapWidth);
    columns = std::min(columns, wrap - column % wrap);
  }
  return static_cast<int>(columns);
}

std::string ColumnMap(std::string_view s, const ColumnRules& rules) {
  const size_t limit = rules.WordWrap
                           ? static_cast<size_t>(std::max(1, rules.WrapWidth) + kWrappedMapExtra)
                           : kUnwrappedMapLimit;
  std::string map;
  map.reserve(std::min(limit, s.size()) + 8);  // a tab on the limit may overshoot it
  for (size_t i = 0; i < s.size() && map.size() < limit;) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (CharSize(s, i) == 2) {
      map += kColumnLead;
      map += kColumnTrail;
      i += 2;
      continue;
    }
    if (b == kTab) {
      int columns = TabColumns(static_cast<std::ptrdiff_t>(map.size()), rules);
      map += kColumnDelimiter;
      map.append(static_cast<size_t>(columns - 1), kColumnTabFill);
    } else {
      map += rules.Delimiters[b] ? kColumnDelimiter : kColumnWord;
    }
    ++i;
  }
  return map;
}

std::ptrdiff_t ColumnWidth(std::string_view s, const ColumnRules& rules) {
  std::ptrdiff_t width = 0;
  for (size_t i = 0; i < s.size();) {
    size_t size = CharSize(s, i);
    width += s[i] == kTab ? TabColumns(width, rules) : static_cast<std::ptrdiff_t>(size);
    i += size;
  }
  return width;
}

std::ptrdiff_t LeadingWidth(std::string_view s, const ColumnRules& rules) {
  if (s.empty()) return -1;
  std::ptrdiff_t width = 0;
  for (size_t i = 0; i < s.size();) {
    if (s[i] == ' ') {
      width += 1;
      i += 1;
    } else if (s[i] == kTab) {
      width += TabColumns(width, rules);
      i += 1;
    } else if (s.substr(i, 2) == "\x81\x40") {
      width += 2;
      i += 2;
    } else {
      break;
    }
  }
  return width;
}

}  // namespace textstore
