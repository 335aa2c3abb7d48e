#include "textstore/split_lines.h"

#include <algorithm>

namespace textstore {

bool LineReader::Next(std::string_view& line) {
  if (position_ >= text_.size()) return false;
  // LF is found with one fast search per line break; a CR can only end the line before it.
  if (nextLf_ < position_) {
    nextLf_ = text_.find('\n', position_);
  }
  size_t end = std::min(nextLf_, text_.size());
  end = std::min(end, text_.substr(0, end).find('\r', position_));
  line = text_.substr(position_, end - position_);
  position_ = end;
  if (position_ < text_.size() && text_[position_] == '\r') ++position_;
  if (position_ < text_.size() && text_[position_] == '\n') ++position_;
  return true;
}

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
