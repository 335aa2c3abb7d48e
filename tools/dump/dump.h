#pragma once
// quillet-dump as a function: the program's arguments in, the report on `out`, errors and usage
// on `err`, the exit status back.

#include <ostream>
#include <string>
#include <vector>

namespace dump {

// `args[0]` is the program. Returns 0 after a report (or --help), 1 when the message cannot be
// loaded or memory runs out, 2 for a usage error.
int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace dump
