#pragma once
// An owning handle for one host object reference. Every handle says whether it
// owns its reference; an owning handle releases it when destroyed or given a
// new one, a borrowing handle never does. Handles come from named operations
// only: TakeOver a reference the caller owned (every object a helper returns
// comes this way), Borrow one somebody else keeps, or take a Borrowed() view of
// another handle (a copy that adds no reference). Move-only.
//
// Anything stored into a handle (Assign, Put) is a reference the handle now
// owns, whatever it held before, so a borrowing handle cannot leak what it is
// given.

#include "platform/com.h"

#include <utility>

namespace korvat {

class AutomationObject {
 public:
  enum class Ownership : bool { Borrowed = false, Owned = true };

  AutomationObject() = default;  // empty, owning
  ~AutomationObject() { ReleaseIfOwned(); }

  AutomationObject(AutomationObject&& other) noexcept
      : object_(std::exchange(other.object_, nullptr)), ownership_(other.ownership_) {}
  AutomationObject& operator=(AutomationObject&& other) noexcept {
    if (this != &other) {
      ReleaseIfOwned();
      object_ = std::exchange(other.object_, nullptr);
      ownership_ = other.ownership_;
    }
    return *this;
  }
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;

  // Takes over a reference the caller owned (no AddRef).
  static AutomationObject TakeOver(IDispatch* object) { return AutomationObject(object, Ownership::Owned); }
  // A handle on the caller's object that neither takes nor releases a reference.
  static AutomationObject Borrow(IDispatch* object) { return AutomationObject(object, Ownership::Borrowed); }
  // A non-owning view of this handle's object; it must not outlive this handle.
  AutomationObject Borrowed() const { return Borrow(object_); }

  // Releases the old object when owning and takes over the new reference.
  void Assign(IDispatch* object) {
    ReleaseIfOwned();
    object_ = object;
    ownership_ = Ownership::Owned;
  }
  // Releases the current object when owning and returns the address where a
  // new reference is to be stored; the handle owns what is stored there.
  IDispatch** Put() {
    Assign(nullptr);
    return &object_;
  }
  void MarkOwned() { ownership_ = Ownership::Owned; }
  // Gives the object away without releasing it; the handle is left empty. The
  // caller owns the reference when the handle did.
  [[nodiscard]] IDispatch* Detach() { return std::exchange(object_, nullptr); }

  IDispatch* Get() const { return object_; }
  bool IsEmpty() const { return object_ == nullptr; }
  bool Owns() const { return ownership_ == Ownership::Owned; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  AutomationObject(IDispatch* object, Ownership ownership) : object_(object), ownership_(ownership) {}

  void ReleaseIfOwned() {
    if (Owns() && object_) object_->Release();
    object_ = nullptr;
  }

  IDispatch* object_ = nullptr;
  Ownership ownership_ = Ownership::Owned;
};

}  // namespace korvat
