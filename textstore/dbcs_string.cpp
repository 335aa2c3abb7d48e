#include "textstore/dbcs_string.h"

#include <algorithm>

namespace textstore {
namespace {

// 0-based start of the character that holds byte `i` (i < length).
size_t CharStartOf(std::string_view s, size_t i) {
  size_t start = 0;
  while (start + CharSize(s, start) <= i) start += CharSize(s, start);
  return start;
}

bool InRange(std::string_view s, std::ptrdiff_t i) {
  return i >= 1 && static_cast<size_t>(i) <= s.size();
}

}  // namespace

std::ptrdiff_t CountChar(std::string_view s, char ch, std::ptrdiff_t limit) {
  if (limit <= 0) return 0;
  s = s.substr(0, static_cast<size_t>(limit));
  return std::count(s.begin(), s.end(), ch);
}

bool IsLeadByteAt(std::string_view s, std::ptrdiff_t i) {
  if (!InRange(s, i)) return false;
  size_t at = static_cast<size_t>(i - 1);
  return CharStartOf(s, at) == at && CharSize(s, at) == 2;
}

bool IsTrailByteAt(std::string_view s, std::ptrdiff_t i) {
  if (!InRange(s, i)) return false;
  size_t at = static_cast<size_t>(i - 1);
  return CharStartOf(s, at) != at;
}

char CharAt(std::string_view s, std::ptrdiff_t i) {
  return InRange(s, i) ? s[static_cast<size_t>(i - 1)] : '\0';
}

bool IncludesChar(std::string_view ch, std::string_view list) {
  if (ch.empty() || ch.size() > list.size()) return false;
  for (size_t i = 0; i < list.size();) {
    std::string_view listChar = list.substr(i, CharSize(list, i));
    if (listChar == ch) return true;
    i += listChar.size();
  }
  return false;
}

}  // namespace textstore
