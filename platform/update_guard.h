#pragma once
// Holds an update bracket open for one scope: BeginUpdate now, EndUpdate on every way out,
// failures included. Works with anything that has BeginUpdate and EndUpdate.

namespace platform {

template <typename T>
class UpdateGuard {
 public:
  explicit UpdateGuard(T& target) : target_(target) { target_.BeginUpdate(); }
  UpdateGuard(const UpdateGuard&) = delete;
  UpdateGuard& operator=(const UpdateGuard&) = delete;
  ~UpdateGuard() { target_.EndUpdate(); }

 private:
  T& target_;
};

}  // namespace platform
