#include "textstore/split_lines.h"

namespace textstore {

size_t LfLineCount(std::string_view text) {
  // Every LF ends one line (alone or after the CR that ended it), so this never counts more
  // lines than there are.
  size_t count = text.empty() || text.back() == '\n' ? 0 : 1;
  for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
    ++count;
  }
  return count;
}

std::vector<std::string> SplitLines(std::string_view text) {
  if (text.empty()) return {};
  std::vector<std::string> lines(LfLineCount(text));

  size_t count = 0;
  LineReader reader(text);
  for (std::string_view line; reader.Next(line); ++count) {
    if (count < lines.size()) {
      lines[count].assign(line);
    } else {
      lines.emplace_back(line);
    }
  }
  return lines;
}

}  // namespace textstore
