#include "textstore/column_map.h"

#include <algorithm>

#include "platform/cp932.h"
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
  std::string map;
  ExtendColumnMap(map, s, 0, rules);
  return map;
}

size_t ExtendColumnMap(std::string& map, std::string_view s, size_t from,
                       const ColumnRules& rules) {
  const size_t limit = rules.WordWrap
                           ? static_cast<size_t>(std::max(1, rules.WrapWidth) + kWrappedMapExtra)
                           : kUnwrappedMapLimit;
  size_t column = map.size();
  size_t i = from;
  if (column >= limit || i >= s.size()) return std::min(i, s.size());
  // Every byte but a tab takes at most one column, a lone lead byte at the end two, and the
  // last character may overshoot the limit by one; a tab makes room for its fill itself.
  map.resize(std::min(limit, column + (s.size() - i)) + 1);
  char* out = map.data();
  while (i < s.size() && column < limit) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (platform::cp932::IsLeadByte(b)) {
      out[column++] = kColumnLead;
      out[column++] = kColumnTrail;
      i += 2;
    } else if (b == kTab) {
      size_t columns = static_cast<size_t>(TabColumns(static_cast<std::ptrdiff_t>(column), rules));
      size_t after = column + columns;
      size_t need = std::max(after, std::min(limit, after + (s.size() - i - 1)) + 1);
      if (map.size() < need) {
        map.resize(need);
        out = map.data();
      }
      out[column] = kColumnDelimiter;
      std::fill_n(out + column + 1, columns - 1, kColumnTabFill);
      column += columns;
      ++i;
    } else {
      out[column++] = rules.Delimiters[b] ? kColumnDelimiter : kColumnWord;
      ++i;
    }
  }
  map.resize(column);
  return std::min(i, s.size());
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
