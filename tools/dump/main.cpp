// quillet-dump: loads a message as the viewer does and prints what the viewer would show.
#include <iostream>
#include <string>
#include <vector>

#include "tools/dump/dump.h"

int main(int argc, char** argv) {
  // The report is written through iostreams only; unsynchronised they buffer.
  std::ios::sync_with_stdio(false);
  return dump::RunDump(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr);
}
