// Row colours, status markers and link-error frames written while rows are finished.

#include "support/gantt_fixture.h"
#include "korvat/korvat.h"

namespace korvat::test {
namespace {

PlanTask Task(const std::string& name, double start, double end, const std::string& percent = "",
              const std::string& predecessors = "") {
  return {.level = 2, .name = name, .resource = "Alice", .pv = "60", .plannedStart = start, .plannedEnd = end,
          .percent = percent, .predecessors = predecessors};
}

PlanTask Complete(const std::string& name, double start, double end, const std::string& predecessors = "") {
  PlanTask t = Task(name, start, end, "100", predecessors);
  t.actualStart = start;
  t.actualEnd = end;
  return t;
}

class StatusColouring : public GanttTest {
 protected:
  int ColourIndex(int row, int column) const { return Wbs().Style(row, column).interior.colorIndex; }
  int Colour(int row, int column) const { return Wbs().Style(row, column).interior.color; }
};

TEST_F(StatusColouring, MarkersShowLateNearlyDoneAndJustStartedTasks) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("Late", HoursMinutes(9, 0), HoursMinutes(10, 0), "0"),
                Task("Ending", HoursMinutes(10, 0), HoursMinutes(11, 0), "80"),
                Task("Starting", HoursMinutes(10, 30), HoursMinutes(11, 30), "50"),
                Task("Future", HoursMinutes(13, 0), HoursMinutes(14, 0))};
  Open(plan, Day1(10, 45));
  kvUpdateWBS();

  struct Expected {
    int row;
    int colour;
  };
  for (const Expected& e : {Expected{6, kDelayColour}, Expected{7, kEndColour}, Expected{8, kStartColour}}) {
    const host::Shape* marker = Shape("TaskStatus" + std::to_string(e.row));
    ASSERT_NE(marker, nullptr) << e.row;
    EXPECT_EQ(marker->fill.foreColor, e.colour) << e.row;
    EXPECT_EQ(marker->autoShapeType, 9) << e.row;
    // Centred in the name cell, the template's size.
    EXPECT_DOUBLE_EQ(marker->left, ColumnLeft(kTaskNameColumn) + (48.0 - 6.0) / 2) << e.row;
    EXPECT_DOUBLE_EQ(marker->top, RowTop(e.row) + (15.0 - 6.0) / 2) << e.row;
    EXPECT_DOUBLE_EQ(marker->width, 6.0);
  }
  EXPECT_EQ(Shape("TaskStatus9"), nullptr) << "a task due later is neither late nor in a half";
  EXPECT_EQ(Shape("TaskStatus5"), nullptr) << "summary rows get the level colour instead";
  EXPECT_EQ(Colour(5, 1), kLevel1Colour);
  EXPECT_EQ(Colour(5, 21), kLevel1Colour);
}

TEST_F(StatusColouring, ViolatedLinkGetsAFrameAroundThePredecessorsCell) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("First", HoursMinutes(9, 0), HoursMinutes(11, 0)),
                Task("Too early", HoursMinutes(10, 0), HoursMinutes(12, 0), "", "1.1")};
  Open(plan, Day1(8, 0));
  kvUpdateWBS();
  const host::Shape* frame = Shape("TaskDepandS7");
  ASSERT_NE(frame, nullptr);
  EXPECT_DOUBLE_EQ(frame->left, ColumnLeft(kPredecessorsColumn) - 4.0);
  EXPECT_DOUBLE_EQ(frame->width, 48.0 + 8.0);
  EXPECT_DOUBLE_EQ(frame->top, RowTop(7));
  EXPECT_DOUBLE_EQ(frame->height, 15.0);
  EXPECT_FALSE(frame->fill.visible);
  EXPECT_EQ(frame->line.foreColor, 0x0000FF);
  EXPECT_EQ(Shape("TaskDepandS6"), nullptr);
}

TEST_F(StatusColouring, CompleteRowsTurnGreyWithoutMarkerOrFrame) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("Later", HoursMinutes(13, 0), HoursMinutes(14, 0)),
                Complete("Done early", HoursMinutes(9, 0), HoursMinutes(10, 0), "1.1")};
  Open(plan, Day1(10, 45));
  kvUpdateWBS();
  for (int column = 1; column <= 21; ++column) EXPECT_EQ(ColourIndex(7, column), 15) << column;
  EXPECT_EQ(ColourIndex(7, 22), -4142) << "the row colour stops at the table's last column";
  EXPECT_EQ(Shape("TaskDepandS7"), nullptr);
  EXPECT_EQ(Shape("TaskStatus7"), nullptr);
}

TEST_F(StatusColouring, WithoutTheCompletedFlagACompleteRowKeepsItsFrame) {
  ChartPlan plan;
  plan.colorCompleted = 0;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("Later", HoursMinutes(13, 0), HoursMinutes(14, 0)),
                Complete("Done early", HoursMinutes(9, 0), HoursMinutes(10, 0), "1.1")};
  Open(plan, Day1(10, 45));
  kvUpdateWBS();
  EXPECT_NE(ColourIndex(7, 1), 15);
  EXPECT_NE(Shape("TaskDepandS7"), nullptr);
  EXPECT_EQ(Shape("TaskStatus7"), nullptr);
}

TEST_F(StatusColouring, RepeatedRunsKeepOneMarkerAndFramePerRow) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("First", HoursMinutes(9, 0), HoursMinutes(11, 0)),
                Task("Late", HoursMinutes(10, 0), HoursMinutes(12, 0), "0", "1.1")};
  plan.tasks[2].resource = "Bob";  // Bob's first task keeps its plan when rescheduled
  Open(plan, Day1(11, 30));
  kvUpdateWBS();
  kvUpdateWBS();
  kvWBSReschedule();
  EXPECT_EQ(ShapeNamesStartingWith("TaskStatus7"), (std::vector<std::string>{"TaskStatus7"}));
  EXPECT_EQ(ShapeNamesStartingWith("TaskDepandS7"), (std::vector<std::string>{"TaskDepandS7"}));
}

TEST_F(StatusColouring, NoMarkersWhenColouringIsOff) {
  ChartPlan plan;
  plan.colorUse = 0;
  plan.tasks = {{.level = 1, .name = "Day 1"}, Task("Late", HoursMinutes(9, 0), HoursMinutes(10, 0), "0")};
  Open(plan, Day1(10, 45));
  kvUpdateWBS();
  EXPECT_TRUE(ShapeNamesStartingWith("TaskStatus").empty());
}

}  // namespace
}  // namespace korvat::test
