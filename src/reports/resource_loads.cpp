#include "reports/resource_loads.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "reports/report_dates.h"
#include "wbs/task_lookup.h"
#include "wbs/task_status.h"
#include "wbs/wbs_cells.h"

#include <algorithm>
#include <cmath>

namespace korvat {
namespace {

ResourceLoad& ResourceOf(WideView id, ResourceLoads& loads) {
  const std::string key = HexKey(id);
  if (ResourceLoad* known = loads.Find(key)) return *known;
  auto fresh = std::make_unique<ResourceLoad>();
  fresh->id = WideString::Copy(id);
  ResourceLoad& added = *fresh;
  loads.Add(key, &added);
  fresh.release();
  return added;
}

void AddDayLoad(ResourceLoad& resource, const std::string& key, double load) {
  DayLoad* day = resource.days.Find(key);
  if (!day) {
    auto fresh = std::make_unique<DayLoad>();
    day = fresh.get();
    resource.days.Add(key, day);
    fresh.release();
  }
  day->load += load;
}

}  // namespace

void SpreadLoad(WideView id, double load, std::int64_t days, double start, const ShownDays& shown,
                ResourceLoads& loads) {
  ResourceLoad& resource = ResourceOf(id, loads);
  if (days < 1) return;
  const double per = load / static_cast<double>(days);
  // Only the days the report shows are visited: a day count typed far too large
  // costs no more than the timeline.
  const double fromK = std::floor(WholeDays(shown.first + kTimeGuard) - WholeDays(start + kTimeGuard)) + 1.0;
  const double toK = std::floor(WholeDays(shown.last + kTimeGuard) - WholeDays(start + kTimeGuard)) + 1.0;
  const double first = std::max(1.0, fromK), last = std::min(static_cast<double>(days), toK);
  for (double k = first; k <= last; k += 1.0) AddDayLoad(resource, FormatDateKey(start + k - 1.0), per);
}

void AddTaskRowLoads(const BoundPlan& plan, std::int64_t row, const ShownDays& shown, ResourceLoads& loads) {
  const WbsSettings& s = plan.wbsSettings;
  for (std::int64_t i = 0; i < s.resourceColumnCount; ++i) {
    WideString id;
    if (s.resourceColNo + i >= 1) {
      const AutomationObject cell = CellAt(plan.wbsSheet, static_cast<std::uint32_t>(row),
                                           static_cast<std::uint32_t>(s.resourceColNo + i));
      GetWideText(cell.Get(), "Value", id);
    }
    if (id.IsEmpty()) continue;
    const std::string load = Trim(WbsCellText(plan, row, s.loadBlockCol + i));
    if (load.empty()) continue;
    const std::int64_t days = ParseLeadingInteger(WbsCellText(plan, row, s.dayCountCol));
    const double start = CellDateOfRow(plan, row, WbsCellNumber(plan, row, s.plannedStartDateColNo));
    SpreadLoad(id.View(), Val(load), days, start, shown, loads);
  }
}

void CollectResourceLoads(const BoundPlan& plan, const ShownDays& shown, ResourceLoads& loads) {
  const WbsSettings& s = plan.wbsSettings;
  for (std::int64_t row = s.firstTaskRow; row <= s.lastTableRow; ++row) {
    TaskRecord* task = TaskAtRow(plan.taskTable, row);
    if (!task) return;
    if (ParseCrewCode(*task) || !(Val(task->pvText) > 0.0) || task->isLeaf == 0) continue;
    if (task->plannedStart != 0.0 && task->plannedEnd != 0.0) AddTaskRowLoads(plan, row, shown, loads);
  }
}

}  // namespace korvat
