#include "app/file_url.h"

#include "app/message.h"
#include "platform/strings.h"

namespace quillet {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string LocalPathFromUrl(std::string_view text) {
  constexpr std::string_view kScheme = "file://";
  if (!text.starts_with(kScheme)) return std::string(text);
  const std::string_view rest = text.substr(kScheme.size());
  const size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return std::string(text);
  const std::string_view host = rest.substr(0, slash);
  if (!host.empty() && platform::CompareText(host, "localhost") != 0) return std::string(text);
  std::string path;
  path.reserve(rest.size() - slash);
  for (size_t i = slash; i < rest.size(); ++i) {
    const int high = rest[i] == '%' && i + 2 < rest.size() ? HexValue(rest[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(rest[i + 2]) : -1;
    if (low < 0 || (high == 0 && low == 0)) {
      path.push_back(rest[i]);
      continue;
    }
    path.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return path;
}

std::string MessagePathFromArguments(const std::vector<std::string>& args) {
  return LocalPathFromUrl(JoinArguments(args));
}

}  // namespace quillet
