#include "wbs/resource_list.h"

#include "automation/host_object.h"
#include "base/minute_math.h"

namespace korvat {
namespace {

constexpr std::uint32_t kMaxResourceRows = 100000;

double ReleaseDateOf(double value) {
  if (value <= 0.0) return 0.0;
  return TimeOfDay(value) == 0.0 ? value + 1.0 : value;
}

}  // namespace

void LoadResources(BoundPlan& plan) {
  ResourceList& list = plan.resources;
  list.Clear(true);
  IDispatch* sheet = plan.resourceSheet;
  if (!sheet) return;
  for (std::uint32_t row = kFirstResourceRow; row < kFirstResourceRow + kMaxResourceRows; ++row) {
    const AutomationObject nameCell = CellAt(sheet, row, 3);
    WideString name;
    GetWideText(nameCell.Get(), "Value", name);
    if (name.IsEmpty()) break;
    auto* resource = new ResourceRecord;
    const AutomationObject codeCell = CellAt(sheet, row, 2);
    resource->code = GetValueText(codeCell.Get());
    resource->resourceName = std::move(name);
    const AutomationObject releaseCell = CellAt(sheet, row, 4);
    resource->releaseDate = ReleaseDateOf(GetValueNumber(releaseCell.Get()));
    list.Add(resource->resourceName.HexKey(), resource);
  }
}

ResourceRecord* FindResource(const ResourceList& resources, WideView name) { return resources.Find(HexKey(name)); }

ResourceRecord* FirstResource(const ResourceList& resources) { return resources.ItemAt(1); }

}  // namespace korvat
