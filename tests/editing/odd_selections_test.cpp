// Selections the row operations cannot act on: above the first task row, the
// whole sheet, whole columns reaching past the table, another sheet. Each export
// returns 0 and the workbook stays as it was; an event of another sheet's range
// is ignored.

#include "automation/automation_object.h"
#include "automation/host_object.h"
#include "editing/editing_plan.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace korvat;
using namespace korvat::test;

struct RowOperation {
  const char* name;
  std::function<intptr_t()> run;
};

struct OddSelection {
  const char* what;
  std::string sheet;  // code name
  std::string address;
};

class OddSelections : public ::testing::TestWithParam<std::tuple<RowOperation, OddSelection>> {};

TEST_P(OddSelections, AreRefusedQuietly) {
  const auto& [operation, selection] = GetParam();
  // Rows 6..10: each operation would act on a selection of rows 8:9 of the WBS sheet.
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {2, "a3"}, {2, "a4"}}, true);
  auto s = OpenUpdated(plan);
  ForwardEvents(*s);
  std::string error;
  ASSERT_TRUE(s->Host().SelectRange(selection.sheet, selection.address, &error)) << error;
  const std::string before = SavedText(*s);
  EXPECT_EQ(operation.run(), 0) << operation.name << ", " << selection.what;
  EXPECT_EQ(SavedText(*s), before) << operation.name << ", " << selection.what;
  EXPECT_EQ(s->Close(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Exports, OddSelections,
    ::testing::Combine(::testing::Values(RowOperation{"kvTasksMoveUp", [] { return kvTasksMoveUp(); }},
                                         RowOperation{"kvTasksMoveDown", [] { return kvTasksMoveDown(); }},
                                         RowOperation{"kvTasksMoveRight", [] { return kvTasksMoveRight(); }},
                                         RowOperation{"kvTasksMoveLeft", [] { return kvTasksMoveLeft(); }},
                                         RowOperation{"kvTasksOffset", [] { return kvTasksOffset(15, 2); }}),
                       ::testing::Values(OddSelection{"rows above the first task row", "wsWBS", "2:4"},
                                         OddSelection{"from above into the tasks", "wsWBS", "4:8"},
                                         OddSelection{"the whole sheet", "wsWBS", "A1:XFD1048576"},
                                         OddSelection{"whole rows to the sheet's end", "wsWBS", "8:1048576"},
                                         OddSelection{"a whole column", "wsWBS", "C:C"},
                                         OddSelection{"task rows past the table", "wsWBS", "9:12"},
                                         OddSelection{"the same rows on another sheet", "wsSettings", "8:9"})),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(OddEvents, AChangeOfAnotherSheetsRangeIsIgnored) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}}, true);
  auto s = OpenUpdated(plan);
  const std::string before = SavedText(*s);
  {
    const ComRef<IDispatch> book = s->Host().NewWorkbookObject();
    const AutomationObject sheet = FindWorksheetByCodeName(book.Get(), "wsSettings");
    const AutomationObject range = RangeAt(sheet.Get(), "T7");
    IDispatch* held = range.Get();
    kvWBSEventOnChange(&held);
    kvWBSEventOnSelectionChange(&held);
    IDispatch* none = nullptr;
    kvWBSEventOnChange(&none);
    kvWBSEventOnSelectionChange(nullptr);
  }
  EXPECT_EQ(SavedText(*s), before);
  EXPECT_EQ(s->Close(), 0);
}

TEST(OddEvents, AWholeColumnEmptiedStopsAtTheTable) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}}, true);
  auto s = OpenUpdated(plan);
  ForwardEvents(*s);
  {
    const ComRef<IDispatch> book = s->Host().NewWorkbookObject();
    const AutomationObject sheet = FindWorksheetByCodeName(book.Get(), "wsWBS");
    const AutomationObject column = RangeAt(sheet.Get(), "C8:C1048576");
    ClearContents(column.Get());
  }
  // a2 emptied of its name: its row is cleared, the rows above stay.
  EXPECT_EQ(NameAt(*s, 7), "a1");
  EXPECT_NE(s->Text(7, kPSCol), "");
  EXPECT_EQ(s->Text(8, kPSCol), "");
  EXPECT_EQ(s->Text(8, kResourceCol), "");
  EXPECT_EQ(s->Close(), 0);
}

}  // namespace
