// Loading the settings: every WS* and CS* setting, the derived frame, the optional
// columns, the last table row and a workbook without settings.

#include "calendar/calendar_days.h"
#include "calendar/calendar_settings_loader.h"
#include "calendar/timeline_check.h"
#include "calendar/timeline.h"
#include "frame/addin_state.h"
#include "frame/settings_loading.h"
#include "korvat/korvat.h"
#include "wbs/table_extent.h"
#include "wbs/task_lookup.h"
#include "support/current_plan.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

TEST(Settings, ReadsEverySettingAndDerivesTheFrame) {
  PlanWorkbook plan;
  plan.Setting("WSLastCol", "XFD").Setting("WSFirstTaskRow", "  12abc").Setting("WSAutoUpdateMode", "&H1F");
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0)).Day(kDay1 + 1, Clock(9, 0), Clock(18, 0));
  PlanSession s(plan.Take(), kDay1);
  BoundPlan p = CurrentPlan();
  State().wbsSettings->savedFilter = ",7,";
  State().wbsSettings->rescheduleMode = 1;
  LoadAllSettings(p);
  const WbsSettings& w = *State().wbsSettings;
  EXPECT_EQ(w.lastColNo, 16384);
  EXPECT_EQ(w.firstTaskRow, 12);
  EXPECT_EQ(w.autoUpdateMode, 31);
  EXPECT_EQ(w.taskNameColNo, 2);
  EXPECT_EQ(w.pvByTaskColNo, 14);
  EXPECT_EQ(w.resourceColumnCount, 1);
  EXPECT_EQ(w.wbsNoFormat, ".");
  EXPECT_EQ(w.headerTopRow, 2);
  EXPECT_EQ(w.headerBottomRow, 4);
  EXPECT_DOUBLE_EQ(w.timelineStart, kDay1 + Clock(8, 0));
  EXPECT_DOUBLE_EQ(w.timelineEnd, kDay1 + 1 + Clock(18, 0));
  EXPECT_EQ(w.timelineMinutes, 1440 + 600);
  EXPECT_EQ(w.firstTimelineColumn, 25);
  EXPECT_EQ(w.lastTimelineColumn, 25 + 34);
  EXPECT_EQ(w.lastTimelineColumnLetters, "BG");
  EXPECT_EQ(w.rescheduleMode, 0);
  EXPECT_EQ(w.savedFilter, ",7,");
  EXPECT_EQ(w.loadBlockCol, 0);  // optional settings absent
  EXPECT_EQ(w.dayCountCol, 0);
  EXPECT_EQ(State().calendarSettings->CSCalendarUnit, 60);
  EXPECT_EQ(State().calendarSettings->templateTopRow, 20);
  EXPECT_EQ(State().calendarSettings->templateBodyRow, 23);
  EXPECT_EQ(CalendarDayCount(p.calendarDays), 2);  // loading twice leaves one entry per row
  EXPECT_EQ(s.Close(), 0);
}

TEST(Settings, OptionalColumnsAndDuration) {
  PlanWorkbook plan;
  plan.Setting("WSLoadBlockCol", "V").Setting("WSDurationCol", "X");
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0)).Day(kDay1 + 1, Clock(20, 0), Clock(23, 0));
  plan.Task({1, "Day"});
  const int row = plan.Task({2, "Typed", "M1", "30", Clock(8, 0), Clock(8, 30)});
  plan.Wbs().SetValue(row, 24, CellValue::Number(3));
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_EQ(State().wbsSettings->loadBlockCol, 22);
  EXPECT_EQ(State().wbsSettings->dayCountCol, 24);  // the duration column stands in
  EXPECT_EQ(TaskAtRow(*State().taskTable, row)->durationText, "3");
  EXPECT_EQ(s.Close(), 0);
}

TEST(Settings, DurationDefaultsToTheDaysOfThePlannedSpan) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0)).Day(kDay1 + 1, Clock(20, 0), Clock(23, 0));
  plan.Task({1, "Day"});
  const int inDay = plan.Task({2, "A", "M1", "", Clock(8, 0), Clock(16, 0)});
  const int none = plan.Task({2, "B", "M1"});
  plan.Task({1, "Night"});
  const int overnight = plan.Task({2, "C", "M1", "", Clock(21, 0), Clock(2, 0)});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  const TaskTable& t = *State().taskTable;
  EXPECT_EQ(TaskAtRow(t, inDay)->durationText, "1");
  EXPECT_EQ(TaskAtRow(t, none)->durationText, "");
  // 02:00 lies after midnight of a window opening at 20:00.
  EXPECT_DOUBLE_EQ(TaskAtRow(t, overnight)->plannedEnd, kDay1 + 2 + Clock(2, 0));
  EXPECT_DOUBLE_EQ(TaskAtRow(t, overnight)->plannedStart, kDay1 + 1 + Clock(21, 0));
  EXPECT_EQ(TaskAtRow(t, overnight)->durationText, "2");
  EXPECT_EQ(s.Text(overnight, 14), "300");
  EXPECT_EQ(s.Close(), 0);
}

TEST(Settings, LastTableRowScanIsBounded) {
  PlanWorkbook plan;
  for (int i = 0; i < 4; ++i) plan.Task({1, "T"});
  PlanSession s(plan.Take(), kDay1);
  BoundPlan p = CurrentPlan();
  LoadAllSettings(p);
  EXPECT_EQ(State().wbsSettings->lastTableRow, 9);
  // Bordered to far below: the scan ends with the table's capacity.
  for (int row = 10; row < 10020; ++row) s.Wbs().MutableStyle(row, 23)->border(host::Edge::Right).lineStyle = 1;
  EXPECT_EQ(FindLastTableRow(p), PlanWorkbook::kFirstRow + kMaxTasks - 1);
  State().wbsSettings->lastCol.clear();
  State().wbsSettings->lastColNo = 0;
  EXPECT_EQ(FindLastTableRow(p), PlanWorkbook::kFirstRow - 1);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Settings, ACalendarUnitOfZeroDividesNothingAndIsRefusedForDrawing) {
  PlanWorkbook plan;
  plan.Setting("CSCalendarUnit", "0");
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  PlanSession s(plan.Take(), kDay1);
  BoundPlan p = CurrentPlan();
  LoadAllSettings(p);
  EXPECT_EQ(State().wbsSettings->lastTimelineColumn, State().wbsSettings->firstTimelineColumn);
  EXPECT_EQ(TimelineColumnOf(p, kDay1 + Clock(12, 0)), 25);
  EXPECT_EQ(TimeSlotRect(p, 6, kDay1 + Clock(12, 0)).width, 0.0);
  EXPECT_FALSE(TimelineDrawable(p));
  ASSERT_EQ(s.boxes.size(), 1u);
  EXPECT_EQ(s.boxes[0].flags, 48u);
  EXPECT_NE(s.boxes[0].text.find("CSCalendarUnit"), std::string::npos);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Settings, AWorkbookWithoutSettingsReadsEmpty) {
  auto book = std::make_unique<Workbook>();
  book->AddWorksheet("WBS")->codeName = "wsWBS";
  PlanSession s(std::move(book), kDay1);
  kvUpdateWBS();
  kvWBSFilter();
  EXPECT_EQ(State().taskTable->taskCount, 0);
  EXPECT_EQ(State().wbsSettings->firstTaskRow, 0);
  EXPECT_EQ(s.boxes.size(), 1u) << "the missing sheets, told once";
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
