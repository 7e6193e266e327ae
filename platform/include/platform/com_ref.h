#pragma once
// An owning reference to any COM interface other than the host objects'
// IDispatch (enumerators, for instance). Move-only; releases when destroyed.

#include "platform/com.h"

#include <utility>

namespace korvat {

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  explicit ComRef(Interface* p) : p_(p) {}  // takes over the reference
  ~ComRef() { Reset(); }
  ComRef(ComRef&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComRef& operator=(ComRef&& o) noexcept {
    if (this != &o) {
      Reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  Interface** Put() {
    Reset();
    return &p_;
  }
  Interface* Get() const { return p_; }
  Interface* operator->() const { return p_; }
  // Gives the reference away without releasing it; the caller owns it.
  [[nodiscard]] Interface* Detach() { return std::exchange(p_, nullptr); }
  explicit operator bool() const { return p_ != nullptr; }
  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  Interface* p_ = nullptr;
};

}  // namespace korvat
