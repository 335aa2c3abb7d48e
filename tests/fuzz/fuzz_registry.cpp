#include "tests/fuzz/fuzz_registry.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/cp932.h"
#include "platform/errors.h"
#include "platform/registry.h"

namespace quillet::fuzz {
namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "registry: %s\n", what);
  std::abort();
}

// Whether `read` gives a value; false when it raises the registry error.
template <class Read>
bool Reads(Read read) {
  try {
    read();
    return true;
  } catch (const platform::ERegistryException&) {
    return false;
  }
}

// A name as CP932, or nothing when CP932 cannot spell it.
std::optional<std::string> Spelled(const std::string& utf8) {
  std::string cp932 = platform::cp932::FromUtf8(utf8);
  if (platform::cp932::ToUtf8(cp932) != utf8) return std::nullopt;
  return cp932;
}

void CheckValue(const platform::TRegistryKey& key, const std::string& name) {
  const auto spelled = Spelled(name);
  if (!spelled) return;
  if (!key.ValueExists(*spelled)) Fail("a value does not open by its name");
  const int reads = Reads([&] { key.ReadInteger(*spelled); }) + Reads([&] { key.ReadString(*spelled); }) +
                    Reads([&] { key.ReadBinaryData(*spelled); });
  if (reads > 1) Fail("a value reads as two types");
}

}  // namespace

void RegistryBytes(const std::uint8_t* data, std::size_t size) {
  namespace registry = platform::registry;
  registry::Keys keys = registry::ParseFile(std::string_view(reinterpret_cast<const char*>(data), size));
  const platform::TRegistry opened(keys);
  for (const auto& [path, values] : keys) {
    if (registry::FoldKeyPath(path) != path) Fail("a key path is not folded");
    for (const auto& each : values) {
      if (registry::FoldName(each.first) != each.first) Fail("a value name is not folded");
    }
    const auto spelled = Spelled(path);
    if (!spelled) continue;
    const auto key = opened.OpenKeyReadOnly(*spelled);
    if (!key) Fail("a key does not open by its path");
    for (const auto& each : values) CheckValue(*key, each.first);
  }
}

}  // namespace quillet::fuzz
