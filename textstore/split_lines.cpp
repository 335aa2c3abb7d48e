#include "textstore/split_lines.h"

#include <algorithm>

namespace textstore {

std::vector<std::string> SplitLines(std::string_view text) {
  if (text.empty()) return {};
  // Every LF ends one line (alone or after the CR that ended it), so this never counts more
  // lines than there are; only lines ended by a lone CR are appended beyond it.
  size_t expected = static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
  if (text.back() == '\n') --expected;
  std::vector<std::string> lines(expected + 1);

  size_t count = 0;
  for (size_t i = 0; i < text.size();) {
    size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(i, end - i);
    if (count < lines.size()) {
      lines[count].assign(line);
    } else {
      lines.emplace_back(line);
    }
    ++count;
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

}  // namespace textstore
