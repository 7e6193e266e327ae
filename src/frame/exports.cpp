// The exported entry points. Each fixes the order of its steps and delegates the
// work; nothing may throw across this boundary.

#include "korvat/korvat.h"

#include "automation/call_error.h"
#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "calendar/calendar_header.h"
#include "calendar/calendar_settings_loader.h"
#include "frame/addin_state.h"
#include "base/number_text.h"
#include "frame/settings_loading.h"
#include "gantt/gantt_chart.h"
#include "gantt/progress_line.h"
#include "wbs/resource_list.h"
#include "wbs/row_filter.h"
#include "wbs/task_scheduling.h"
#include "wbs/task_table.h"

using namespace korvat;

namespace {

// Sets rescheduleMode for one scheduling pass and restores the caller's value after it.
class RescheduleModeScope {
 public:
  RescheduleModeScope(WbsSettings& settings, std::int64_t mode) : settings_(settings), saved_(settings.rescheduleMode) {
    settings_.rescheduleMode = mode;
  }
  ~RescheduleModeScope() { settings_.rescheduleMode = saved_; }
  RescheduleModeScope(const RescheduleModeScope&) = delete;
  RescheduleModeScope& operator=(const RescheduleModeScope&) = delete;

 private:
  WbsSettings& settings_;
  std::int64_t saved_;
};

// Draws the chart with every row shown, so that hidden rows get their bars too.
void DrawChartUnfiltered(TaskTable& table, const std::string& savedFilter) {
  if (!savedFilter.empty()) ApplyFilter(table, "");
  if (CalendarUnitUsable()) DrawGanttChart();
  if (!savedFilter.empty()) ApplyFilter(table, savedFilter);
}

}  // namespace

extern "C" {

KV_API int32_t KV_CALL kvInit(void) {
  InitializeCallLayer(true, true);
  SetErrorDisplay(false);
  ReleaseAddinState();
  CreateAddinRecords();
  return 0;
}

KV_API void KV_CALL kvQuit(void) {
  UninitializeCallLayer(false);
  State().resources.Clear(true);
  State().calendarDays.Clear(true);
  ReleaseAddinState();
}

KV_API int32_t KV_CALL kvSetWorkBook(IDispatch** workbook) {
  BindWorkbook(workbook ? *workbook : nullptr);
  return 0;
}

KV_API void KV_CALL kvUpdateWBS(void) {
  AddinState& s = State();
  if (!s.wbsSettings || !s.taskTable) return;
  WbsSettings& settings = *s.wbsSettings;
  TaskTable& table = *s.taskTable;
  LoadAllSettings();
  LoadResources();
  {
    const RescheduleModeScope updating(settings, 0);
    ReadTasks(table);
    settings.savedFilter = ReadFilterState(table);
    if (!settings.savedFilter.empty()) ApplyFilter(table, "");
    ScheduleTasks(table);
  }
  if (!settings.savedFilter.empty()) ApplyFilter(table, settings.savedFilter);
}

KV_API void KV_CALL kvWBSFilter(void) {
  AddinState& s = State();
  if (!s.wbsSettings || !s.taskTable) return;
  const std::string rows = BuildFilterText(*s.taskTable);
  ApplyFilter(*s.taskTable, rows);
  s.wbsSettings->savedFilter = rows;
}

KV_API void KV_CALL kvDrawCalendar(int32_t unit) {
  AddinState& s = State();
  if (!s.wbsSettings || !s.taskTable) return;
  if (unit > 0) PutValueText(RangeAt(s.settingsSheet.Get(), "CSCalendarUnit").Get(), FormatInteger(unit));
  LoadAllSettings();
  if (!CalendarUnitUsable()) return;
  DrawCalendarHeader();
  DrawGanttChart();
}

KV_API void KV_CALL kvDrawGanntChart(int32_t style) {
  AddinState& s = State();
  if (!s.wbsSettings || !s.taskTable) return;
  PutValueText(RangeAt(s.settingsSheet.Get(), "GanntBarStyle").Get(), FormatInteger(style));
  LoadAllSettings();
  DrawChartUnfiltered(*s.taskTable, s.wbsSettings->savedFilter);
}

KV_API void KV_CALL kvWBSReschedule(void) {
  AddinState& s = State();
  if (!s.wbsSettings || !s.taskTable) return;
  WbsSettings& settings = *s.wbsSettings;
  TaskTable& table = *s.taskTable;
  LoadAllSettings();
  LoadResources();
  if (!settings.savedFilter.empty()) ApplyFilter(table, "");
  {
    const RescheduleModeScope rescheduling(settings, 1);
    ReadTasks(table);
    ScheduleTasks(table);
  }
  if (CalendarUnitUsable()) DrawGanttChart();
  if (!settings.savedFilter.empty()) ApplyFilter(table, settings.savedFilter);
}

KV_API void KV_CALL kvDrawProgressLines(void) { DrawProgressLine(); }

}  // extern "C"
