#include "platform/osversion.h"

#include <sys/utsname.h>

namespace platform {
namespace {

// Reads the decimal number at `pos` and steps past it; 0 when there are no digits.
int ReadNumber(std::string_view text, size_t& pos) {
  int value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && value < 100000) {
    value = value * 10 + (text[pos++] - '0');
  }
  return value;
}

}  // namespace

OsVersion ParseKernelRelease(std::string_view release) {
  OsVersion v;
  size_t pos = 0;
  v.major = ReadNumber(release, pos);
  if (pos < release.size() && release[pos] == '.') {
    ++pos;
    v.minor = ReadNumber(release, pos);
  }
  return v;
}

OsVersion PlatformVersion() {
  struct utsname name;
  if (uname(&name) != 0) return {};
  return ParseKernelRelease(name.release);
}

}  // namespace platform
