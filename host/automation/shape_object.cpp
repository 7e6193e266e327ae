// Shape: name (renamed through the collection so the name index stays right),
// geometry, type, placement, z-order, deletion and the parts that format it.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/variant_values.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

// ZOrder commands.
constexpr int kBringToFront = 0;
constexpr int kSendToBack = 1;
constexpr int kBringForward = 2;
constexpr int kSendBackward = 3;

class ShapeObject : public Adapter<ShapeObject> {
 public:
  ShapeObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), shape_(std::move(shape)) {}
  static std::span<const Entry> Entries();

  Status GetName(Call& call) {
    return Read(call, [](const Shape& s, VARIANT* r) { SetText(r, s.name); });
  }
  Status PutName(Call& call) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    const auto name = call.ValueText();
    if (!name || !live.sheet->Shapes().Rename(*live.shape, *name))
      return Fail("Unable to set the Name property of the Shape class");
    return Ok();
  }
  Status GetLeft(Call& call) { return Read(call, [](const Shape& s, VARIANT* r) { SetNumber(r, s.left); }); }
  Status GetTop(Call& call) { return Read(call, [](const Shape& s, VARIANT* r) { SetNumber(r, s.top); }); }
  Status GetWidth(Call& call) { return Read(call, [](const Shape& s, VARIANT* r) { SetNumber(r, s.width); }); }
  Status GetHeight(Call& call) { return Read(call, [](const Shape& s, VARIANT* r) { SetNumber(r, s.height); }); }
  Status PutLeft(Call& call) { return Size(call, [](Shape& s, double v) { s.left = v; }, false); }
  Status PutTop(Call& call) { return Size(call, [](Shape& s, double v) { s.top = v; }, false); }
  Status PutWidth(Call& call) { return Size(call, [](Shape& s, double v) { s.width = v; }, true); }
  Status PutHeight(Call& call) { return Size(call, [](Shape& s, double v) { s.height = v; }, true); }

  Status GetAutoShapeType(Call& call) {
    return Read(call, [](const Shape& s, VARIANT* r) { SetInt(r, s.type == ShapeType::AutoShape ? s.autoShapeType : -2); });
  }
  Status PutAutoShapeType(Call& call) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    const auto type = call.ValueInt();
    if (!type || *type < 1 || live->type != ShapeType::AutoShape)
      return Fail("Unable to set the AutoShapeType property of the Shape class");
    live->autoShapeType = *type;
    return Ok();
  }
  Status GetType(Call& call) { return Read(call, [](const Shape& s, VARIANT* r) { SetInt(r, ShapeTypeCode(s.type)); }); }
  Status GetConnector(Call& call) {
    return Read(call, [](const Shape& s, VARIANT* r) { SetInt(r, s.type == ShapeType::Connector ? -1 : 0); });
  }
  Status GetId(Call& call) { return Read(call, [](const Shape& s, VARIANT* r) { SetInt(r, s.id); }); }
  Status GetPlacement(Call& call) { return Read(call, [](const Shape& s, VARIANT* r) { SetInt(r, s.placement); }); }
  Status PutPlacement(Call& call) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    const auto placement = call.ValueInt();
    if (!placement || *placement < kPlacementMoveAndSize || *placement > kPlacementFreeFloating)
      return Fail("Unable to set the Placement property of the Shape class");
    live->placement = *placement;
    return Ok();
  }
  Status Delete(Call& call) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    live.sheet->Shapes().Delete(live->id);
    return Ok();
  }
  Status ZOrder(Call& call) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    const auto command = call.Int(0);
    ShapeCollection& shapes = live.sheet->Shapes();
    if (!command) return Fail("ZOrder method of Shape class failed");
    switch (*command) {
      case kBringToFront: case kBringForward: shapes.BringToFront(live->id); break;
      case kSendToBack: case kSendBackward: shapes.SendToBack(live->id); break;
      default: return Fail("ZOrder method of Shape class failed");
    }
    return Ok();
  }
  Status Select(Call& call) {
    if (!LockShape(sheet_, shape_)) return Deleted("Shape");
    return Ok();
  }
  Status GetFill(Call& call) { return Part(call, NewFillObject); }
  Status GetLine(Call& call) { return Part(call, NewLineObject); }
  Status GetTextFrame(Call& call) { return Part(call, NewTextFrameObject); }
  Status GetAdjustments(Call& call) { return Part(call, NewAdjustmentsObject); }
  Status GetConnectorFormat(Call& call) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    if (live->type != ShapeType::Connector) return Fail("This member can only be accessed for a connector shape");
    return Part(call, NewConnectorFormatObject);
  }
  Status GetChart(Call& call) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    if (live->type != ShapeType::Chart || !live->chart) return Fail("This shape holds no chart");
    ChartPlace place;
    place.chart = live->chart;
    place.hostSheet = sheet_;
    place.shapeId = live->id;
    return ReturnObject(call, NewChartObject(SharedContext(), std::move(place)));
  }
  Status GetHasChart(Call& call) {
    return Read(call, [](const Shape& s, VARIANT* r) { SetInt(r, s.type == ShapeType::Chart ? -1 : 0); });
  }

  const SheetWeak& Sheet() const { return sheet_; }
  const std::weak_ptr<Shape>& Weak() const { return shape_; }

 private:
  template <class F>
  Status Read(Call& call, F read) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    read(*live.shape, call.Result());
    return Ok();
  }
  template <class F>
  Status Size(Call& call, F write, bool isExtent) {
    auto live = LockShape(sheet_, shape_);
    if (!live) return Deleted("Shape");
    const auto v = call.ValueDouble();
    if (!v || (isExtent && *v < 0)) return Fail("The specified value is out of range.");
    write(*live.shape, *v);
    return Ok();
  }
  Status Part(Call& call, DispatchRef (*factory)(ContextRef, SheetWeak, std::weak_ptr<Shape>)) {
    if (!LockShape(sheet_, shape_)) return Deleted("Shape");
    return ReturnObject(call, factory(SharedContext(), sheet_, shape_));
  }

  SheetWeak sheet_;
  std::weak_ptr<Shape> shape_;
};

constexpr ShapeObject::Entry kShapeMembers[] = {
    {"Name", 0, &ShapeObject::GetName, &ShapeObject::PutName},
    {"Left", 0, &ShapeObject::GetLeft, &ShapeObject::PutLeft},
    {"Top", 0, &ShapeObject::GetTop, &ShapeObject::PutTop},
    {"Width", 0, &ShapeObject::GetWidth, &ShapeObject::PutWidth},
    {"Height", 0, &ShapeObject::GetHeight, &ShapeObject::PutHeight},
    {"AutoShapeType", 0, &ShapeObject::GetAutoShapeType, &ShapeObject::PutAutoShapeType},
    {"Type", 0, &ShapeObject::GetType},
    {"Connector", 0, &ShapeObject::GetConnector},
    {"ID", 0, &ShapeObject::GetId},
    {"Placement", 0, &ShapeObject::GetPlacement, &ShapeObject::PutPlacement},
    {"Delete", 0, &ShapeObject::Delete},
    {"ZOrder", 1, &ShapeObject::ZOrder},
    {"Select", 1, &ShapeObject::Select},
    {"Fill", 0, &ShapeObject::GetFill},
    {"Line", 0, &ShapeObject::GetLine},
    {"TextFrame", 0, &ShapeObject::GetTextFrame},
    {"Adjustments", 0, &ShapeObject::GetAdjustments},
    {"ConnectorFormat", 0, &ShapeObject::GetConnectorFormat},
    {"Chart", 0, &ShapeObject::GetChart},
    {"HasChart", 0, &ShapeObject::GetHasChart},
};
std::span<const ShapeObject::Entry> ShapeObject::Entries() { return kShapeMembers; }

}  // namespace

DispatchRef NewShapeObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape) {
  return DispatchRef(new ShapeObject(std::move(context), std::move(sheet), std::move(shape)));
}

bool ShapeOf(IUnknown* object, SheetWeak* sheet, std::weak_ptr<Shape>* shape) {
  auto* s = dynamic_cast<ShapeObject*>(DispatchObject::From(object));
  if (!s) return false;
  *sheet = s->Sheet();
  *shape = s->Weak();
  return true;
}

}  // namespace korvat::host::automation
