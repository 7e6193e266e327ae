// Adjustments of a shape and the ConnectorFormat of a connector. Connecting an end
// moves it to the site of the target shape (sites 1 top, 2 left, 3 bottom, 4 right).

#include <span>

#include "host/automation/shape_part.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

// How far the list of adjustments may grow by writing past its end.
constexpr std::size_t kMaxAdjustments = 8;

class AdjustmentsObject : public Adapter<AdjustmentsObject>, ShapePart {
 public:
  AdjustmentsObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)) {}
  static std::span<const Entry> Entries();

  Status GetItem(Call& call) {
    auto live = Lock();
    if (!live) return Deleted("Adjustments");
    const auto index = call.Int(0);
    if (!index || *index < 1 || *index > static_cast<int>(live->adjustments.size()))
      return Fail("The index into the specified collection is out of bounds.", kBadIndex);
    SetNumber(call.Result(), live->adjustments[static_cast<std::size_t>(*index - 1)]);
    return Ok();
  }
  // Writing one past the end adds an adjustment, as connectors gain handles when they bend.
  Status PutItem(Call& call) {
    auto live = Lock();
    if (!live) return Deleted("Adjustments");
    const auto index = call.Int(0);
    const auto value = call.ValueDouble();
    std::vector<double>& list = live->adjustments;
    if (!index || !value || *index < 1 || static_cast<std::size_t>(*index) > std::min(list.size() + 1, kMaxAdjustments))
      return Fail("The index into the specified collection is out of bounds.", kBadIndex);
    if (static_cast<std::size_t>(*index) > list.size()) list.push_back(*value);
    else list[static_cast<std::size_t>(*index - 1)] = *value;
    return Ok();
  }
  Status GetCount(Call& call) {
    return Read(call, "Adjustments",
                [](const Shape& s, VARIANT* r) { SetInt(r, static_cast<std::int32_t>(s.adjustments.size())); });
  }
};

constexpr AdjustmentsObject::Entry kAdjustmentsMembers[] = {
    {"Item", 1, &AdjustmentsObject::GetItem, &AdjustmentsObject::PutItem, true},
    {"Count", 0, &AdjustmentsObject::GetCount},
};
std::span<const AdjustmentsObject::Entry> AdjustmentsObject::Entries() { return kAdjustmentsMembers; }

class ConnectorFormatObject : public Adapter<ConnectorFormatObject>, ShapePart {
 public:
  ConnectorFormatObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)) {}
  static std::span<const Entry> Entries();

  Status BeginConnect(Call& call) { return Connect(call, true); }
  Status EndConnect(Call& call) { return Connect(call, false); }
  Status BeginDisconnect(Call& call) { return Disconnect(true); }
  Status EndDisconnect(Call& call) { return Disconnect(false); }
  Status GetBeginConnected(Call& call) {
    return Read(call, "ConnectorFormat", [](const Shape& s, VARIANT* r) { SetInt(r, TriState(s.beginConnection.connected())); });
  }
  Status GetEndConnected(Call& call) {
    return Read(call, "ConnectorFormat", [](const Shape& s, VARIANT* r) { SetInt(r, TriState(s.endConnection.connected())); });
  }
  Status GetBeginConnectionSite(Call& call) {
    return Read(call, "ConnectorFormat", [](const Shape& s, VARIANT* r) { SetInt(r, s.beginConnection.site); });
  }
  Status GetEndConnectionSite(Call& call) {
    return Read(call, "ConnectorFormat", [](const Shape& s, VARIANT* r) { SetInt(r, s.endConnection.site); });
  }
  Status GetBeginConnectedShape(Call& call) { return ConnectedShape(call, true); }
  Status GetEndConnectedShape(Call& call) { return ConnectedShape(call, false); }
  Status GetType(Call& call) {
    return Read(call, "ConnectorFormat", [](const Shape& s, VARIANT* r) { SetInt(r, s.connectorType); });
  }

 private:
  // (shape, site): the target must be another shape of the same sheet.
  Status Connect(Call& call, bool begin) {
    auto live = Lock();
    if (!live) return Deleted("ConnectorFormat");
    SheetWeak targetSheet;
    std::weak_ptr<Shape> targetWeak;
    DispatchObject* object = call.Object(0);
    const auto site = call.Int(1);
    const char* failure = begin ? "BeginConnect method of ConnectorFormat class failed"
                                : "EndConnect method of ConnectorFormat class failed";
    if (!object || !site || !ShapeOf(object, &targetSheet, &targetWeak)) return Fail(failure);
    auto target = LockShape(targetSheet, targetWeak);
    if (!target || target.sheet.sheet != live.sheet.sheet) return Fail(failure);
    if (!live.sheet->Shapes().Connect(*live.shape, begin, *target.shape, *site)) return Fail(failure);
    return Ok();
  }
  Status Disconnect(bool begin) {
    auto live = Lock();
    if (!live) return Deleted("ConnectorFormat");
    live.sheet->Shapes().Disconnect(*live.shape, begin);
    return Ok();
  }
  Status ConnectedShape(Call& call, bool begin) {
    auto live = Lock();
    if (!live) return Deleted("ConnectorFormat");
    const ConnectorEnd& end = begin ? live->beginConnection : live->endConnection;
    auto target = live.sheet->Shapes().SharedById(end.shapeId);
    if (!end.connected() || !target) return Fail("This end of the connector is not connected");
    return ReturnObject(call, NewShapeObject(SharedContext(), sheet_, target));
  }
};

constexpr ConnectorFormatObject::Entry kConnectorMembers[] = {
    {"BeginConnect", 2, &ConnectorFormatObject::BeginConnect},
    {"EndConnect", 2, &ConnectorFormatObject::EndConnect},
    {"BeginDisconnect", 0, &ConnectorFormatObject::BeginDisconnect},
    {"EndDisconnect", 0, &ConnectorFormatObject::EndDisconnect},
    {"BeginConnected", 0, &ConnectorFormatObject::GetBeginConnected},
    {"EndConnected", 0, &ConnectorFormatObject::GetEndConnected},
    {"BeginConnectionSite", 0, &ConnectorFormatObject::GetBeginConnectionSite},
    {"EndConnectionSite", 0, &ConnectorFormatObject::GetEndConnectionSite},
    {"BeginConnectedShape", 0, &ConnectorFormatObject::GetBeginConnectedShape},
    {"EndConnectedShape", 0, &ConnectorFormatObject::GetEndConnectedShape},
    {"Type", 0, &ConnectorFormatObject::GetType},
};
std::span<const ConnectorFormatObject::Entry> ConnectorFormatObject::Entries() { return kConnectorMembers; }

}  // namespace

DispatchRef NewAdjustmentsObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape) {
  return DispatchRef(new AdjustmentsObject(std::move(context), std::move(sheet), std::move(shape)));
}

DispatchRef NewConnectorFormatObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape) {
  return DispatchRef(new ConnectorFormatObject(std::move(context), std::move(sheet), std::move(shape)));
}

}  // namespace korvat::host::automation
