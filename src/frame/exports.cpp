// The exported entry points. Each fixes the order of its steps and delegates the
// work; each runs inside the export guard, takes the bound plan once and hands it
// down. Nothing may throw across this boundary.

#include "korvat/korvat.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "base/number_text.h"
#include "calendar/calendar_header.h"
#include "calendar/calendar_settings_loader.h"
#include "calendar/timeline_check.h"
#include "editing/level_shift.h"
#include "editing/row_moves.h"
#include "editing/selection_change.h"
#include "editing/sheet_change.h"
#include "editing/task_offset.h"
#include "frame/addin_state.h"
#include "frame/binding_check.h"
#include "frame/export_guard.h"
#include "frame/settings_loading.h"
#include "gantt/gantt_chart.h"
#include "gantt/progress_line.h"
#include "gantt/row_finishing.h"
#include "reports/period_choice.h"
#include "reports/project_evm_report.h"
#include "reports/task_evm_report.h"
#include "reports/workload_report.h"
#include "wbs/resource_list.h"
#include "wbs/row_filter.h"
#include "wbs/task_reading.h"
#include "wbs/task_scheduling.h"

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

// Loads the settings; the binding's first loading export also tells what the
// workbook lacks.
void LoadSettings(BoundPlan& plan) {
  AddinState& state = State();
  if (!state.bindingChecked) {
    state.bindingChecked = true;
    TellBindingMistakes(plan);
  }
  LoadAllSettings(plan);
}

// Draws the chart with every row shown, so that hidden rows get their bars too.
void DrawChartUnfiltered(BoundPlan& plan) {
  const std::string& savedFilter = plan.wbsSettings.savedFilter;
  if (!savedFilter.empty()) ApplyFilter(plan, "");
  if (TimelineDrawable(plan)) DrawGanttChart(plan);
  if (!savedFilter.empty()) ApplyFilter(plan, savedFilter);
}

// A row operation: 1 when it changed the sheet. The sheet events its own writes
// raise return at once: the operation reads, schedules and redraws what it
// changed itself, and answering each write again would redraw a branch per cell.
template <typename Operation>
intptr_t RowEdit(Operation&& operation) {
  return WithBoundPlan(intptr_t{0}, [&](BoundPlan& plan) {
    const BookkeepingScope ownWrites(State().eventNesting);
    return intptr_t{operation(plan) ? 1 : 0};
  });
}

}  // namespace

extern "C" {

KV_API int32_t KV_CALL kvInit(void) {
  return GuardExport(0, [] {
    InitializeCallLayer(true, true);
    SetErrorDisplay(false);
    ReleaseAddinState(State());
    CreateAddinRecords(State());
    return 0;
  });
}

KV_API void KV_CALL kvQuit(void) {
  GuardExport([] {
    UninitializeCallLayer(false);
    State().resources.Clear(true);
    State().calendarDays.Clear(true);
    ReleaseAddinState(State());
  });
}

KV_API int32_t KV_CALL kvSetWorkBook(IDispatch** workbook) {
  return GuardExport(0, [workbook] {
    BindWorkbook(State(), workbook ? *workbook : nullptr);
    return 0;
  });
}

KV_API void KV_CALL kvUpdateWBS(void) {
  WithBoundPlan([](BoundPlan& plan) {
    WbsSettings& settings = plan.wbsSettings;
    LoadSettings(plan);
    LoadResources(plan);
    {
      const RescheduleModeScope updating(settings, 0);
      ReadTasks(plan);
      settings.savedFilter = ReadFilterState(plan);
      if (!settings.savedFilter.empty()) ApplyFilter(plan, "");
      ScheduleTasks(plan, FinishRefreshedTaskRow);
    }
    if (!settings.savedFilter.empty()) ApplyFilter(plan, settings.savedFilter);
  });
}

KV_API void KV_CALL kvWBSFilter(void) {
  WithBoundPlan([](BoundPlan& plan) {
    const std::string rows = BuildFilterText(plan);
    ApplyFilter(plan, rows);
    plan.wbsSettings.savedFilter = rows;
  });
}

KV_API void KV_CALL kvDrawCalendar(int32_t unit) {
  WithBoundPlan([unit](BoundPlan& plan) {
    if (unit > 0) PutValueText(RangeAt(plan.settingsSheet, "CSCalendarUnit").Get(), FormatInteger(unit));
    LoadSettings(plan);
    if (!TimelineDrawable(plan)) return;
    DrawCalendarHeader(plan);
    DrawChartUnfiltered(plan);
  });
}

KV_API void KV_CALL kvDrawGanntChart(int32_t style) {
  WithBoundPlan([style](BoundPlan& plan) {
    PutValueText(RangeAt(plan.settingsSheet, "GanntBarStyle").Get(), FormatInteger(style));
    LoadSettings(plan);
    DrawChartUnfiltered(plan);
  });
}

KV_API void KV_CALL kvWBSReschedule(void) {
  WithBoundPlan([](BoundPlan& plan) {
    WbsSettings& settings = plan.wbsSettings;
    LoadSettings(plan);
    LoadResources(plan);
    if (!settings.savedFilter.empty()) ApplyFilter(plan, "");
    {
      const RescheduleModeScope rescheduling(settings, 1);
      ReadTasks(plan);
      ScheduleTasks(plan, FinishRefreshedTaskRow);
    }
    if (TimelineDrawable(plan)) DrawGanttChart(plan);
    if (!settings.savedFilter.empty()) ApplyFilter(plan, settings.savedFilter);
  });
}

KV_API void KV_CALL kvDrawProgressLines(void) {
  WithBoundPlan([](BoundPlan& plan) { DrawProgressLine(plan); });
}

KV_API intptr_t KV_CALL kvEVMByTask(void) {
  return WithBoundPlan(intptr_t{0}, [](BoundPlan& plan) {
    RunTaskEvmReport(plan);
    return intptr_t{0};
  });
}

KV_API void KV_CALL kvEVMByProject(int32_t kind, int32_t step) {
  WithBoundPlan([kind, step](BoundPlan& plan) {
    if (!AcceptPeriodChoice(kind, step)) return;
    ProjectEvmRun run;
    CollectProjectEvm(plan, kind, step, run);
    if (!AcceptPeriodCount(run.periods)) return;
    WriteProjectEvm(plan, run);
  });
}

KV_API void KV_CALL kvWorkload(int32_t kind, int32_t step) {
  WithBoundPlan([kind, step](BoundPlan& plan) {
    if (!AcceptPeriodChoice(kind, step)) return;
    WorkloadRun run;
    CollectWorkload(plan, kind, step, run);
    if (!AcceptPeriodCount(run.periods)) return;
    WriteWorkloadReport(plan, run);
  });
}

KV_API intptr_t KV_CALL kvTasksMoveUp(void) {
  return RowEdit([](BoundPlan& plan) { return MoveTasks(plan, -1); });
}

KV_API intptr_t KV_CALL kvTasksMoveDown(void) {
  return RowEdit([](BoundPlan& plan) { return MoveTasks(plan, +1); });
}

KV_API intptr_t KV_CALL kvTasksMoveRight(void) {
  return RowEdit([](BoundPlan& plan) { return ShiftLevel(plan, +1); });
}

KV_API intptr_t KV_CALL kvTasksMoveLeft(void) {
  return RowEdit([](BoundPlan& plan) { return ShiftLevel(plan, -1); });
}

KV_API intptr_t KV_CALL kvTasksOffset(int32_t a, int32_t b) {
  return RowEdit([a, b](BoundPlan& plan) { return OffsetTasks(plan, a, b); });
}

// The event range is the caller's: wrapped without a reference of its own.
KV_API void KV_CALL kvWBSEventOnChange(IDispatch** range) {
  GuardExport([range] {
    const EventCallScope call(State().eventNesting);
    if (!call.Handled() || !range || !*range) return;
    WithBoundPlan([range](BoundPlan& plan) {
      const AutomationObject target = AutomationObject::Borrow(*range);
      OnSheetChange(plan, target.Get(), State().eventNesting);
    });
  });
}

KV_API void KV_CALL kvWBSEventOnSelectionChange(IDispatch** range) {
  GuardExport([range] {
    const EventCallScope call(State().eventNesting);
    if (!call.Handled() || !range || !*range) return;
    WithBoundPlan([range](BoundPlan& plan) {
      const AutomationObject selection = AutomationObject::Borrow(*range);
      OnSelectionChange(plan, selection.Get(), State().eventNesting);
    });
  });
}

}  // extern "C"
