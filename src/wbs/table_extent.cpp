#include "wbs/table_extent.h"

#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/number_text.h"
#include "wbs/task_table.h"

namespace korvat {

std::int64_t FindLastTableRow() {
  const WbsSettings* s = State().wbsSettings.get();
  if (!s) return 0;
  const std::int64_t first = s->firstTaskRow;
  if (first < 1 || s->lastColNo < 1) return first - 1;
  IDispatch* sheet = State().wbsSheet.Get();
  for (std::int64_t r = first; r < first + kMaxTasks; ++r) {
    const AutomationObject cell = RangeAt(sheet, s->lastCol + FormatInteger(r));
    if (GetNumberWith(cell.Get(), ".Borders(%d).LineStyle", 10) == kNoLine) return r - 1;
  }
  return first + kMaxTasks - 1;
}

}  // namespace korvat
