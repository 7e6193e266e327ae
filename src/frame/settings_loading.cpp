#include "frame/settings_loading.h"

#include "calendar/calendar_days.h"
#include "calendar/calendar_settings_loader.h"
#include "calendar/timeline.h"
#include "frame/addin_state.h"
#include "base/column_letters.h"
#include "frame/setting_cell.h"
#include "gantt/template_loader.h"
#include "wbs/table_extent.h"

namespace korvat {
namespace {

void ReadSettingCells(WbsSettings& s) {
  s.wbsSheetName = ReadSettingText("WSWBSSheetName");
  s.firstCol = ReadSettingText("WSFirstCol");
  s.lastCol = ReadSettingText("WSLastCol");
  s.projectStartDateCell = ReadSettingText("WSProjectStartDateCell");
  s.projectEndDateCell = ReadSettingText("WSProjectEndDateCell");
  s.calendarDateRow = ReadSettingInteger("WSCalendarDateRow");
  s.calendarFirstCol = ReadSettingText("WSCalendarFirstCol");
  s.firstTaskRow = ReadSettingInteger("WSFirstTaskRow");
  s.wbsNoCol = ReadSettingText("WSWBSNoCol");
  s.taskNameCol = ReadSettingText("WSTaskNameCol");
  s.taskTypeCol = ReadSettingText("WSTaskTypeCol");
  s.resourceCol = ReadSettingText("WSResourceCol");
  s.pvByTaskCol = ReadSettingText("WSPVByTaskCol");
  s.plannedStartDateCol = ReadSettingText("WSPlannedStartDateCol");
  s.plannedEndDateCol = ReadSettingText("WSPlannedEndDateCol");
  s.acByTaskCol = ReadSettingText("WSACByTaskCol");
  s.actualStartDateCol = ReadSettingText("WSActualStartDateCol");
  s.actualEndDateCol = ReadSettingText("WSActualEndDateCol");
  s.percentCompleteCol = ReadSettingText("WSPercentCompleteCol");
  s.predecessorsCol = ReadSettingText("WSPredecessorsCol");
  s.wbsNoBegin = ReadSettingInteger("WSWBSNoBegin");
  s.wbsNoFormat = ReadSettingText("WSWBSNoFormat");
  s.rescheduleMode = 0;
  s.taskColorCompletedFlg = ReadSettingInteger("WSTaskColorCompletedFlg");
  s.taskColorUseFlg = ReadSettingInteger("WSTaskColorUseFlg");
  s.filterOptionShowDependence = ReadSettingInteger("WSFilterOptionShowDependence");
  s.filterOptionShowSummary = ReadSettingInteger("WSFilterOptionShowSummary");
  s.autoUpdateMode = ReadSettingInteger("WSAutoUpdateMode");
  s.taskLinkerColorFlg = ReadSettingInteger("WSTaskLinkerColorFlg");
  // Optional columns a workbook may name; without them the fields stay empty.
  s.loadBlockColText = ReadSettingText("WSLoadBlockCol");
  s.dayCountColText = ReadSettingText("WSDayCountCol");
  s.durationColText = ReadSettingText("WSDurationCol");
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

void LoadWbsSettings() {
  AddinState& state = State();
  if (!state.wbsSettings) return;
  WbsSettings& s = *state.wbsSettings;
  ReadSettingCells(s);
  ComputeColumnNumbers(s);
  s.resourceColumnCount = s.pvByTaskColNo - s.resourceColNo;
  LoadCalendarDays();
  ComputeTimelineFrame(s, state.calendarSettings ? state.calendarSettings->CSCalendarUnit : 0);
  s.headerTopRow = s.calendarDateRow - 1;
  s.headerBottomRow = s.calendarDateRow + 1;
  s.lastTableRow = FindLastTableRow();
}

void LoadAllSettings() {
  LoadCalendarSettings();
  LoadWbsSettings();
  LoadGanttTemplates();
  LoadCalendarDays();
}

}  // namespace korvat
