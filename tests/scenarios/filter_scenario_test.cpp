// The row filter: every kind, with and without summaries and linked tasks.

#include "frame/addin_state.h"
#include "base/number_text.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"
#include "wbs/row_filter.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"
#include "support/current_plan.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr double kNow = kDay1 + 10.0 / 24;  // 10:00 on the first day
constexpr int kFirst = 6, kLast = 15;

std::unique_ptr<Workbook> FilterPlan(const std::string& setting, bool summary, bool dependence) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0)).Day(kDay1 + 1, Clock(8, 0), Clock(17, 0));
  plan.Resource("R1", "Anna").Resource("R2", "Ben").Resource("R3", "Carla");
  plan.Setting("WSFilterOptionShowSummary", summary ? "1" : "0");
  plan.Setting("WSFilterOptionShowDependence", dependence ? "1" : "0");
  plan.Settings().SetValue(500, 1, CellValue::Text(setting));
  plan.Task({1, "Day"});                                                                          // 6
  plan.Task({2, "Done", "Anna", "60", Clock(8, 0), Clock(9, 0), Clock(8, 0), Clock(9, 0)});       // 7
  plan.Task({2, "Over", "Ben", "60", Clock(8, 0), Clock(9, 0), Clock(8, 0), Clock(9, 30)});       // 8
  plan.Task({2, "Behind", "Anna", "120", Clock(9, 0), Clock(11, 0), 0, 0, "10"});                 // 9
  plan.Task({2, "Ahead", "Ben", "240", Clock(9, 30), Clock(13, 30), 0, 0, "50"});                 // 10
  TaskRow future{2, "Future", "Carla", "60", Clock(14, 0), Clock(15, 0)};
  future.type = "Review";
  plan.Task(future);                                                                              // 11
  TaskRow crew{2, "Crew", "M2", "60", Clock(12, 0), Clock(13, 0)};
  crew.predecessors = "1.1";
  plan.Task(crew);                                                                                // 12
  plan.Task({1, "Day 2"});                                                                        // 13
  plan.Task({2, "Group"});                                                                        // 14
  plan.Task({3, "Early", "Anna", "30", Clock(8, 0), Clock(8, 30), 0, 0, "30"});                   // 15
  return plan.Take();
}

struct FilterCase {
  std::string setting;
  bool summary;
  bool dependence;
  std::set<int> shown;
};

std::string Day1(int h, int m) { return FormatDouble(kDay1 + Clock(h, m)); }

TEST(Filter, EveryKindWithBothOptions) {
  const FilterCase cases[] = {
      {"1,Anna,Ben,", false, false, {7, 8, 9, 10, 15}},
      {"1,Anna,Ben,", true, false, {6, 7, 8, 9, 10, 13, 14, 15}},
      {"2,1," + Day1(13, 15) + "," + Day1(14, 30), false, false, {10, 11}},
      {"2,2," + Day1(9, 15) + "," + Day1(9, 45), false, false, {8}},
      {"2,PlannedEndDate,0.5,0", false, false, {10, 11, 12}},
      {"2,1", false, false, {}},
      {"3,", false, false, {11}},
      {"4,", false, false, {9, 10}},
      {"5,", false, false, {7, 8}},
      {"5,", true, false, {6, 7, 8}},
      {"5,", false, true, {7, 8, 12}},
      {"6,1", true, false, {6, 13}},
      {"6,2", false, false, {6, 13, 14}},
      {"7,", false, false, {12}},
      {"7,", true, true, {6, 7, 12}},
      {"8,", false, false, {8}},
      {"9,", false, false, {10}},
      {"10,", false, false, {9}},
      {"11,", false, false, {10}},
      {"12,", false, false, {9}},
      {"13,", false, false, {12}},
      {"14,", false, false, {}},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.setting + (c.summary ? " +summary" : "") + (c.dependence ? " +links" : ""));
    PlanSession s(FilterPlan(c.setting, c.summary, c.dependence), kNow);
    kvUpdateWBS();
    kvWBSFilter();
    std::set<int> shown;
    for (int row = kFirst; row <= kLast; ++row)
      if (!s.Hidden(row)) shown.insert(row);
    if (c.shown.empty()) {
      EXPECT_EQ(State().wbsSettings->savedFilter, ",");  // a filter that nothing matches hides every row
      EXPECT_TRUE(shown.empty());
    } else {
      EXPECT_EQ(shown, c.shown);
    }
    EXPECT_EQ(s.Close(), 0);
  }
}

TEST(Filter, NoKindShowsEveryRowAndSavesNothing) {
  for (const char* setting : {"0,", "", "5"}) {
    PlanSession s(FilterPlan("5,", false, false), kNow);
    kvUpdateWBS();
    kvWBSFilter();
    ASSERT_TRUE(s.Hidden(kFirst));
    s.Sheet("wsSettings").SetValue(500, 1, CellValue::Text(setting));
    kvWBSFilter();
    EXPECT_EQ(State().wbsSettings->savedFilter, "");
    for (int row = kFirst; row <= kLast; ++row) EXPECT_FALSE(s.Hidden(row)) << setting << " row " << row;
    EXPECT_EQ(s.Close(), 0);
  }
}

TEST(Filter, UpdatesShowAllRowsWhileTheyWorkAndRestoreTheFilter) {
  PlanSession s(FilterPlan("5,", false, false), kNow);
  kvUpdateWBS();
  kvWBSFilter();
  s.Host().ResetCounters();
  kvUpdateWBS();
  EXPECT_EQ(State().wbsSettings->savedFilter, ",7,,8,");
  for (int row = kFirst; row <= kLast; ++row) EXPECT_EQ(s.Hidden(row), row != 7 && row != 8) << row;
  // A row hidden by hand is captured as well.
  s.Wbs().SetRowHidden(7, true);
  kvUpdateWBS();
  EXPECT_EQ(State().wbsSettings->savedFilter, ",8,");
  EXPECT_EQ(s.Close(), 0);
}

TEST(Filter, RowSetsMatchWholeRowNumbersOnly) {
  PlanSession s(FilterPlan("0,", false, false), kNow);
  kvUpdateWBS();
  ApplyFilter(CurrentPlan(), ",15,");
  for (int row = kFirst; row <= kLast; ++row) EXPECT_EQ(s.Hidden(row), row != 15) << row;
  ApplyFilter(CurrentPlan(), "");
  for (int row = kFirst; row <= kLast; ++row) EXPECT_FALSE(s.Hidden(row));
  EXPECT_EQ(ReadFilterState(CurrentPlan()), "");
  EXPECT_EQ(SuccessorRows(*State().taskTable, 7), ",12,");
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
