// Moving selected task rows up and down: the outline checks, the renumbering,
// the roll-up formulas and the chart at the rows' new places.

#include "editing/editing_plan.h"
#include "frame/addin_state.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

struct RefusedMove {
  const char* what;
  std::vector<OutlineTask> outline;
  std::string selection;
  int direction;
};

class RefusedMoves : public ::testing::TestWithParam<RefusedMove> {};

TEST_P(RefusedMoves, ReturnZeroAndLeaveTheWorkbookAsItWas) {
  const RefusedMove& c = GetParam();
  PlanWorkbook plan = OutlinePlan(c.outline);
  auto s = OpenUpdated(plan);
  Select(*s, c.selection);
  const std::string before = SavedText(*s);
  const intptr_t result = c.direction < 0 ? kvTasksMoveUp() : kvTasksMoveDown();
  EXPECT_EQ(result, 0) << c.what;
  EXPECT_EQ(SavedText(*s), before) << c.what;
  EXPECT_EQ(s->Close(), 0);
}

// Rows: the first task is row 6.
INSTANTIATE_TEST_SUITE_P(
    Outline, RefusedMoves,
    ::testing::Values(
        RefusedMove{"the first task row up", {{1, "A"}, {2, "a1"}, {1, "B"}, {2, "b1"}}, "6:6", -1},
        RefusedMove{"a child up into the first row", {{1, "A"}, {2, "a1"}, {2, "a2"}}, "7:7", -1},
        RefusedMove{"1.1.1 up under task 1", {{1, "A"}, {2, "a1"}, {3, "a11"}, {1, "B"}, {2, "b1"}}, "8:8", -1},
        RefusedMove{"a block ending at the last task down", {{1, "A"}, {2, "a1"}, {2, "a2"}}, "7:8", +1},
        RefusedMove{"the last task down", {{1, "A"}, {2, "a1"}, {2, "a2"}}, "8:8", +1},
        RefusedMove{"leaving a grandchild under its grandparent",
                    {{1, "A"}, {2, "a1"}, {3, "a11"}, {1, "B"}, {2, "b1"}}, "7:7", +1},
        RefusedMove{"a child down below a top-level task's row",
                    {{1, "A"}, {2, "a1"}, {3, "a11"}, {1, "B"}, {2, "b1"}}, "8:8", +1},
        RefusedMove{"a plan of one task", {{1, "A"}}, "6:6", +1},
        RefusedMove{"a selection off the task rows", {{1, "A"}, {2, "a1"}, {2, "a2"}}, "3:4", -1},
        RefusedMove{"a selection reaching below the table", {{1, "A"}, {2, "a1"}, {2, "a2"}}, "7:12", -1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(RowMoves, MovingTheSecondChildUpSwapsTheChildrenAndRenumbersThem) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "first"}, {2, "second"}, {1, "B"}, {2, "b1"}});
  auto s = OpenUpdated(plan);
  ASSERT_EQ(s->Text(8, kWbsCol), "1.2");
  Select(*s, "8:8");
  EXPECT_EQ(kvTasksMoveUp(), 1);
  EXPECT_EQ(NameAt(*s, 7), "second");
  EXPECT_EQ(NameAt(*s, 8), "first");
  EXPECT_EQ(s->Text(7, kWbsCol), "1.1");
  EXPECT_EQ(s->Text(8, kWbsCol), "1.2");
  // The moved row keeps its own cells.
  EXPECT_NEAR(s->Number(7, kPSCol), Clock(9, 0), 1e-9);
  EXPECT_EQ(s->Text(7, kResourceCol), "Anna");
  EXPECT_EQ(s->Close(), 0);
}

TEST(RowMoves, MovingABlockDownKeepsEachSummaryNamingItsOwnChildren) {
  // A(6) a1(7) a2(8) B(9) b1(10) b2(11): moving a2 down past B would give B's
  // children a new parent; moving the block b1..b2 up is refused; a1 down swaps.
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {2, "a3"}, {1, "B"}, {2, "b1"}, {2, "b2"}});
  auto s = OpenUpdated(plan);
  Select(*s, "7:8");
  EXPECT_EQ(kvTasksMoveDown(), 1);
  EXPECT_EQ(NameAt(*s, 7), "a3");
  EXPECT_EQ(NameAt(*s, 8), "a1");
  EXPECT_EQ(NameAt(*s, 9), "a2");
  EXPECT_EQ(s->Formula(6, kPSCol), "=IF(MIN(P7,P8,P9)=0,\"\",MIN(P7,P8,P9))");
  EXPECT_EQ(s->Formula(10, kPSCol), "=IF(MIN(P11,P12)=0,\"\",MIN(P11,P12))");
  // The values follow the rows: a1 starts 08:30, a3 09:30, a2 09:00.
  EXPECT_NEAR(s->Number(6, kPSCol), Clock(8, 30), 1e-9);
  EXPECT_NEAR(s->Number(6, kPECol), Clock(10, 0), 1e-9);
  EXPECT_EQ(s->Number(6, kPVCol), 90);
  EXPECT_EQ(s->Close(), 0);
}

TEST(RowMoves, TheBarsAreDrawnAtTheNewRowsAndNoShapeKeepsAnOldRowsName) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "first"}, {2, "second"}, {2, "third"}});
  plan.Wbs().SetValue(9, kPredCol, CellValue::Text("1.1"));  // third follows first
  auto s = OpenUpdated(plan);
  kvWBSReschedule();
  ASSERT_NE(s->Wbs().Shapes().Find("TaskConnector9A"), nullptr);
  const auto barOf = [&](int row) { return s->Wbs().Shapes().Find("GanntBar" + std::to_string(row) + "A"); };
  ASSERT_NE(barOf(9), nullptr);
  const double thirdLeft = barOf(9)->left;
  const double row8Top = barOf(8)->top;
  Select(*s, "9:9");
  EXPECT_EQ(kvTasksMoveUp(), 1);
  ASSERT_EQ(NameAt(*s, 8), "third");
  ASSERT_NE(barOf(8), nullptr);
  EXPECT_DOUBLE_EQ(barOf(8)->left, thirdLeft);
  EXPECT_DOUBLE_EQ(barOf(8)->top, row8Top);
  for (const std::string& name : ShapesNamed(*s, "GanntBar")) {
    const std::string row = name.substr(8, name.size() - 9);
    ASSERT_FALSE(row.empty()) << name;
    EXPECT_LE(std::stoi(row), 9) << name;
  }
  // One plan bar per leaf row, none twice.
  for (int row = 7; row <= 9; ++row) EXPECT_NE(barOf(row), nullptr) << row;
  EXPECT_EQ(s->Wbs().Shapes().Find("GanntBar10A"), nullptr);
  // The link's connector goes with its successor to row 8.
  EXPECT_EQ(ShapesNamed(*s, "TaskConnector"), std::vector<std::string>{"TaskConnector8A"});
  EXPECT_EQ(s->Close(), 0);
}

TEST(RowMoves, TheBlockIsSelectedAtItsNewPlace) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {2, "a3"}});
  auto s = OpenUpdated(plan);
  Select(*s, "8:9");
  ASSERT_EQ(kvTasksMoveUp(), 1);
  // A second move up acts on the moved block: it is refused at the first child's place.
  EXPECT_EQ(NameAt(*s, 7), "a2");
  EXPECT_EQ(kvTasksMoveUp(), 0);
  EXPECT_EQ(kvTasksMoveDown(), 1);
  EXPECT_EQ(NameAt(*s, 7), "a1");
  EXPECT_EQ(NameAt(*s, 8), "a2");
  EXPECT_EQ(s->Close(), 0);
}

TEST(RowMoves, WithEventsForwardedTheMoveAnswersItsOwnWritesAtOnceAndEndsTheSame) {
  const auto moved = [](bool events) {
    PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}, {1, "B"}, {2, "b1"}}, true);
    auto s = OpenUpdated(plan);
    Select(*s, "8:8");
    korvat::State().eventNesting = korvat::EventNesting{};
    if (events) ForwardEvents(*s);
    EXPECT_EQ(kvTasksMoveUp(), 1);
    const korvat::EventNesting nesting = korvat::State().eventNesting;
    if (events) {
      EXPECT_GT(nesting.calls, 0);
      EXPECT_EQ(nesting.ignored, nesting.calls);
    }
    const std::string saved = SavedText(*s);
    EXPECT_EQ(s->Close(), 0);
    return saved;
  };
  EXPECT_EQ(moved(true), moved(false));
}

}  // namespace
