// The WBS sheet's Change event: each date rule with the events forwarded by the
// host (nested calls included) and with the export called once by hand; what
// does not concern the table; rows deleted, emptied and added.

#include "automation/automation_object.h"
#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "editing/editing_plan.h"
#include "frame/addin_state.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

#include <iostream>
#include <optional>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr int kWorkRow = 7;

// Day(6), Work(7) planned 08:00-09:00 with 60 minutes, Other(8).
struct WorkRow {
  std::optional<double> actualStart, actualEnd;
  std::string percent;
};

PlanWorkbook WorkPlan(const WorkRow& work, bool autoUpdate = true) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Resource("R1", "Anna");
  plan.Setting("WSAutoUpdateMode", autoUpdate ? "1" : "0");
  plan.Task({1, "Day"});
  plan.Task({2, "Work", "Anna", "60", Clock(8, 0), Clock(9, 0), work.actualStart.value_or(0),
             work.actualEnd.value_or(0), work.percent});
  plan.Task({2, "Other", "Anna", "30", Clock(9, 0), Clock(9, 30)});
  return plan;
}

// The range of an A1 address on the WBS sheet, as an event passes it.
AutomationObject WbsRange(PlanSession& s, const std::string& address) {
  const ComRef<IDispatch> book = s.Host().NewWorkbookObject();
  const AutomationObject sheet = FindWorksheetByCodeName(book.Get(), "wsWBS");
  return RangeAt(sheet.Get(), address);
}

void ChangeByHand(PlanSession& s, const std::string& address) {
  const AutomationObject range = WbsRange(s, address);
  IDispatch* held = range.Get();
  kvWBSEventOnChange(&held);
}

struct DateRuleCase {
  const char* what;
  WorkRow work;
  int column;
  std::string typed;
  // What the row's actual start, actual end and percent cells then hold (empty
  // text for an empty cell, else the time or number).
  std::optional<double> actualStart, actualEnd;
  std::string percent;  // "-" for an empty cell
};

std::string Letters(int column) { return std::string(1, static_cast<char>('A' + column - 1)); }

class DateRules : public ::testing::TestWithParam<std::tuple<DateRuleCase, bool>> {};

TEST_P(DateRules, EndWithTheCellsTheRuleDescribes) {
  const auto& [c, events] = GetParam();
  PlanWorkbook plan = WorkPlan(c.work);
  auto s = OpenUpdated(plan);
  const std::string cell = Letters(c.column) + std::to_string(kWorkRow);
  State().eventNesting = EventNesting{};
  if (events) {
    ForwardEvents(*s);
    Type(*s, cell, c.typed);
  } else {
    Type(*s, cell, c.typed);
    ChangeByHand(*s, cell);
  }
  const EventNesting nesting = State().eventNesting;
  const auto expectTime = [&](int column, const std::optional<double>& expected) {
    if (expected) EXPECT_NEAR(s->Number(kWorkRow, column), *expected, 1e-9) << c.what << " column " << column;
    else EXPECT_EQ(s->Text(kWorkRow, column), "") << c.what << " column " << column;
  };
  expectTime(kASCol, c.actualStart);
  expectTime(kAECol, c.actualEnd);
  EXPECT_EQ(s->Text(kWorkRow, kPctCol), c.percent == "-" ? "" : c.percent) << c.what;
  if (events) {
    // Bounded: the nested calls end, none deeper than one past the limit.
    EXPECT_GE(nesting.calls, 1) << c.what;
    EXPECT_LE(nesting.deepest, kMaxEventNesting + 1) << c.what;
    EXPECT_LT(nesting.calls, 200) << c.what;
    std::cout << "[ nested ] " << c.what << ": " << nesting.calls << " event calls, " << nesting.ignored
              << " returned at once, " << nesting.deepest << " deep\n";
  } else {
    EXPECT_EQ(nesting.calls, 1) << c.what;
  }
  EXPECT_EQ(s->Close(), 0);
}

const WorkRow kUnstarted{};
const WorkRow kDone{Clock(8, 0), Clock(9, 0), "100"};
const WorkRow kStartedLate{Clock(8, 10), Clock(9, 0), "100"};

INSTANTIATE_TEST_SUITE_P(
    Typing, DateRules,
    ::testing::Combine(
        ::testing::Values(
            DateRuleCase{"100 fills both actual dates", kUnstarted, kPctCol, "100", Clock(8, 0), Clock(9, 0), "100"},
            DateRuleCase{"150 fills them and leaves 100", kUnstarted, kPctCol, "150", Clock(8, 0), Clock(9, 0), "100"},
            DateRuleCase{"50 sets the start", kUnstarted, kPctCol, "50", Clock(8, 0), std::nullopt, "50"},
            DateRuleCase{"50 on a done task clears its end", kDone, kPctCol, "50", Clock(8, 0), std::nullopt, "50"},
            DateRuleCase{"0 clears both dates", kDone, kPctCol, "0", std::nullopt, std::nullopt, "0"},
            DateRuleCase{"clearing the end of a started task", kStartedLate, kAECol, "", Clock(8, 10), std::nullopt,
                         "20"},
            DateRuleCase{"an end on an unstarted task", kUnstarted, kAECol, "0.375", Clock(8, 0), Clock(9, 0), "100"},
            DateRuleCase{"a start with an empty percent", kUnstarted, kASCol, "0.34375", Clock(8, 15), std::nullopt,
                         "20"},
            DateRuleCase{"clearing the start", kDone, kASCol, "", std::nullopt, std::nullopt, "-"}),
        ::testing::Bool()),
    [](const auto& info) {
      return "case" + std::to_string(info.index) + (std::get<1>(info.param) ? "_events" : "_byHand");
    });

TEST(SheetChange, EditingASummaryRunsNoDateRule) {
  PlanWorkbook plan = WorkPlan(kUnstarted);
  auto s = OpenUpdated(plan);
  ForwardEvents(*s);
  Type(*s, "T6", "100");
  EXPECT_EQ(s->Text(kWorkRow, kASCol), "");
  EXPECT_EQ(s->Text(kWorkRow, kAECol), "");
  EXPECT_EQ(s->Text(6, kASCol), "");
  EXPECT_EQ(s->Close(), 0);
}

TEST(SheetChange, ANewStartRecomputesTheEndFromTheMinutes) {
  PlanWorkbook plan = WorkPlan(kUnstarted);
  auto s = OpenUpdated(plan);
  ForwardEvents(*s);
  Type(*s, "P7", "0.4375");  // 10:30
  EXPECT_NEAR(s->Number(kWorkRow, kPECol), Clock(11, 30), 1e-9);
  EXPECT_EQ(s->Close(), 0);
}

// What the workbook holds after typing, with the events forwarded or not.
std::string AfterTyping(const WorkRow& work, bool autoUpdate, const std::string& cell, const std::string& text,
                        bool events) {
  PlanWorkbook plan = WorkPlan(work, autoUpdate);
  auto s = OpenUpdated(plan);
  if (events) ForwardEvents(*s);
  Type(*s, cell, text);
  const std::string saved = SavedText(*s);
  EXPECT_EQ(s->Close(), 0);
  return saved;
}

TEST(SheetChange, AChangeBelowTheTableOrWithAutoUpdateOffChangesNothing) {
  EXPECT_EQ(AfterTyping(kUnstarted, true, "T30", "100", true), AfterTyping(kUnstarted, true, "T30", "100", false));
  EXPECT_EQ(AfterTyping(kUnstarted, false, "T7", "100", true), AfterTyping(kUnstarted, false, "T7", "100", false));
}

TEST(SheetChange, DeletingWholeRowsLeavesEveryRowShownThoughAFilterWasSaved) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {1, "B"}, {2, "b1"}}, true);
  plan.Settings().SetValue(500, 1, CellValue::Text("6,1"));  // top-level tasks only
  auto s = OpenUpdated(plan);
  kvWBSFilter();
  ASSERT_TRUE(s->Hidden(7));
  ForwardEvents(*s);
  {
    const ComRef<IDispatch> book = s->Host().NewWorkbookObject();
    const AutomationObject sheet = FindWorksheetByCodeName(book.Get(), "wsWBS");
    ASSERT_EQ(CallMethod(sheet.Get(), KV_W(".Rows(%s).Delete"), "8:8"), S_OK);
  }
  for (int row = kFirst; row <= kFirst + 3; ++row) EXPECT_FALSE(s->Hidden(row)) << row;
  EXPECT_EQ(NameAt(*s, 8), "B");
  EXPECT_EQ(s->Text(9, kWbsCol), "2.1");
  EXPECT_EQ(s->Close(), 0);
}

TEST(SheetChange, EmptyingATaskRowTakesItsShapesAndCellsAway) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {2, "a3"}}, true);
  auto s = OpenUpdated(plan);
  kvWBSReschedule();
  ASSERT_NE(s->Wbs().Shapes().Find("GanntBar9A"), nullptr);
  ForwardEvents(*s);
  Type(*s, "C9", "");
  EXPECT_EQ(s->Wbs().Shapes().Find("GanntBar9A"), nullptr);
  EXPECT_EQ(s->Text(9, kPSCol), "");
  EXPECT_EQ(s->Text(9, kResourceCol), "");
  EXPECT_NE(s->Wbs().Shapes().Find("GanntBar8A"), nullptr);
  EXPECT_EQ(s->Close(), 0);
}

TEST(SheetChange, ATaskTypedUnderTheLastRowStartsWhereTheLastEndsAndTheTableGrows) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}}, true);
  // One empty bordered row closes the table.
  plan.Wbs().MutableStyle(9, plan.Layout().lastColumn)->border(host::Edge::Right).lineStyle = 1;
  auto s = OpenUpdated(plan);
  ForwardEvents(*s);
  Type(*s, "C9", "New");
  EXPECT_EQ(NameAt(*s, 9), "New");
  EXPECT_NEAR(s->Number(9, kPSCol), Clock(9, 30), 1e-9);  // a2 ends 09:30
  EXPECT_NEAR(s->Number(9, kPECol), Clock(10, 30), 1e-9);  // one calendar unit of 60 minutes
  EXPECT_EQ(s->Text(9, kResourceCol), "Anna");
  EXPECT_EQ(NameAt(*s, 10), "");
  EXPECT_EQ(s->Wbs().Style(10, 23).border(host::Edge::Right).lineStyle, 1);
  EXPECT_NE(s->Wbs().Shapes().Find("GanntBar9A"), nullptr);
  EXPECT_EQ(s->Close(), 0);
}

}  // namespace
