#pragma once
// Objects whose values can be copied from another object of a compatible class.

#include <span>
#include <string_view>

#include "platform/object.h"

namespace platform {

class TPersistent;

// A published property whose value is an object, as walks by name reach it (settings readers,
// colour sweeps). Plain-valued properties are read through their owner's own accessors.
struct TPublishedProperty {
  std::string_view Name;
  // The object the property holds in Instance (an instance of the publishing class), or nullptr.
  TPersistent* (*Value)(TPersistent& Instance);
};

class TPersistent : public TObject {
 public:
  // Copies Source's values into this object. The base asks Source to do it (AssignTo); a class
  // that knows how to read its sources overrides Assign and hands the rest to its base.
  virtual void Assign(const TPersistent& Source);

  // The object that owns this one, or nullptr.
  virtual TPersistent* GetOwner() const { return nullptr; }

  // The class's published object-valued properties, inherited ones included, in name order.
  virtual std::span<const TPublishedProperty> PublishedProperties() const { return {}; }

 protected:
  // Copies this object's values into Dest; the base cannot, and raises the assignment error.
  virtual void AssignTo(TPersistent& Dest) const;

 private:
  // Raises EConvertError: "<Source's class> を <this class> に代入することはできません".
  [[noreturn]] void AssignError(const TPersistent& Source) const;
};

}  // namespace platform
