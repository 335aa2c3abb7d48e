#pragma once
// Components: persistent objects with an owner and a construction chain that runs after the
// C++ constructors, so that the factory operations it calls reach the most derived class.

#include <memory>
#include <utility>
#include <vector>

#include "platform/persistent.h"

namespace platform {

class TComponent : public TPersistent {
 protected:
  // Only NewComponent can make one, so no component escapes its construction chain.
  class Key {
    Key() = default;
    template <typename T, typename... Args>
    friend std::unique_ptr<T> NewComponent(TComponent* Owner, Args&&... args);
  };

 public:
  // Descendants take the Key first and pass it on: TFoo(Key key, TComponent* Owner).
  TComponent(Key, TComponent* Owner) : owner_(Owner) {}
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  // Tells every component that asked for it (FreeNotification) that this one is going.
  ~TComponent() override;

  // The component this one belongs to (a back reference: whoever holds the unique_ptr that
  // NewComponent returned frees it).
  TComponent* Owner() const { return owner_; }
  TPersistent* GetOwner() const override { return owner_; }

  // A component that keeps a reference to this one asks to hear of its destruction through
  // Notification; RemoveFreeNotification withdraws the request. Either side may go first.
  void FreeNotification(TComponent* Listener);
  void RemoveFreeNotification(TComponent* Listener);

 protected:
  // `Component` is being destroyed: drop every reference to it.
  virtual void Notification(TComponent* /*Component*/) {}

  // The construction chain. An override calls its base's Create first, then makes its own
  // parts through its (overridable) factory operations.
  virtual void Create() {}

 private:
  template <typename T, typename... Args>
  friend std::unique_ptr<T> NewComponent(TComponent* Owner, Args&&... args);

  TComponent* owner_;
  // Both directions, so that whichever side is destroyed first unhooks the other.
  std::vector<TComponent*> freeNotifies_;
};

// Makes a component of class T: the C++ constructors, then its Create chain.
template <typename T, typename... Args>
std::unique_ptr<T> NewComponent(TComponent* Owner, Args&&... args) {
  std::unique_ptr<T> component(new T(TComponent::Key(), Owner, std::forward<Args>(args)...));
  static_cast<TComponent&>(*component).Create();
  return component;
}

}  // namespace platform
