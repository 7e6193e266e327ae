#pragma once
// An owning handle for one host object reference. Empty handles own (owns 1);
// a handle that borrows (owns 0) never releases. Move-only: a copy that adds no
// reference is the named operation Borrowed().

#include "platform/com.h"

#include <utility>

namespace korvat {

class AutomationObject {
 public:
  AutomationObject() = default;
  // Takes over the reference (no AddRef): every object a helper returns comes this way.
  explicit AutomationObject(IDispatch* object) : object_(object) {}
  ~AutomationObject() { ReleaseIfOwned(); }

  AutomationObject(AutomationObject&& other) noexcept
      : object_(std::exchange(other.object_, nullptr)), owns_(other.owns_) {}
  AutomationObject& operator=(AutomationObject&& other) noexcept {
    if (this != &other) {
      ReleaseIfOwned();
      object_ = std::exchange(other.object_, nullptr);
      owns_ = other.owns_;
    }
    return *this;
  }
  AutomationObject(const AutomationObject&) = delete;
  AutomationObject& operator=(const AutomationObject&) = delete;

  // A handle on the caller's object that neither takes nor releases a reference.
  static AutomationObject Borrow(IDispatch* object) {
    AutomationObject handle(object);
    handle.owns_ = 0;
    return handle;
  }
  // A non-owning view of this handle's object; it must not outlive this handle.
  AutomationObject Borrowed() const { return Borrow(object_); }

  // Releases the old object when owning and stores the new one; owns is unchanged.
  void Assign(IDispatch* object) {
    ReleaseIfOwned();
    object_ = object;
  }
  // The address a result is stored at, after releasing the current object.
  IDispatch** Put() {
    Assign(nullptr);
    return &object_;
  }
  void MarkOwned() { owns_ = 1; }
  IDispatch* Detach() { return std::exchange(object_, nullptr); }

  IDispatch* Get() const { return object_; }
  bool IsEmpty() const { return object_ == nullptr; }
  bool Owns() const { return owns_ != 0; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  void ReleaseIfOwned() {
    if (owns_ && object_) object_->Release();
    object_ = nullptr;
  }

  IDispatch* object_ = nullptr;
  std::int64_t owns_ = 1;
};

}  // namespace korvat
