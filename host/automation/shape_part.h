#pragma once
// What the adapters of a shape's parts (fill, line, text frame, ...) share: the
// shape they format, locked for each call.

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"

namespace korvat::host::automation {

class ShapePart {
 protected:
  ShapePart(SheetWeak sheet, std::weak_ptr<Shape> shape) : sheet_(std::move(sheet)), shape_(std::move(shape)) {}

  LiveShape Lock() const { return LockShape(sheet_, shape_); }

  // Reads a number or flag of the shape into the result.
  template <class F>
  Status Read(Call& call, std::string_view object, F read) const {
    auto live = Lock();
    if (!live) return Deleted(object);
    read(*live.shape, call.Result());
    return Ok();
  }
  // Writes the put value, converted to V, through write; false from write refuses the value.
  template <class V, class F>
  Status Write(Call& call, std::string_view object, std::string_view member, F write) const {
    auto live = Lock();
    if (!live) return Deleted(object);
    std::optional<V> v;
    if constexpr (std::is_same_v<V, double>) v = call.ValueDouble();
    else if constexpr (std::is_same_v<V, std::string>) v = call.ValueText();
    else v = call.ValueInt();
    if (!v || !write(*live.shape, *v))
      return Fail("Unable to set the " + std::string(member) + " property of the " + std::string(object) + " class");
    return Ok();
  }

  SheetWeak sheet_;
  std::weak_ptr<Shape> shape_;
};

// msoTrue and msoFalse, as the host reports tri-state flags.
inline std::int32_t TriState(bool on) { return on ? -1 : 0; }

}  // namespace korvat::host::automation
