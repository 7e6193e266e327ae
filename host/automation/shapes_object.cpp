// Shapes of a worksheet: count, items by name or 1-based z-order position (both
// indexed by the model, never scanned), the Add methods and enumeration.

#include <span>

#include "host/automation/adapters.h"
#include "host/automation/item_enumerator.h"
#include "host/automation/variant_values.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {
namespace {

constexpr int kElbowConnector = 2;
constexpr double kElbowMiddle = 0.5;  // an elbow connector's bend, halfway along

class ShapesObject : public Adapter<ShapesObject> {
 public:
  ShapesObject(ContextRef context, SheetWeak sheet) : Adapter(std::move(context)), sheet_(std::move(sheet)) {}
  static std::span<const Entry> Entries();

  Status GetItem(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Shapes");
    Shape* found = nullptr;
    if (call.Has(0) && call.Arg(0).vt == VT_BSTR) {
      const std::string name = call.Text(0).value_or("");
      found = ws->Shapes().Find(name);
      if (!found) return NoSuchItem("with the specified name (" + name + ")");
    } else {
      const auto index = call.Int(0);
      if (index) found = ws->Shapes().At(*index - 1);
      if (!found) return Fail("The index into the specified collection is out of bounds.", kBadIndex);
    }
    return Handout(call, *ws.sheet, *found);
  }
  Status GetCount(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Shapes");
    SetInt(call.Result(), ws->Shapes().Count());
    return Ok();
  }
  // AddShape(type, left, top, width, height).
  Status AddShape(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Shapes");
    const auto type = call.Int(0);
    double l, t, w, h;
    if (!type || *type < 1 || !Numbers(call, 1, &l, &t, &w, &h)) return Fail("AddShape method of Shapes class failed");
    return Handout(call, *ws.sheet, ws->Shapes().AddAutoShape(*type, l, t, w, h));
  }
  // AddTextbox(orientation, left, top, width, height).
  Status AddTextbox(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Shapes");
    double l, t, w, h;
    if (!call.Int(0) || !Numbers(call, 1, &l, &t, &w, &h)) return Fail("AddTextbox method of Shapes class failed");
    return Handout(call, *ws.sheet, ws->Shapes().AddTextBox(l, t, w, h));
  }
  // AddConnector(type, beginX, beginY, endX, endY).
  Status AddConnector(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Shapes");
    const auto type = call.Int(0);
    double bx, by, ex, ey;
    if (!type || *type < 1 || *type > 3 || !Numbers(call, 1, &bx, &by, &ex, &ey))
      return Fail("AddConnector method of Shapes class failed");
    Shape& connector = ws->Shapes().AddConnector(*type, bx, by, ex, ey);
    if (*type == kElbowConnector && connector.adjustments.empty()) connector.adjustments.push_back(kElbowMiddle);
    return Handout(call, *ws.sheet, connector);
  }
  // BuildFreeform(editingType, x, y): a builder that starts at the point.
  Status BuildFreeform(Call& call) {
    if (!LockWorksheet(sheet_)) return Deleted("Shapes");
    const auto editing = call.Int(0);
    const auto x = call.Double(1), y = call.Double(2);
    if (!editing || !x || !y) return Fail("BuildFreeform method of Shapes class failed");
    return ReturnObject(call, NewFreeformBuilder(SharedContext(), sheet_, *editing, *x, *y));
  }
  Status NewEnum(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Shapes");
    std::vector<std::weak_ptr<Shape>> shapes(ws->Shapes().InZOrder().begin(), ws->Shapes().InZOrder().end());
    auto context = SharedContext();
    auto sheet = sheet_;
    UnknownRef e = NewItemEnumerator(context, shapes.size(), [context, sheet, shapes](std::size_t i) -> DispatchRef {
      // A shape deleted since the enumeration began is skipped.
      if (shapes[i].expired()) return {};
      return NewShapeObject(context, sheet, shapes[i]);
    });
    return ReturnEnumerator(call, std::move(e));
  }

 private:
  static bool Numbers(const Call& call, std::size_t first, double* a, double* b, double* c, double* d) {
    const auto va = call.Double(first), vb = call.Double(first + 1), vc = call.Double(first + 2),
               vd = call.Double(first + 3);
    if (!va || !vb || !vc || !vd) return false;
    *a = *va;
    *b = *vb;
    *c = *vc;
    *d = *vd;
    return true;
  }
  Status Handout(Call& call, const Worksheet& ws, const Shape& shape) {
    return ReturnObject(call, NewShapeObject(SharedContext(), sheet_, ws.Shapes().SharedById(shape.id)));
  }

  SheetWeak sheet_;
};

constexpr ShapesObject::Entry kShapesMembers[] = {
    {"Item", 1, &ShapesObject::GetItem, nullptr, true},
    {"Count", 0, &ShapesObject::GetCount},
    {"AddShape", 5, &ShapesObject::AddShape},
    {"AddTextbox", 5, &ShapesObject::AddTextbox},
    {"AddConnector", 5, &ShapesObject::AddConnector},
    {"BuildFreeform", 3, &ShapesObject::BuildFreeform},
    {"_NewEnum", 0, &ShapesObject::NewEnum},
};
std::span<const ShapesObject::Entry> ShapesObject::Entries() { return kShapesMembers; }

// FreeformBuilder: nodes collected in sheet coordinates until ConvertToShape.
class FreeformBuilderObject : public Adapter<FreeformBuilderObject> {
 public:
  FreeformBuilderObject(ContextRef context, SheetWeak sheet, int editingType, double x, double y)
      : Adapter(std::move(context)), sheet_(std::move(sheet)) {
    nodes_.push_back({0, editingType, x, y});
  }
  static std::span<const Entry> Entries();

  // AddNodes(segmentType, editingType, x1, y1[, x2, y2, x3, y3]): a curve's last point ends it.
  Status AddNodes(Call& call) {
    const auto segment = call.Int(0), editing = call.Int(1);
    std::size_t last = call.Has(6) ? 6 : 2;
    const auto x = call.Double(last), y = call.Double(last + 1);
    if (!segment || !editing || !x || !y) return Fail("AddNodes method of FreeformBuilder class failed");
    nodes_.push_back({*segment, *editing, *x, *y});
    return Ok();
  }
  Status ConvertToShape(Call& call) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("FreeformBuilder");
    if (nodes_.size() < 2) return Fail("ConvertToShape method of FreeformBuilder class failed");
    const Shape& shape = ws->Shapes().AddFreeform(nodes_);
    return ReturnObject(call, NewShapeObject(SharedContext(), sheet_, ws->Shapes().SharedById(shape.id)));
  }

 private:
  SheetWeak sheet_;
  std::vector<FreeformNode> nodes_;
};

constexpr FreeformBuilderObject::Entry kBuilderMembers[] = {
    {"AddNodes", 8, &FreeformBuilderObject::AddNodes},
    {"ConvertToShape", 2, &FreeformBuilderObject::ConvertToShape},
};
std::span<const FreeformBuilderObject::Entry> FreeformBuilderObject::Entries() { return kBuilderMembers; }

}  // namespace

DispatchRef NewShapesObject(ContextRef context, SheetWeak sheet) {
  return DispatchRef(new ShapesObject(std::move(context), std::move(sheet)));
}

DispatchRef NewFreeformBuilder(ContextRef context, SheetWeak sheet, int editingType, double x, double y) {
  return DispatchRef(new FreeformBuilderObject(std::move(context), std::move(sheet), editingType, x, y));
}

}  // namespace korvat::host::automation
