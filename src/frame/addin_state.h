#pragma once
// The process-wide state the exports share: the bound workbook (borrowed from
// the caller, never released), the three bound sheets (the references their
// lookup handed out, released when the binding is replaced or the state is
// released), the records kvInit creates and kvQuit destroys, and the two lists
// that live as long as the library is loaded.
//
// Only the export layer reaches it. Each export takes the bound plan from it
// once (BoundPlanOf) and hands that down; nothing below the exports sees the
// state itself.

#include "automation/automation_object.h"
#include "automation/sheet_ref.h"
#include "editing/event_nesting.h"
#include "plan/bound_plan.h"

#include <memory>
#include <optional>

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

  CalendarDays calendarDays;
  ResourceList resources;
  // Whether an export since the binding has told the workbook's missing sheets and settings.
  bool bindingChecked = false;
  // The sheet events received and how deep they nested, for the whole time the
  // library is loaded.
  EventNesting eventNesting;
};

AddinState& State();

// Forgets the references and destroys the records (absent ones are skipped).
void ReleaseAddinState(AddinState& state);
// Creates fresh, empty records.
void CreateAddinRecords(AddinState& state);
// Binds the workbook and finds the WBS, settings and resources sheets by code name.
void BindWorkbook(AddinState& state, IDispatch* workbook);

// The plan the state is bound to, telling the user about its mistakes through
// notices; nothing before kvInit or after kvQuit, when the records do not exist.
std::optional<BoundPlan> BoundPlanOf(AddinState& state, PlanNotices& notices);

}  // namespace korvat
