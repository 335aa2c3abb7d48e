#pragma once
// The platform's version number, taken from the running kernel's release.

#include <string_view>

namespace platform {

struct OsVersion {
  int major = 0;
  int minor = 0;
};

// "6.1.0-18-amd64" gives 6.1; missing or broken parts count as 0.
OsVersion ParseKernelRelease(std::string_view release);

// The running system's version (uname).
OsVersion PlatformVersion();

}  // namespace platform
