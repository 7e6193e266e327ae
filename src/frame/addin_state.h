#pragma once
// The process-wide state the exports share: the bound workbook (borrowed from
// the caller, never released), the three bound sheets (the references their
// lookup handed out, released when the binding is replaced or the state is
// released), the records kvInit creates and kvQuit destroys, and the two lists
// that live as long as the library is loaded.

#include "automation/automation_object.h"
#include "automation/sheet_ref.h"
#include "calendar/calendar_day.h"
#include "calendar/calendar_settings.h"
#include "base/keyed_list.h"
#include "frame/wbs_settings.h"
#include "gantt/gantt_templates.h"
#include "wbs/resource_list.h"
#include "wbs/task_table.h"

#include <memory>
#include <string_view>

namespace korvat {

struct AddinState {
  SheetRef workbook;
  AutomationObject wbsSheet;
  AutomationObject settingsSheet;
  AutomationObject resourceSheet;
  std::unique_ptr<GanttTemplates> ganttTemplates;
  std::unique_ptr<CalendarSettings> calendarSettings;
  std::unique_ptr<WbsSettings> wbsSettings;
  std::unique_ptr<TaskTable> taskTable;

  KeyedList<CalendarDay> calendarDays;
  ResourceList resources;
};

AddinState& State();

// Forgets the references and destroys the records (absent ones are skipped).
void ReleaseAddinState();
// Creates fresh, empty records.
void CreateAddinRecords();
// Binds the workbook and finds the WBS, settings and resources sheets by code name.
void BindWorkbook(IDispatch* workbook);
// The first worksheet of the bound workbook whose code name equals name (exact,
// case-sensitive), or an empty handle; the caller owns the reference.
AutomationObject FindWorksheetByCodeName(std::string_view name);

}  // namespace korvat
