#pragma once
// A plain reference to a host object that someone else owns (the bound workbook
// and its sheets). It never adds or releases a reference.

#include "platform/com.h"

namespace korvat {

class SheetRef {
 public:
  SheetRef() = default;
  explicit SheetRef(IDispatch* object) : object_(object) {}

  // Stores the reference; the previous one is not released.
  void Attach(IDispatch* object) { object_ = object; }
  void Forget() { object_ = nullptr; }

  IDispatch* Get() const { return object_; }
  bool IsEmpty() const { return object_ == nullptr; }

 private:
  IDispatch* object_ = nullptr;
};

}  // namespace korvat
