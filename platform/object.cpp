#include "platform/object.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace platform {

std::string TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
  std::string name = status == 0 ? demangled.get() : mangled;
  // Strip the namespaces, but not the "::" inside template arguments.
  size_t scopeEnd = name.rfind("::", name.find('<'));
  return scopeEnd == std::string::npos ? name : name.substr(scopeEnd + 2);
}

}  // namespace platform
