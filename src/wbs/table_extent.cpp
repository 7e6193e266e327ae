#include "wbs/table_extent.h"

#include "automation/host_object.h"
#include "base/number_text.h"

namespace korvat {

std::int64_t FindLastTableRow(const BoundPlan& plan) {
  const WbsSettings& s = plan.wbsSettings;
  const std::int64_t first = s.firstTaskRow;
  if (first < 1 || s.lastColNo < 1) return first - 1;
  for (std::int64_t r = first; r < first + kMaxTasks; ++r) {
    const AutomationObject cell = RangeAt(plan.wbsSheet, s.lastCol + FormatInteger(r));
    if (GetNumberWith(cell.Get(), ".Borders(%d).LineStyle", 10) == kNoLine) return r - 1;
  }
  return first + kMaxTasks - 1;
}

}  // namespace korvat
