#include "tests/fuzz/fuzz_help.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/help_file.h"
#include "platform/line_breaks.h"
#include "platform/utf16.h"

namespace quillet::fuzz {
namespace {

using platform::HelpTopic;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "help: %s\n", what);
  std::abort();
}

bool IsValidUtf8(std::string_view text) {
  return platform::utf16::ToUtf8(platform::utf16::FromUtf8(text)) == text;
}

bool HasBlankEnd(std::string_view text) {
  for (std::string_view blank : {" ", "\t", "\u3000"}) {
    if (text.starts_with(blank) || text.ends_with(blank)) return true;
  }
  return false;
}

// A title or a keyword: one line, valid, no blanks around it.
void CheckWord(std::string_view word) {
  if (!IsValidUtf8(word)) Fail("a word is no UTF-8");
  if (word.find_first_of("\r\n") != std::string_view::npos) Fail("a word holds a line break");
  if (HasBlankEnd(word)) Fail("a word keeps a blank at an end");
}

void CheckTopic(const HelpTopic& topic) {
  CheckWord(topic.Title);
  for (const std::string& keyword : topic.Keywords) {
    CheckWord(keyword);
    if (keyword.empty()) Fail("an empty keyword");
    if (keyword.find(',') != std::string::npos || keyword.find("、") != std::string::npos) {
      Fail("a keyword holds a separator");
    }
  }
  if (!IsValidUtf8(topic.Text)) Fail("a text is no UTF-8");
  if (topic.Text.find('\r') != std::string::npos) Fail("a text keeps a CR");
  if (topic.Text.starts_with('\n') || topic.Text.ends_with('\n')) Fail("a blank line at an end");
}

// The topics written back in the format: each keyword on a line of its own, text lines that
// would read as something else escaped.
std::string Written(const std::vector<HelpTopic>& topics) {
  std::string out;
  for (const HelpTopic& topic : topics) {
    out += "# " + topic.Title + "\r\n";
    for (const std::string& keyword : topic.Keywords) out += "@" + keyword + "\n";
    platform::ForEachLine(topic.Text, [&](std::string_view line) {
      if (line.starts_with('#') || line.starts_with('@') || line.starts_with('\\')) out += '\\';
      out.append(line).append("\r");
    });
  }
  return out;
}

}  // namespace

void HelpBytes(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<HelpTopic> topics = platform::ParseHelpText(bytes);
  for (const HelpTopic& topic : topics) CheckTopic(topic);

  // The lines as the reader sees them: a byte order mark at the start is no part of the first
  // (and one is put in front of them again below, so that a second one stays in the line).
  std::string_view text = bytes;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string_view> lines;
  platform::ForEachLine(text, [&](std::string_view line) { lines.push_back(line); });
  size_t titles = 0;
  for (std::string_view line : lines) titles += line.starts_with('#') ? 1 : 0;
  if (topics.size() != titles) Fail("not one topic a title line");

  for (const char* lineEnd : {"\r\n", "\r", "\n"}) {
    std::string rejoined = "\xEF\xBB\xBF";
    for (std::string_view line : lines) rejoined.append(line).append(lineEnd);
    if (platform::ParseHelpText(rejoined) != topics) Fail("line ends change the topics");
  }
  if (platform::ParseHelpText(Written(topics)) != topics) Fail("written back, the topics differ");
}

}  // namespace quillet::fuzz
