#include "platform/help_file.h"

#include <algorithm>

#include "platform/line_breaks.h"
#include "platform/paths.h"
#include "platform/utf16.h"

namespace platform {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
constexpr std::string_view kIdeographicComma = "\xE3\x80\x81";

// The length of the blank that `text` begins with (ends with, when `atEnd`), 0 for none.
size_t BlankLength(std::string_view text, bool atEnd) {
  for (std::string_view blank : {std::string_view(" "), std::string_view("\t"), kIdeographicSpace}) {
    if (atEnd ? text.ends_with(blank) : text.starts_with(blank)) return blank.size();
  }
  return 0;
}

std::string_view Trimmed(std::string_view text) {
  while (const size_t length = BlankLength(text, false)) text.remove_prefix(length);
  while (const size_t length = BlankLength(text, true)) text.remove_suffix(length);
  return text;
}

void AddKeywords(std::string_view list, std::vector<std::string>& keywords) {
  for (;;) {
    const size_t comma = list.find(',');
    const size_t ideographic = list.find(kIdeographicComma);
    const size_t end = std::min(comma, ideographic);
    const std::string_view word = Trimmed(list.substr(0, end));
    if (!word.empty()) keywords.emplace_back(word);
    if (end == std::string_view::npos) return;
    list.remove_prefix(end + (end == comma ? 1 : kIdeographicComma.size()));
  }
}

std::string JoinText(const std::vector<std::string_view>& lines) {
  auto blank = [](std::string_view line) { return Trimmed(line).empty(); };
  auto first = std::find_if_not(lines.begin(), lines.end(), blank);
  auto last = std::find_if_not(lines.rbegin(), std::make_reverse_iterator(first), blank).base();
  std::string text;
  for (auto line = first; line != last; ++line) {
    if (line != first) text.push_back('\n');
    text.append(*line);
  }
  return text;
}

}  // namespace

std::vector<HelpTopic> ParseHelpText(std::string_view bytes) {
  const std::string valid = utf16::ToUtf8(utf16::FromUtf8(bytes));
  std::string_view text = valid;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());

  std::vector<HelpTopic> topics;
  std::vector<std::string_view> lines;  // the text lines of the last topic
  ForEachLine(text, [&](std::string_view line) {
    if (line.starts_with('#')) {
      if (!topics.empty()) topics.back().Text = JoinText(lines);
      lines.clear();
      topics.push_back({std::string(Trimmed(line.substr(1))), {}, {}});
    } else if (topics.empty()) {
      return;
    } else if (line.starts_with('@')) {
      AddKeywords(line.substr(1), topics.back().Keywords);
    } else {
      if (line.starts_with('\\')) line.remove_prefix(1);
      lines.push_back(line);
    }
  });
  if (!topics.empty()) topics.back().Text = JoinText(lines);
  return topics;
}

std::vector<HelpTopic> ReadHelpFile(const std::string& path) {
  std::vector<HelpTopic> topics = ParseHelpText(ReadFileBytes(path));
  if (topics.empty()) throw EHelpFileError(path);
  return topics;
}

EHelpFileError::EHelpFileError(std::string_view path)
    : Exception(FormatMessage("ヘルプ ファイル %s にはトピックがありません", {DisplayPath(path)})) {}

}  // namespace platform
