// The drawing exports refuse a timeline they cannot draw: one message, and the sheet
// exactly as it was.

#include "support/gantt_fixture.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"

#include <functional>
#include <string>

namespace korvat::test {
namespace {

struct RefusalCase {
  const char* what;
  std::function<void(ChartPlan&)> spoilPlan;  // before the plan opens, or null
  int settingIndex = -1;                      // a setting to overwrite once it is open
  const char* settingText = "";
  const char16_t* said = u"";  // part of the one message
};

constexpr int kSettingsRow = 10;  // the chart layout's first setting row
// The rows of the chart layout's settings (see support/plan_workbook.cpp).
int SettingRow(int index) { return kSettingsRow + index; }
constexpr int kLastColIndex = 2, kDateRowIndex = 3, kFirstColIndex = 4;

class TimelineRefusal : public GanttTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(TimelineRefusal, TheDrawingExportsChangeNothingAndSayWhyOnce) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                {.level = 2, .name = "Work", .resource = "Alice", .pv = "60", .plannedStart = HoursMinutes(9, 0),
                 .plannedEnd = HoursMinutes(10, 0)}};
  if (GetParam().spoilPlan) GetParam().spoilPlan(plan);
  Open(plan);
  if (GetParam().settingIndex >= 0)
    host_->Model().FindWorksheet("Settings")->SetCellFromText(SettingRow(GetParam().settingIndex), 2,
                                                              GetParam().settingText);
  kvUpdateWBS();
  messages_.clear();
  const std::string before = host::file::WorkbookToText(host_->Model());
  kvDrawCalendar(0);
  kvDrawGanntChart(0);
  EXPECT_EQ(host::file::WorkbookToText(host_->Model()).size(), before.size()) << GetParam().what;
  // The bar style cell is the only cell kvDrawGanntChart writes, and it held 0 already.
  EXPECT_EQ(host::file::WorkbookToText(host_->Model()), before) << GetParam().what;
  ASSERT_EQ(messages_.size(), 2u) << GetParam().what << ": once for each export";
  EXPECT_NE(messages_[0].find(GetParam().said), std::u16string::npos) << GetParam().what;
  EXPECT_NE(messages_[0].find(u"Nothing was drawn."), std::u16string::npos);
  EXPECT_TRUE(ShapeNamesStartingWith("GanntBar").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TimelineRefusal,
    testing::Values(
        RefusalCase{"an empty first timeline column", nullptr, kFirstColIndex, "", u"\"WSCalendarFirstCol\" holds \"\""},
        RefusalCase{"a first timeline column in lower case", nullptr, kFirstColIndex, "w", u"in capital letters"},
        RefusalCase{"a number for the first timeline column", nullptr, kFirstColIndex, "23", u"in capital letters"},
        RefusalCase{"a first timeline column inside the table", nullptr, kFirstColIndex, "T", u"must lie right of the task table's last column"},
        RefusalCase{"a table that reaches the sheet's end", nullptr, kLastColIndex, "XFD", u"must lie right of the task table's last column"},
        RefusalCase{"a date row among the task rows", nullptr, kDateRowIndex, "1048576", u"\"WSCalendarDateRow\""},
        RefusalCase{.what = "days out of order",
                    .spoilPlan = [](ChartPlan& p) { p.days = {PlanDay{.day = 8}, PlanDay{.day = 7}}; },
                    .said = u"comes before the day above it"},
        RefusalCase{.what = "no calendar day", .spoilPlan = [](ChartPlan& p) { p.days.clear(); }, .said = u"no calendar day"},
        RefusalCase{.what = "a timeline longer than the sheet",
                    .spoilPlan = [](ChartPlan& p) {
                      p.days = {PlanDay{.year = 2026, .month = 12, .day = 7}, PlanDay{.year = 2028, .month = 12, .day = 7}};
                    },
                    .said = u"more than the sheet has"}));

// A window that ends at or before its start ends on the next day: the header, the
// bars, the progress line and the scheduling all read the night shift as one window,
// and the task table's own columns stay as they were.
class EveningWindow : public GanttTest, public testing::WithParamInterface<int> {
 protected:
  // Where a moment minutes after 20:00 on the first date lies on the timeline.
  double X(int minutes) const {
    const int unit = GetParam();
    const int column = kFirstTimelineColumn + minutes / unit;
    return ColumnLeft(column) + Wbs().ColumnWidth(column) * (minutes % unit) / unit;
  }
};

TEST_P(EveningWindow, RunsPastMidnightThroughEveryDrawing) {
  const int unit = GetParam();
  ChartPlan plan;
  plan.days = {PlanDay{.day = 7, .windowStart = HoursMinutes(20, 0), .windowEnd = HoursMinutes(4, 0)}};
  plan.tasks = {{.level = 1, .name = "Night"},
                {.level = 2, .name = "Late", .resource = "Alice", .pv = "300"},
                {.level = 2, .name = "Later", .resource = "Alice", .pv = "60"}};
  Open(plan, Day1(0, 30) + 1.0);  // 2026/12/08 00:30, inside the window
  kvDrawCalendar(unit);
  kvWBSReschedule();
  kvDrawProgressLines();
  EXPECT_TRUE(messages_.empty()) << messages_.size() << " messages";

  const int windowColumns = (8 * 60 + unit - 1) / unit;
  for (int k = 0; k < windowColumns; ++k) EXPECT_FALSE(ColumnHidden(kFirstTimelineColumn + k)) << "slot " << k;
  EXPECT_EQ(Text(2, kFirstTimelineColumn), "2026/12/07");
  if (unit < 1440) {
    EXPECT_EQ(Text(2, kFirstTimelineColumn + 240 / unit), "2026/12/08") << "midnight starts a date";
  }

  // Planned from 20:00 for 300 minutes to 01:00, then 01:00 to 02:00, written as times of day.
  EXPECT_EQ(Text(6, 16), "0.833333333333333");
  EXPECT_EQ(Text(6, 17), "0.0416666666666667");
  EXPECT_EQ(Text(7, 16), "0.0416666666666667");
  EXPECT_EQ(Text(7, 17), "0.0833333333333333");
  EXPECT_EQ(Text(6, 3), "Late") << "the task table's columns are intact";
  EXPECT_EQ(Text(6, 13), "Alice");
  EXPECT_EQ(Text(6, 14), "300");

  const host::Shape* late = Shape("GanntBar6A");
  const host::Shape* later = Shape("GanntBar7A");
  ASSERT_NE(late, nullptr);
  ASSERT_NE(later, nullptr);
  EXPECT_NEAR(late->left, X(0), 1e-3);
  EXPECT_NEAR(later->left, X(300), 1e-3) << "01:00 on the next date";
  const host::Shape* line = Shape("ProgressLines20261208");
  ASSERT_NE(line, nullptr);
  EXPECT_NEAR(line->left + line->nodes.front().x, X(270), 1e-3) << "now, 00:30";
}

INSTANTIATE_TEST_SUITE_P(Units, EveningWindow, testing::Values(15, 60, 1440));

struct SlotCase {
  int unit;
  double secondStart;  // the second day's window start; the first day's grid starts at 08:00
  int slotMinutes;     // a slot of the second day, minutes after its midnight
  bool shown;
};

class SlotVisibility : public GanttTest, public testing::WithParamInterface<SlotCase> {};

// A slot that holds any part of a working window shows, whether the window starts on a
// slot boundary or between two.
TEST_P(SlotVisibility, ASlotHoldingAnyPartOfTheWindowShows) {
  const SlotCase& c = GetParam();
  ChartPlan plan;
  plan.days = {PlanDay{.day = 7, .windowStart = HoursMinutes(8, 0), .windowEnd = HoursMinutes(17, 0)},
               PlanDay{.day = 8, .windowStart = c.secondStart, .windowEnd = HoursMinutes(16, 30)},
               PlanDay{.day = 9}};  // so the second day's late slots lie inside the timeline
  plan.tasks = {{.level = 1, .name = "Day 1"}};
  Open(plan);
  kvDrawCalendar(c.unit);
  // Slots count from 2026/12/07 08:00; the second day's midnight is 16 hours on.
  const int column = kFirstTimelineColumn + (16 * 60 + c.slotMinutes) / c.unit;
  EXPECT_EQ(!ColumnHidden(column), c.shown) << "unit " << c.unit << ", slot " << c.slotMinutes << " min";
}

INSTANTIATE_TEST_SUITE_P(
    Units, SlotVisibility,
    testing::Values(SlotCase{60, HoursMinutes(7, 30), 7 * 60, true},    // holds 07:30 to 08:00
                    SlotCase{60, HoursMinutes(7, 30), 6 * 60, false},
                    SlotCase{60, HoursMinutes(7, 0), 7 * 60, true},     // on a boundary
                    SlotCase{60, HoursMinutes(7, 0), 6 * 60, false},
                    SlotCase{60, HoursMinutes(7, 30), 16 * 60, true},   // holds 16:00 to 16:30
                    SlotCase{60, HoursMinutes(7, 30), 17 * 60, false},
                    SlotCase{15, HoursMinutes(7, 40), 7 * 60 + 30, true},
                    SlotCase{15, HoursMinutes(7, 40), 7 * 60 + 15, false},
                    SlotCase{15, HoursMinutes(7, 45), 7 * 60 + 45, true},
                    SlotCase{15, HoursMinutes(7, 45), 7 * 60 + 30, false},
                    SlotCase{1440, HoursMinutes(7, 30), 8 * 60, true},  // the day's own column
                    SlotCase{1440, HoursMinutes(9, 0), 8 * 60, true}));

TEST_F(GanttTest, ABarStartingBetweenSlotBoundariesStartsInsideItsSlot) {
  ChartPlan plan;
  plan.days = {PlanDay{.day = 7, .windowStart = HoursMinutes(8, 0), .windowEnd = HoursMinutes(17, 0)},
               PlanDay{.day = 8, .windowStart = HoursMinutes(7, 30), .windowEnd = HoursMinutes(16, 30)}};
  plan.tasks = {{.level = 1, .name = "Day 1"},
                {.level = 2, .name = "A", .resource = "Alice", .pv = "60", .plannedStart = HoursMinutes(8, 0),
                 .plannedEnd = HoursMinutes(9, 0)},
                {.level = 1, .name = "Day 2"},
                {.level = 2, .name = "Early", .resource = "Bob", .pv = "60", .plannedStart = HoursMinutes(7, 30),
                 .plannedEnd = HoursMinutes(8, 30)}};
  Open(plan);
  kvUpdateWBS();
  kvDrawCalendar(60);
  const int seven = kFirstTimelineColumn + 23;  // 2026/12/08 07:00
  EXPECT_FALSE(ColumnHidden(seven));
  EXPECT_EQ(Text(2, seven), "2026/12/08") << "the day's date stands in its first shown column";
  ASSERT_NE(Shape("GanntBar8A"), nullptr);
  EXPECT_DOUBLE_EQ(Shape("GanntBar8A")->left, ColumnLeft(seven) + Wbs().ColumnWidth(seven) / 2);
}

}  // namespace
}  // namespace korvat::test
