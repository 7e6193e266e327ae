#include "frame/addin_state.h"

#include "automation/host_object.h"

namespace korvat {

AddinState& State() {
  static AddinState state;
  return state;
}

void ReleaseAddinState(AddinState& s) {
  s.workbook.Forget();
  s.wbsSheet.Assign(nullptr);
  s.settingsSheet.Assign(nullptr);
  s.resourceSheet.Assign(nullptr);
  s.ganttTemplates.reset();
  s.calendarSettings.reset();
  s.wbsSettings.reset();
  s.taskTable.reset();
}

void CreateAddinRecords(AddinState& s) {
  s.ganttTemplates = std::make_unique<GanttTemplates>();
  s.calendarSettings = std::make_unique<CalendarSettings>();
  s.wbsSettings = std::make_unique<WbsSettings>();
  s.taskTable = std::make_unique<TaskTable>();
  // Counts start afresh; handlers still running keep their depth.
  s.eventNesting.calls = 0;
  s.eventNesting.ignored = 0;
  s.eventNesting.deepest = s.eventNesting.depth;
}

void BindWorkbook(AddinState& s, IDispatch* workbook) {
  s.workbook.Attach(workbook);
  s.bindingChecked = false;
  s.wbsSheet = FindWorksheetByCodeName(workbook, "wsWBS");
  s.settingsSheet = FindWorksheetByCodeName(workbook, "wsSettings");
  s.resourceSheet = FindWorksheetByCodeName(workbook, "wsResource");
}

std::optional<BoundPlan> BoundPlanOf(AddinState& s, PlanNotices& notices) {
  if (!s.ganttTemplates || !s.calendarSettings || !s.wbsSettings || !s.taskTable) return std::nullopt;
  return BoundPlan{s.workbook.Get(), s.wbsSheet.Get(),     s.settingsSheet.Get(), s.resourceSheet.Get(),
                   *s.wbsSettings,   *s.calendarSettings, *s.ganttTemplates,     s.calendarDays,
                   s.resources,      *s.taskTable,        notices};
}

}  // namespace korvat
