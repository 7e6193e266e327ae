#include "frame/addin_state.h"

#include "platform/com_ref.h"
#include "automation/dispatch_call.h"
#include "automation/host_object.h"

namespace korvat {

AddinState& State() {
  static AddinState state;
  return state;
}

void ReleaseAddinState() {
  AddinState& s = State();
  s.workbook.Forget();
  s.wbsSheet.Assign(nullptr);
  s.settingsSheet.Assign(nullptr);
  s.resourceSheet.Assign(nullptr);
  s.ganttTemplates.reset();
  s.calendarSettings.reset();
  s.wbsSettings.reset();
  s.taskTable.reset();
}

void CreateAddinRecords() {
  AddinState& s = State();
  s.ganttTemplates = std::make_unique<GanttTemplates>();
  s.calendarSettings = std::make_unique<CalendarSettings>();
  s.wbsSettings = std::make_unique<WbsSettings>();
  s.taskTable = std::make_unique<TaskTable>();
}

AutomationObject FindWorksheetByCodeName(std::string_view name) {
  ComRef<IEnumVARIANT> worksheets;
  if (FAILED(EnumBegin(worksheets.Put(), State().workbook.Get(), KV_W(".Worksheets")))) return {};
  for (;;) {
    IDispatch* next = nullptr;
    if (EnumNextObject(worksheets.Get(), &next) != S_OK) return {};
    AutomationObject sheet(next);
    if (GetCodeName(sheet.Get()) == name) return sheet;
  }
}

void BindWorkbook(IDispatch* workbook) {
  AddinState& s = State();
  s.workbook.Attach(workbook);
  s.wbsSheet = FindWorksheetByCodeName("wsWBS");
  s.settingsSheet = FindWorksheetByCodeName("wsSettings");
  s.resourceSheet = FindWorksheetByCodeName("wsResource");
}

}  // namespace korvat
