#pragma once
// Bound methods: an object and one of its member functions, called together. Two methods are
// equal when both the object and the function are equal, which is what listener lists rely on
// to find a registration again.

#include <type_traits>
#include <utility>

#include "platform/object.h"

namespace platform {

template <typename Sig>
class Method;

template <typename R, typename... Args>
class Method<R(Args...)> {
 public:
  Method() = default;
  // `object` may be of a class derived from the one that declares `code`.
  template <typename T, typename U>
  Method(U* object, R (T::*code)(Args...))
      : object_(static_cast<T*>(object)), code_(static_cast<Code>(code)) {
    static_assert(std::is_base_of_v<T, U>, "the object must have the method");
  }

  explicit operator bool() const { return object_ != nullptr && code_ != nullptr; }
  // Calling an unassigned method is the caller's fault: check it first.
  R operator()(Args... args) const { return (object_->*code_)(std::forward<Args>(args)...); }

  friend bool operator==(const Method&, const Method&) = default;

 private:
  using Code = R (TObject::*)(Args...);

  TObject* object_ = nullptr;
  Code code_ = nullptr;
};

// The usual event: the object that raised it is passed as the sender.
using TNotifyEvent = Method<void(TObject* Sender)>;

}  // namespace platform
