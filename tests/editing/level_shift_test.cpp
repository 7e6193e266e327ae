// Indenting and outdenting the selected tasks: the outline checks, the name
// moved one column, the numbers and summaries that follow.

#include "editing/editing_plan.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

struct RefusedShift {
  const char* what;
  std::vector<OutlineTask> outline;
  std::string selection;
  int direction;  // +1 deeper (kvTasksMoveRight), -1 higher (kvTasksMoveLeft)
};

class RefusedShifts : public ::testing::TestWithParam<RefusedShift> {};

TEST_P(RefusedShifts, ReturnZeroAndLeaveTheWorkbookAsItWas) {
  const RefusedShift& c = GetParam();
  PlanWorkbook plan = OutlinePlan(c.outline);
  auto s = OpenUpdated(plan);
  Select(*s, c.selection);
  const std::string before = SavedText(*s);
  const intptr_t result = c.direction > 0 ? kvTasksMoveRight() : kvTasksMoveLeft();
  EXPECT_EQ(result, 0) << c.what;
  EXPECT_EQ(SavedText(*s), before) << c.what;
  EXPECT_EQ(s->Close(), 0);
}

std::vector<OutlineTask> TenDeep() {
  std::vector<OutlineTask> tasks{{1, "Top"}};
  for (int level = 2; level <= 10; ++level) tasks.push_back({level, "L" + std::to_string(level)});
  tasks.push_back({10, "also ten"});
  return tasks;
}

std::vector<OutlineTask> TenDeepThenNineAndTen() {
  std::vector<OutlineTask> tasks = TenDeep();
  tasks.back() = {9, "nine"};
  tasks.push_back({10, "ten"});
  return tasks;
}

INSTANTIATE_TEST_SUITE_P(
    Outline, RefusedShifts,
    ::testing::Values(
        RefusedShift{"the first task row deeper", {{1, "A"}, {2, "a1"}}, "6:6", +1},
        RefusedShift{"the first task row higher", {{1, "A"}, {1, "B"}}, "6:6", -1},
        RefusedShift{"a first child deeper", {{1, "A"}, {2, "a1"}, {2, "a2"}}, "7:7", +1},
        RefusedShift{"a top-level task higher", {{1, "A"}, {2, "a1"}, {1, "B"}, {2, "b1"}}, "8:8", -1},
        RefusedShift{"a task higher over its child", {{1, "A"}, {2, "a1"}, {3, "a11"}, {2, "a2"}}, "7:7", -1},
        RefusedShift{"a task at the deepest level deeper", TenDeep(), "16:16", +1},
        RefusedShift{"a block over the next row's parent", {{1, "A"}, {2, "a1"}, {1, "B"}, {2, "b1"}}, "7:8", -1},
        // A later selected row would leave the ten name columns: its name would
        // overwrite the WBS number or the task type.
        RefusedShift{"a block whose later row is at level 1 higher", {{1, "A"}, {2, "a1"}, {1, "B"}, {1, "C"}}, "7:8",
                     -1},
        RefusedShift{"a block whose later row is at level 10 deeper", TenDeepThenNineAndTen(), "16:17", +1},
        RefusedShift{"a selection off the task rows", {{1, "A"}, {2, "a1"}, {2, "a2"}}, "2:3", +1},
        RefusedShift{"a plan of one task", {{1, "A"}}, "6:6", +1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(LevelShift, IndentingTheSecondSiblingMakesItAChildOfTheFirst) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {1, "B"}, {2, "b1"}});
  auto s = OpenUpdated(plan);
  Select(*s, "8:8");
  EXPECT_EQ(kvTasksMoveRight(), 1);
  EXPECT_EQ(LevelAt(*s, 8), 3);
  EXPECT_EQ(s->Text(8, kNameCol + 1), "");
  EXPECT_EQ(s->Text(8, kNameCol + 2), "a2");
  EXPECT_EQ(s->Text(8, kWbsCol), "1.1.1");
  // a1 is a summary now: its start rolls up from a2.
  EXPECT_EQ(s->Formula(7, kPSCol), "=IF(MIN(P8)=0,\"\",MIN(P8))");
  EXPECT_EQ(s->Close(), 0);
}

TEST(LevelShift, OutdentingOverAChildIsAllowedWhenTheChildIsSelectedToo) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {3, "a11"}, {1, "B"}, {2, "b1"}});
  auto s = OpenUpdated(plan);
  Select(*s, "7:8");
  EXPECT_EQ(kvTasksMoveLeft(), 1);
  EXPECT_EQ(LevelAt(*s, 7), 1);
  EXPECT_EQ(LevelAt(*s, 8), 2);
  EXPECT_EQ(s->Text(7, kWbsCol), "2");
  EXPECT_EQ(s->Text(8, kWbsCol), "2.1");
  EXPECT_EQ(s->Text(9, kWbsCol), "3");
  EXPECT_EQ(s->Close(), 0);
}

TEST(LevelShift, ABlockMovesAsOneWhateverItsLaterRowsLevels) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {3, "a21"}, {2, "a3"}});
  auto s = OpenUpdated(plan);
  Select(*s, "8:9");
  EXPECT_EQ(kvTasksMoveRight(), 1);
  EXPECT_EQ(LevelAt(*s, 8), 3);
  EXPECT_EQ(LevelAt(*s, 9), 4);
  EXPECT_EQ(s->Text(9, kWbsCol), "1.1.1.1");
  EXPECT_EQ(s->Close(), 0);
}

}  // namespace
