#pragma once
// The owner of one VARIANT: it starts empty and clears what it holds when it is
// destroyed, reset or filled again, so no code outside the owners and the
// platform layer clears a VARIANT by hand. Move-only.
//
// A VARIANT somebody else owns (an out-parameter, a slot of DISPPARAMS) is
// handled through the named operations: TakeOver moves its value into an owner
// and leaves it empty, MoveTo hands the owner's value out into it (clearing what
// it held first).

#include "platform/com.h"

#include <utility>

namespace korvat {

class VariantOwner {
 public:
  VariantOwner() noexcept { VariantInit(&value_); }
  ~VariantOwner() { VariantClear(&value_); }
  VariantOwner(VariantOwner&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
  VariantOwner& operator=(VariantOwner&& other) noexcept {
    if (this != &other) {
      VariantClear(&value_);
      value_ = other.value_;
      VariantInit(&other.value_);
    }
    return *this;
  }
  VariantOwner(const VariantOwner&) = delete;
  VariantOwner& operator=(const VariantOwner&) = delete;

  // Moves the value out of a VARIANT the caller owned; the VARIANT is left empty.
  static VariantOwner TakeOver(VARIANT& owned) noexcept {
    VariantOwner owner;
    owner.value_ = owned;
    VariantInit(&owned);
    return owner;
  }
  // Clears a VARIANT the caller owns and leaves it empty.
  static void Discard(VARIANT& owned) noexcept { TakeOver(owned); }
  // A deep copy of value (strings copied, references added).
  static VariantOwner CopyOf(const VARIANT& value, HRESULT* result = nullptr) {
    VariantOwner owner;
    const HRESULT hr = VariantCopy(&owner.value_, const_cast<VARIANT*>(&value));
    if (result) *result = hr;
    return owner;
  }

  // Clears the value and returns where a new one is to be stored; the owner owns
  // what is stored there.
  VARIANT* Put() noexcept {
    VariantClear(&value_);
    return &value_;
  }
  void Reset() noexcept { VariantClear(&value_); }
  // Hands the value out: the caller owns it, the owner is left empty.
  [[nodiscard]] VARIANT Detach() noexcept {
    const VARIANT out = value_;
    VariantInit(&value_);
    return out;
  }
  // Hands the value out into a VARIANT of the caller's, clearing what that held.
  void MoveTo(VARIANT* target) noexcept {
    if (!target) return;
    VariantClear(target);
    *target = Detach();
  }
  // Converts the value in place (VariantChangeType); on failure it is unchanged.
  HRESULT ChangeType(VARTYPE type, USHORT flags = 0) noexcept {
    return VariantChangeType(&value_, &value_, flags, type);
  }

  VARIANT& operator*() noexcept { return value_; }
  const VARIANT& operator*() const noexcept { return value_; }
  VARIANT* operator->() noexcept { return &value_; }
  const VARIANT* operator->() const noexcept { return &value_; }
  VARIANT* Get() noexcept { return &value_; }
  const VARIANT* Get() const noexcept { return &value_; }
  VARTYPE Type() const noexcept { return value_.vt; }

 private:
  VARIANT value_;
};

}  // namespace korvat
