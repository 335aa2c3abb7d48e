#include "platform/ini_text.h"

#include <algorithm>

#include "platform/cp932.h"

namespace platform::ini {
namespace {

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
constexpr bool IsQuote(char c) {
  return c == '"' || c == '\'';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

enum class LineKind { kOther, kSection, kKey };

// What one line (without its line break) holds. `value` is trimmed but keeps its quotes; it
// points into the line, so that a write can replace exactly its bytes.
struct ParsedLine {
  LineKind kind = LineKind::kOther;
  std::string_view name;
  std::string_view value;
};

ParsedLine ParseLine(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == ';') return {};
  if (line.front() == '[') {
    size_t end = 1;
    while (end < line.size() && line[end] != ']') {
      end += cp932::IsLeadByte(static_cast<unsigned char>(line[end])) ? 2 : 1;
    }
    end = std::min(end, line.size());
    return {LineKind::kSection, Trim(line.substr(1, end - 1)), {}};
  }
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return {LineKind::kKey, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Walks the lines of a text, each without its line break.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}

  // Moves to the next line; false past the last one. A text that ends in a line break has no
  // empty line after it.
  bool Next() {
    if (next_ >= text_.size()) return false;
    begin_ = next_;
    end_ = std::min(text_.find_first_of("\r\n", begin_), text_.size());
    next_ = end_ + (text_.compare(end_, 2, "\r\n") == 0 ? 2 : 1);
    return true;
  }
  std::string_view Line() const { return text_.substr(begin_, end_ - begin_); }
  size_t End() const { return end_; }

 private:
  std::string_view text_;
  size_t begin_ = 0;
  size_t end_ = 0;
  size_t next_ = 0;
};

// Where a key stands in a text, or where it would go.
struct Place {
  bool sectionFound = false;
  size_t keyInsert = 0;  // end of the section's last key line, or of its header line
  bool keyFound = false;
  size_t valueBegin = 0;
  size_t valueSize = 0;
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
  const std::string wantedSection = cp932::AnsiUpperCase(section);
  const std::string wantedKey = cp932::AnsiUpperCase(key);
  Place place;
  for (LineCursor cursor(text); cursor.Next();) {
    const ParsedLine line = ParseLine(cursor.Line());
    if (line.kind == LineKind::kSection) {
      if (place.sectionFound) break;
      place.sectionFound = cp932::AnsiUpperCase(line.name) == wantedSection;
      place.keyInsert = cursor.End();
    } else if (place.sectionFound && line.kind == LineKind::kKey) {
      place.keyInsert = cursor.End();
      if (cp932::AnsiUpperCase(line.name) == wantedKey) {
        place.keyFound = true;
        place.valueBegin = static_cast<size_t>(line.value.data() - text.data());
        place.valueSize = line.value.size();
        break;
      }
    }
  }
  return place;
}

std::string_view Limit(std::string_view value) {
  if (value.size() <= kMaxValueSize) return value;
  size_t end = 0;
  for (;;) {
    const size_t next = end + (cp932::IsLeadByte(static_cast<unsigned char>(value[end])) ? 2 : 1);
    if (next > kMaxValueSize) return value.substr(0, end);
    end = next;
  }
}

// Appended piece by piece: GCC 12 at -O3 takes "x" + std::string(...) for an overlapping copy
// (a false -Werror=restrict).
std::string Enclosed(char open, std::string_view text, char close) {
  std::string enclosed;
  enclosed.reserve(text.size() + 2);
  enclosed += open;
  enclosed += text;
  enclosed += close;
  return enclosed;
}

std::string Quote(std::string_view value) {
  const bool quote = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                        Unquote(value).size() != value.size());
  return quote ? Enclosed('"', value, '"') : std::string(value);
}

// True when the section's header line and the key's line read back as what they were made of.
bool ReadsBack(const std::string& header, std::string_view section, const std::string& keyLine,
               std::string_view key, std::string_view value) {
  if ((header + keyLine).find_first_of("\r\n") != std::string::npos) return false;
  const ParsedLine readHeader = ParseLine(header);
  const ParsedLine readKey = ParseLine(keyLine);
  return readHeader.kind == LineKind::kSection && readHeader.name == section &&
         readKey.kind == LineKind::kKey && readKey.name == key && Unquote(readKey.value) == value;
}

std::string_view LineBreakOf(std::string_view text) {
  const size_t at = text.find_first_of("\r\n");
  if (at == std::string_view::npos || text.compare(at, 2, "\r\n") == 0) return "\r\n";
  return text.substr(at, 1);
}

}  // namespace

std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
  const Place place = Locate(text, section, key);
  if (!place.keyFound) return std::nullopt;
  return Limit(Unquote(text.substr(place.valueBegin, place.valueSize)));
}

std::optional<std::string> SetValue(std::string_view text, std::string_view section,
                                    std::string_view key, std::string_view value) {
  const std::string stored = Quote(value);
  const std::string header = Enclosed('[', section, ']');
  const std::string keyLine = std::string(key) + "=" + stored;
  if (!ReadsBack(header, section, keyLine, key, value)) return std::nullopt;

  const Place place = Locate(text, section, key);
  std::string out(text);
  const std::string_view lineBreak = LineBreakOf(text);
  if (place.keyFound) {
    out.replace(place.valueBegin, place.valueSize, stored);
  } else if (place.sectionFound) {
    out.insert(place.keyInsert, std::string(lineBreak) + keyLine);
  } else {
    if (!text.empty() && text.back() != '\r' && text.back() != '\n') out += lineBreak;
    out.append(header).append(lineBreak).append(keyLine).append(lineBreak);
  }
  return out;
}

}  // namespace platform::ini
