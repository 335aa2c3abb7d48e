#pragma once
// Cutting a text into lines.

#include <string>
#include <string_view>
#include <vector>

#include "platform/line_breaks.h"

namespace textstore {

// The platform's one line rule; textstore code walks lines with it.
using platform::LineReader;

// The lines SplitLines finds in a non-empty `text` whose breaks are all LF or CR LF: one per
// LF, and one more for a last line without a break. Lines ended by a lone CR come on top, so
// it sizes a list of lines once for the common case.
size_t LfLineCount(std::string_view text);

// The lines of `text`: CR, LF and CR LF each end one line, and a break at the very end makes
// no empty last line ("a\r\n" is one line, "a\r\n\r\n" two). An empty text has no lines. Zero
// bytes are ordinary bytes. The result is sized by LfLineCount before it is filled.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace textstore
