#pragma once
// `grep -c PATTERN FILE`, its output thrown away: the yardstick the search benchmarks are
// compared with.

#include <string>

namespace bench {

void RunGrepCount(const std::string& pattern, const std::string& file);

}  // namespace bench
