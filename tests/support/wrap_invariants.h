#pragma once
// What every layout of a line by the wrap routine keeps true, whatever the options and the
// bytes: shared by the property test and the wrap fuzz target.

#include <string>
#include <string_view>
#include <vector>

#include "textstore/row_attributes.h"
#include "textstore/wrap.h"

namespace testsupport {

// The rows WrapLines makes of one line (no line break in it), with their kinds.
struct WrappedLine {
  std::vector<std::string> Rows;
  std::vector<textstore::TRowKind> Kinds;
  friend bool operator==(const WrappedLine&, const WrappedLine&) = default;
};
WrappedLine WrapLine(textstore::TLineWrapper& wrapper, std::string_view line);

// The first rule the layout of `line` breaks, described, or an empty string.
std::string WrapViolation(textstore::TLineWrapper& wrapper, std::string_view line);

}  // namespace testsupport
