#pragma once
// The help file: a small text format of our own, in UTF-8 (unlike messages and keyword files,
// it ships with the program and is written by us, so it stays readable wherever it is edited).
//
//   # Title                a line beginning with '#' starts a topic; the rest of the line,
//                          blanks around it dropped, is the title (it may be empty)
//   @ word, word、word     a line beginning with '@' inside a topic adds keywords, separated
//                          by ',' or '、'; blanks around each are dropped, empty ones skipped
//   any other line         the topic's text, kept as it is; blank lines part paragraphs.
//                          A text line beginning with '\' loses that one byte, so "\#" is a
//                          text line "#", "\@" one beginning with '@' and "\\" one with '\'.
//
// Lines before the first title are comments. Lines end with CR LF, CR or LF; a byte order
// mark at the start is skipped. Any bytes read: each byte that is not part of valid UTF-8
// becomes U+FFFD, so every string read is valid UTF-8. Blanks are space, tab and U+3000.

#include <string>
#include <string_view>
#include <vector>

#include "platform/errors.h"

namespace platform {

struct HelpTopic {
  std::string Title;
  std::vector<std::string> Keywords;
  // The text lines joined with "\n", without blank lines at either end.
  std::string Text;

  bool operator==(const HelpTopic&) const = default;
};

// The topics of a help file's bytes, in file order.
std::vector<HelpTopic> ParseHelpText(std::string_view bytes);

// The topics of the help file `path`. Throws EFOpenError when it cannot be read and
// EHelpFileError when it holds no topic.
std::vector<HelpTopic> ReadHelpFile(const std::string& path);

// A help file without any topic. `path` is the operating system's bytes.
class EHelpFileError : public Exception {
 public:
  explicit EHelpFileError(std::string_view path);
};

}  // namespace platform
