#pragma once
// Cutting a text into lines.

#include <string>
#include <string_view>
#include <vector>

namespace textstore {

// The lines of `text`: CR, LF and CR LF each end one line, and a break at the very end makes
// no empty last line ("a\r\n" is one line, "a\r\n\r\n" two). An empty text has no lines. Zero
// bytes are ordinary bytes. The result is sized from the LF count before it is filled, so a
// list filled from it can be sized once.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace textstore
