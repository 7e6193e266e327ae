#include "frame/settings_loading.h"

#include "base/column_letters.h"
#include "calendar/calendar_days.h"
#include "calendar/calendar_settings_loader.h"
#include "calendar/timeline.h"
#include "gantt/template_loader.h"
#include "plan/setting_cell.h"
#include "wbs/table_extent.h"

namespace korvat {
namespace {

void ReadSettingCells(IDispatch* settingsSheet, WbsSettings& s) {
  auto text = [&](const char* name) { return ReadSettingText(settingsSheet, name); };
  auto integer = [&](const char* name) { return ReadSettingInteger(settingsSheet, name); };
  s.wbsSheetName = text("WSWBSSheetName");
  s.firstCol = text("WSFirstCol");
  s.lastCol = text("WSLastCol");
  s.projectStartDateCell = text("WSProjectStartDateCell");
  s.projectEndDateCell = text("WSProjectEndDateCell");
  s.calendarDateRow = integer("WSCalendarDateRow");
  s.calendarFirstCol = text("WSCalendarFirstCol");
  s.firstTaskRow = integer("WSFirstTaskRow");
  s.wbsNoCol = text("WSWBSNoCol");
  s.taskNameCol = text("WSTaskNameCol");
  s.taskTypeCol = text("WSTaskTypeCol");
  s.resourceCol = text("WSResourceCol");
  s.pvByTaskCol = text("WSPVByTaskCol");
  s.plannedStartDateCol = text("WSPlannedStartDateCol");
  s.plannedEndDateCol = text("WSPlannedEndDateCol");
  s.acByTaskCol = text("WSACByTaskCol");
  s.actualStartDateCol = text("WSActualStartDateCol");
  s.actualEndDateCol = text("WSActualEndDateCol");
  s.percentCompleteCol = text("WSPercentCompleteCol");
  s.predecessorsCol = text("WSPredecessorsCol");
  s.wbsNoBegin = integer("WSWBSNoBegin");
  s.wbsNoFormat = text("WSWBSNoFormat");
  s.rescheduleMode = 0;
  s.taskColorCompletedFlg = integer("WSTaskColorCompletedFlg");
  s.taskColorUseFlg = integer("WSTaskColorUseFlg");
  s.filterOptionShowDependence = integer("WSFilterOptionShowDependence");
  s.filterOptionShowSummary = integer("WSFilterOptionShowSummary");
  s.autoUpdateMode = integer("WSAutoUpdateMode");
  s.taskLinkerColorFlg = integer("WSTaskLinkerColorFlg");
  // Optional columns a workbook may name; without them the fields stay empty.
  s.loadBlockColText = text("WSLoadBlockCol");
  s.dayCountColText = text("WSDayCountCol");
  s.durationColText = text("WSDurationCol");
}

void ComputeColumnNumbers(WbsSettings& s) {
  s.firstColNo = ColumnNumber(s.firstCol);
  s.lastColNo = ColumnNumber(s.lastCol);
  s.firstTimelineColumn = ColumnNumber(s.calendarFirstCol);
  s.wbsNoColNo = ColumnNumber(s.wbsNoCol);
  s.taskNameColNo = ColumnNumber(s.taskNameCol);
  s.taskTypeColNo = ColumnNumber(s.taskTypeCol);
  s.resourceColNo = ColumnNumber(s.resourceCol);
  s.loadBlockCol = ColumnNumber(s.loadBlockColText);
  s.pvByTaskColNo = ColumnNumber(s.pvByTaskCol);
  s.acByTaskColNo = ColumnNumber(s.acByTaskCol);
  s.durationColNo = ColumnNumber(s.durationColText);
  s.dayCountCol = s.dayCountColText.empty() ? s.durationColNo : ColumnNumber(s.dayCountColText);
  s.plannedStartDateColNo = ColumnNumber(s.plannedStartDateCol);
  s.plannedEndDateColNo = ColumnNumber(s.plannedEndDateCol);
  s.actualStartDateColNo = ColumnNumber(s.actualStartDateCol);
  s.actualEndDateColNo = ColumnNumber(s.actualEndDateCol);
  s.percentCompleteColNo = ColumnNumber(s.percentCompleteCol);
  s.predecessorsColNo = ColumnNumber(s.predecessorsCol);
}

}  // namespace

void LoadWbsSettings(BoundPlan& plan) {
  WbsSettings& s = plan.wbsSettings;
  ReadSettingCells(plan.settingsSheet, s);
  ComputeColumnNumbers(s);
  s.resourceColumnCount = s.pvByTaskColNo - s.resourceColNo;
  LoadCalendarDays(plan.workbook, plan.calendarDays, plan.notices);
  ComputeTimelineFrame(s, plan.calendarDays, plan.calendarSettings.CSCalendarUnit);
  s.headerTopRow = s.calendarDateRow - 1;
  s.headerBottomRow = s.calendarDateRow + 1;
  s.lastTableRow = FindLastTableRow(plan);
}

void LoadAllSettings(BoundPlan& plan) {
  LoadCalendarSettings(plan.settingsSheet, plan.calendarSettings);
  LoadWbsSettings(plan);
  LoadGanttTemplates(plan);
  LoadCalendarDays(plan.workbook, plan.calendarDays, plan.notices);
}

}  // namespace korvat
