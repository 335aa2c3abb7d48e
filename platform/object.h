#pragma once
// The common root of the class hierarchy: what bound methods point at and what senders are.

#include <string>

namespace platform {

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class's own name without namespaces ("TStringList"), as messages show it.
  std::string ClassName() const;
};

}  // namespace platform
