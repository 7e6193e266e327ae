// Bars, fills, labels, summary outlines, task-type symbols and shape naming,
// drawn through the exports on small plans.

#include "frame/addin_state.h"
#include "gantt/gantt_chart.h"
#include "support/gantt_fixture.h"
#include "korvat/korvat.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"
#include "support/current_plan.h"

#include <algorithm>
#include <functional>

namespace korvat::test {
namespace {

constexpr double kColumnWidth = 48.0;
constexpr double kRowHeight = 15.0;
constexpr double kPerMinute60 = kColumnWidth / 60;  // unit 60: points per minute

double TimelineX(int hours, int minutes) {  // unit 60, timeline from 09:00 in column W
  return (kFirstTimelineColumn - 1) * kColumnWidth + ((hours - 9) * 60 + minutes) * kPerMinute60;
}
double BarTop(int row) { return (row - 1) * kRowHeight + (kRowHeight - kBarHeight) / 2; }

PlanTask Summary(const std::string& name, int level = 1) { return {.level = level, .name = name}; }
PlanTask Leaf(const std::string& name, const std::string& resource, double start, double end, int level = 2) {
  return {.level = level, .name = name, .resource = resource, .pv = "60", .plannedStart = start, .plannedEnd = end};
}

class Bars : public GanttTest {
 protected:
  void Draw(const ChartPlan& plan, int style = 0) {
    Open(plan);
    kvUpdateWBS();
    kvDrawGanntChart(style);
  }
  int FillOf(const std::string& name) const {
    const host::Shape* s = Shape(name);
    return s ? s->fill.foreColor : -1;
  }
};

TEST_F(Bars, PlanBarSpansFromTheStartSlotToTheEndMinuteLessOnePointFive) {
  ChartPlan plan;
  plan.tasks = {Summary("Day 1"), Leaf("Design", "Alice", HoursMinutes(10, 30), HoursMinutes(11, 0))};
  Draw(plan);
  const host::Shape* bar = Shape("GanntBar6A");
  ASSERT_NE(bar, nullptr);
  EXPECT_DOUBLE_EQ(bar->left, TimelineX(10, 30));
  EXPECT_NEAR(bar->width, 30 * kPerMinute60 - 1.5 + kPerMinute60, 1e-9);  // to 11:00 plus one minute less 1.5
  EXPECT_DOUBLE_EQ(bar->top, BarTop(6));
  EXPECT_DOUBLE_EQ(bar->height, kBarHeight);
  EXPECT_EQ(bar->placement, 1);

  const host::Shape* label = Shape("GanntBar6B");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->type, host::ShapeType::TextBox);
  EXPECT_EQ(label->textFrame.text, "1.1Design (Alice)");
  EXPECT_EQ(label->textFrame.fontName, "Arial");
  EXPECT_DOUBLE_EQ(label->textFrame.fontSize, 9);
  EXPECT_DOUBLE_EQ(label->left, 5.0 + bar->left + bar->width);
  EXPECT_DOUBLE_EQ(label->top, (kRowHeight - label->height) / 2 + (6 - 1) * kRowHeight + 1.0);
  EXPECT_FALSE(label->fill.visible);
  EXPECT_FALSE(label->line.visible);
}

TEST_F(Bars, TaskWithoutPlannedEndGetsAOneMinuteBarAndWithoutStartNothing) {
  ChartPlan plan;
  plan.calendarUnit = 15;  // 3.2 points a minute: one minute less 1.5 points is still a width
  PlanTask open = Leaf("Open", "Alice", HoursMinutes(10, 5), 0);
  open.plannedEnd.reset();
  open.pv.clear();
  PlanTask none = Leaf("Unplanned", "Alice", 0, 0);
  none.plannedStart.reset();
  none.plannedEnd.reset();
  none.pv.clear();
  plan.tasks = {Summary("Day 1"), open, none};
  Draw(plan);
  const double perMinute = kColumnWidth / 15;
  const host::Shape* bar = Shape("GanntBar6A");
  ASSERT_NE(bar, nullptr);
  EXPECT_DOUBLE_EQ(bar->left, (kFirstTimelineColumn - 1 + 4) * kColumnWidth + 5 * perMinute);
  EXPECT_NEAR(bar->width, perMinute - 1.5, 1e-9);
  EXPECT_TRUE(ShapeNamesStartingWith("GanntBar7").empty());
}

TEST_F(Bars, TemplateFollowsCompletionResourceAndLevel) {
  ChartPlan plan;
  PlanTask done = Leaf("Done", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0));
  done.percent = "100";
  plan.tasks = {Summary("Day 1"),
                Leaf("By Alice", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Leaf("By Bob", "Bob", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Leaf("By crew", "W2", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                done,
                Summary("Phase", 2),
                Leaf("Deep", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0), 3)};
  Draw(plan);
  EXPECT_EQ(FillOf("GanntBar5A"), kLevel1Colour);
  EXPECT_EQ(FillOf("GanntBar6A"), kResourceColour);
  EXPECT_EQ(FillOf("GanntBar7A"), kBarColour) << "Bob has no template of his own";
  EXPECT_EQ(FillOf("GanntBar8A"), kBarColour) << "a crew has no resource row";
  EXPECT_EQ(FillOf("GanntBar9A"), kCompletedColour);
  EXPECT_EQ(FillOf("GanntBar10A"), kLevel2Colour);
  EXPECT_EQ(FillOf("GanntBar11A"), kResourceColour);
}

TEST_F(Bars, StartedTasksGetAFillAPercentLabelAndOffPlanAnActualBar) {
  ChartPlan plan;
  PlanTask half = Leaf("Half", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0));
  half.actualStart = HoursMinutes(10, 0);
  half.percent = "50";
  PlanTask zero = Leaf("Zero", "Bob", HoursMinutes(10, 0), HoursMinutes(11, 0));
  zero.actualStart = HoursMinutes(10, 0);
  PlanTask late = Leaf("Late", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0));
  late.actualStart = HoursMinutes(10, 30);
  late.percent = "50";
  PlanTask onPlan = Leaf("On plan", "Bob", HoursMinutes(10, 0), HoursMinutes(11, 0));
  onPlan.actualStart = HoursMinutes(10, 0);
  onPlan.actualEnd = HoursMinutes(11, 0);
  PlanTask offPlan = Leaf("Off plan", "Bob", HoursMinutes(10, 0), HoursMinutes(11, 0));
  offPlan.actualStart = HoursMinutes(10, 0);
  offPlan.actualEnd = HoursMinutes(11, 30);
  plan.tasks = {Summary("Day 1"), half, zero, late, onPlan, offPlan};
  Draw(plan);

  const double planWidth = 60 * kPerMinute60 + kPerMinute60 - 1.5;
  // 50 percent on plan: plan bar, fill, percent label, label.
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar6"),
            (std::vector<std::string>{"GanntBar6A", "GanntBar6B", "GanntBar6C", "GanntBar6D"}));
  const host::Shape* fill = Shape("GanntBar6B");
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill->fill.foreColor, kCompletedColour);
  EXPECT_NEAR(fill->width, planWidth * 0.5, 1e-9);
  EXPECT_EQ(Shape("GanntBar6C")->textFrame.text, "50%");
  EXPECT_NEAR(Shape("GanntBar6C")->left, 2.0 + TimelineX(10, 0) + planWidth * 0.5, 1e-9);
  EXPECT_EQ(Shape("GanntBar6D")->textFrame.text, "1.1Half (Alice)");
  const double planRight = TimelineX(10, 0) + planWidth;
  const double percentRight = Shape("GanntBar6C")->left + Shape("GanntBar6C")->width;
  EXPECT_NEAR(Shape("GanntBar6D")->left, 5.0 + std::max(planRight, percentRight), 1e-9);

  // Started at percent 0: shown as 20 percent.
  EXPECT_NEAR(Shape("GanntBar7B")->width, planWidth * 0.2, 1e-9);
  EXPECT_EQ(Shape("GanntBar7C")->textFrame.text, "20%");

  // Started off plan: the progress bar runs from the actual start.
  const host::Shape* progress = Shape("GanntBar8C");
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->fill.foreColor, kProgressColour);
  EXPECT_DOUBLE_EQ(progress->left, TimelineX(10, 30));
  EXPECT_NEAR(progress->width, planWidth * 0.5, 1e-9);
  EXPECT_EQ(Shape("GanntBar8D")->textFrame.text, "50%");
  EXPECT_NEAR(Shape("GanntBar8D")->left, 2.0 + progress->left + progress->width, 1e-9);

  // Complete on plan: the completed bar and the label only.
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar9"), (std::vector<std::string>{"GanntBar9A", "GanntBar9B"}));
  EXPECT_EQ(Shape("GanntBar9A")->fill.foreColor, kCompletedColour);
  // Complete off plan: an actual bar in the progress template.
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar10"),
            (std::vector<std::string>{"GanntBar10A", "GanntBar10B", "GanntBar10C"}));
  EXPECT_EQ(Shape("GanntBar10B")->fill.foreColor, kProgressColour);
  EXPECT_NEAR(Shape("GanntBar10B")->width, 90 * kPerMinute60 + kPerMinute60 - 1.5, 1e-9);
}

// The outline points of each style, in terms of the anchor's band.
using Points = std::vector<std::pair<double, double>>;
Points Outline(int style, double L, double T, double H, double W) {
  const double d = H / 2, h = H / 2, R = L + W;
  switch (style) {
    case 1: return {{L - d, T}, {L - d, T + h}, {L, T + H}, {L + d, T + h}, {R - d, T + h}, {R, T + H}, {R + d, T + h}, {R + d, T}, {L - d, T}};
    case 2: return {{L, T}, {L, T + H}, {L + d, T + h}, {R - d, T + h}, {R, T + H}, {R, T}, {L, T}};
    case 3: return {{L, T}, {L - d, T + H / 2}, {L, T + H}, {L + d, T + h}, {R - d, T + h}, {R, T + H}, {R + d, T + H / 2}, {R, T}, {L, T}};
    case 4: return {{L - h / 3, T}, {L - h / 3, T + h}, {L - d, T + h}, {L, T + H}, {L + d, T + h}, {R - d, T + h}, {R, T + H}, {R + d, T + h}, {R + h / 3, T + h}, {R + h / 3, T}, {L - h / 3, T}};
    case 5: return {{L - d, T}, {L, T + H}, {L + d, T + h}, {R - d, T + h}, {R, T + H}, {R + d, T}, {L - d, T}};
    case 6: return {{L, T}, {L - 2 * d, T + H / 2}, {L, T + H}, {L, T + h}, {R, T + h}, {R, T + H}, {R + 2 * d, T + H / 2}, {R, T}, {L, T}};
  }
  return {};
}

class SummaryOutline : public Bars, public testing::WithParamInterface<int> {};

TEST_P(SummaryOutline, IsAHiddenAnchorAndAFreeformOfTheStylesPoints) {
  ChartPlan plan;
  PlanTask started = Leaf("Work", "Alice", HoursMinutes(10, 0), HoursMinutes(12, 0));
  started.actualStart = HoursMinutes(10, 0);
  started.percent = "40";
  plan.tasks = {Summary("Day 1"), started};
  Draw(plan, GetParam());
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar5"), (std::vector<std::string>{"GanntBar5A", "GanntBar5B", "GanntBar5C"}))
      << "anchor, outline, label: no fill or percent label";
  const host::Shape* anchor = Shape("GanntBar5A");
  const host::Shape* outline = Shape("GanntBar5B");
  ASSERT_NE(anchor, nullptr);
  ASSERT_NE(outline, nullptr);
  EXPECT_FALSE(anchor->fill.visible);
  EXPECT_FALSE(anchor->line.visible);
  EXPECT_DOUBLE_EQ(anchor->left, TimelineX(10, 0));
  EXPECT_DOUBLE_EQ(anchor->top, BarTop(5));
  EXPECT_EQ(outline->type, host::ShapeType::Freeform);
  EXPECT_EQ(outline->fill.foreColor, kLevel1Colour);
  EXPECT_TRUE(outline->fill.visible);
  const Points expected = Outline(GetParam(), anchor->left, anchor->top, kBarHeight, anchor->width);
  ASSERT_EQ(outline->nodes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(outline->left + outline->nodes[i].x, expected[i].first, 1e-6) << "point " << i;
    EXPECT_NEAR(outline->top + outline->nodes[i].y, expected[i].second, 1e-6) << "point " << i;
  }
  // The leaf still gets its fill and percent label.
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar6").size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Styles, SummaryOutline, testing::Range(1, 7));

TEST_F(Bars, StyleOutsideOneToSixDrawsSummariesAsPlainBars) {
  for (int style : {0, 7, -1}) {
    ChartPlan plan;
    PlanTask started = Leaf("Work", "Alice", HoursMinutes(10, 0), HoursMinutes(12, 0));
    started.actualStart = HoursMinutes(10, 0);
    started.percent = "40";
    plan.tasks = {Summary("Day 1"), started};
    Draw(plan, style);
    const host::Shape* bar = Shape("GanntBar5A");
    ASSERT_NE(bar, nullptr) << style;
    EXPECT_EQ(bar->type, host::ShapeType::AutoShape) << style;
    EXPECT_TRUE(bar->fill.visible) << style;
    EXPECT_EQ(bar->fill.foreColor, kLevel1Colour) << style;
    EXPECT_EQ(ShapeNamesStartingWith("GanntBar5").size(), 4u) << "bar, fill, percent label, label; style " << style;
    Close();
  }
}

TEST_F(Bars, TaskTypesDrawSymbolsInsteadOfBars) {
  ChartPlan plan;
  PlanTask gate = Leaf("Gate review", "Alice", HoursMinutes(10, 0), HoursMinutes(10, 0));
  gate.type = "Gate";
  PlanTask onPlan = Leaf("Kick-off", "Bob", HoursMinutes(11, 0), HoursMinutes(11, 0));
  onPlan.type = "Milestone";
  onPlan.actualStart = HoursMinutes(11, 0);
  PlanTask offPlan = Leaf("Sign-off", "Bob", HoursMinutes(12, 0), HoursMinutes(12, 0));
  offPlan.type = "Milestone";
  offPlan.actualStart = HoursMinutes(12, 30);
  PlanTask unknown = Leaf("Other", "Bob", HoursMinutes(13, 0), HoursMinutes(13, 0));
  unknown.type = "Review";
  unknown.actualStart = HoursMinutes(13, 0);
  plan.tasks = {Summary("Day 1"), gate, onPlan, offPlan, unknown};
  Draw(plan);

  ASSERT_EQ(ShapeNamesStartingWith("GanntBar6"), (std::vector<std::string>{"GanntBar6A", "GanntBar6B"}));
  EXPECT_EQ(Shape("GanntBar6A")->type, host::ShapeType::TextBox);
  EXPECT_EQ(Shape("GanntBar6A")->textFrame.text, "Gate");
  EXPECT_DOUBLE_EQ(Shape("GanntBar6A")->left, TimelineX(10, 0));

  // Started on plan: only the actual symbol, then the label.
  ASSERT_EQ(ShapeNamesStartingWith("GanntBar7"), (std::vector<std::string>{"GanntBar7A", "GanntBar7B"}));
  EXPECT_EQ(Shape("GanntBar7A")->textFrame.text, "*");

  // Started off plan by less than the link threshold: planned and actual symbols, no link.
  ASSERT_EQ(ShapeNamesStartingWith("GanntBar8"),
            (std::vector<std::string>{"GanntBar8A", "GanntBar8B", "GanntBar8C"}));
  EXPECT_EQ(Shape("GanntBar8A")->textFrame.text, "Milestone");
  EXPECT_EQ(Shape("GanntBar8B")->textFrame.text, "*");
  EXPECT_DOUBLE_EQ(Shape("GanntBar8B")->left, TimelineX(12, 30));
  EXPECT_EQ(Shape("GanntBar8C")->textFrame.text, "1.3Sign-off (Bob)");

  // A type without a row in "TaskType" gets an empty symbol.
  EXPECT_EQ(Shape("GanntBar9A")->textFrame.text, "");
}

TEST_F(Bars, FarOffMilestoneStartGetsALinkBetweenItsSymbols) {
  ChartPlan plan;
  plan.calendarUnit = 1;
  plan.days = {PlanDay{.windowStart = HoursMinutes(9, 0), .windowEnd = HoursMinutes(10, 0)}};
  PlanTask milestone = Leaf("Ship", "Alice", HoursMinutes(9, 10), HoursMinutes(9, 10));
  milestone.type = "Milestone";
  milestone.pv.clear();
  milestone.actualStart = 1.0 + HoursMinutes(9, 20);  // the next day: more than one unit of days away
  plan.tasks = {Summary("Day 1"), milestone};
  Draw(plan);
  ASSERT_EQ(ShapeNamesStartingWith("GanntBar6"),
            (std::vector<std::string>{"GanntBar6A", "GanntBar6B", "GanntBar6C", "GanntBar6D"}));
  const host::Shape* link = Shape("GanntBar6C");
  EXPECT_EQ(link->type, host::ShapeType::Connector);
  EXPECT_EQ(link->beginConnection.shapeId, Shape("GanntBar6A")->id);
  EXPECT_EQ(link->beginConnection.site, 4);
  EXPECT_EQ(link->endConnection.shapeId, Shape("GanntBar6B")->id);
  EXPECT_EQ(link->endConnection.site, 2);
  EXPECT_DOUBLE_EQ(link->height, 0.0);
  EXPECT_EQ(link->line.foreColor, 0) << "milestone links do not take the template's colour";
  EXPECT_EQ(Shape("GanntBar6D")->textFrame.text, "1.1Ship (Alice)");
}

TEST_F(Bars, NamingSkipsNamesTheSheetAlreadyHolds) {
  ChartPlan plan;
  // Shape names match without regard to case but the chart deletes by its
  // prefix exactly, so these user shapes stay and their names stay taken.
  plan.extraWbsShapes = {{"ganntbar6A"}, {"GANNTBAR6B"}};
  plan.tasks = {Summary("Day 1"), Leaf("Design", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0))};
  Draw(plan);
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar6"), (std::vector<std::string>{"GanntBar6C", "GanntBar6D"}));
  EXPECT_EQ(Shape("GanntBar6C")->fill.foreColor, kResourceColour);
  EXPECT_NE(Shape("ganntbar6A"), nullptr);
  EXPECT_NE(Shape("GANNTBAR6B"), nullptr);
}

TEST_F(Bars, RedrawingLeavesTheSameNames) {
  ChartPlan plan;
  PlanTask started = Leaf("Build", "Bob", HoursMinutes(11, 0), HoursMinutes(12, 0));
  started.actualStart = HoursMinutes(11, 15);
  started.percent = "30";
  started.predecessors = "1.1";
  plan.tasks = {Summary("Day 1"), Leaf("Design", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0)), started};
  Open(plan);
  kvUpdateWBS();
  kvDrawGanntChart(1);
  std::vector<std::string> first = ShapeNames();
  kvDrawGanntChart(1);
  std::vector<std::string> second = ShapeNames();
  std::sort(first.begin(), first.end());
  std::sort(second.begin(), second.end());
  EXPECT_EQ(first, second);
  EXPECT_EQ(std::count(second.begin(), second.end(), "TaskConnector7A"), 1);
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar").size(), 3u + 2u + 5u);
}

TEST_F(Bars, MissingBarTemplateRefusesToDrawAndKeepsTheSheetsShapes) {
  ChartPlan plan;
  plan.withBarTemplate = false;
  plan.colorUse = 0;
  plan.extraWbsShapes = {{"Notes"}};
  plan.tasks = {Summary("Day 1"), Leaf("Design", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0))};
  Draw(plan);
  EXPECT_EQ(ShapeNames(), (std::vector<std::string>{"Notes"}));
  ASSERT_FALSE(messages_.empty());
  EXPECT_NE(messages_.back().find(u"'GanntBar'"), std::u16string::npos);
}

TEST_F(Bars, RescheduleDrawsABarNamedAfterTheRowOfEveryPlannedTask) {
  ChartPlan plan;
  auto unplanned = [](const std::string& name, const std::string& resource, const std::string& pv,
                      const std::string& predecessors = "") {
    return PlanTask{.level = 2, .name = name, .resource = resource, .pv = pv, .predecessors = predecessors};
  };
  plan.tasks = {Summary("Day 1"), unplanned("Design", "Alice", "30"), unplanned("Build", "Alice", "45", "1.1"),
                unplanned("Test", "Bob", "60", "1.2")};
  Open(plan);
  kvWBSReschedule();
  for (int row = 5; row <= 8; ++row) EXPECT_NE(Shape("GanntBar" + std::to_string(row) + "A"), nullptr) << row;
  EXPECT_DOUBLE_EQ(Shape("GanntBar7A")->left, TimelineX(9, 30)) << "Build follows Design on Alice's line";
  ASSERT_NE(Shape("TaskConnector7A"), nullptr);
  ASSERT_NE(Shape("TaskConnector8A"), nullptr);
  EXPECT_EQ(Shape("TaskConnector7A")->beginConnection.shapeId, Shape("GanntBar6A")->id);
}

}  // namespace
}  // namespace korvat::test

namespace korvat::test {
namespace {

// The row redraws that row moves and sheet edits use.
class RowRedraws : public Bars {};

TEST_F(RowRedraws, DeletingARowsShapesStopsAtTheFirstMissingLetterAndKeepsConnectors) {
  ChartPlan plan;
  plan.tasks = {Summary("Day 1"), Leaf("Design", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Leaf("Build", "Bob", HoursMinutes(10, 0), HoursMinutes(11, 0))};
  plan.tasks[2].predecessors = "1.1";
  Draw(plan);
  EXPECT_TRUE(DeleteTaskShapes(CurrentPlan(), 7));
  EXPECT_TRUE(ShapeNamesStartingWith("GanntBar7").empty());
  EXPECT_NE(Shape("TaskConnector7A"), nullptr);
  EXPECT_FALSE(DeleteTaskShapes(CurrentPlan(), 7));
  EXPECT_EQ(ShapeNamesStartingWith("GanntBar6").size(), 2u);
}

TEST_F(RowRedraws, RedrawingABranchOrFromARowRestoresTheSameShapes) {
  ChartPlan plan;
  plan.tasks = {Summary("Day 1"), Leaf("Design", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Leaf("Build", "Bob", HoursMinutes(10, 0), HoursMinutes(11, 0)), Summary("Day 2"),
                Leaf("Test", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0))};
  plan.tasks[2].predecessors = "1.1";
  plan.days = {PlanDay{.day = 7}, PlanDay{.day = 8}};
  Draw(plan);
  std::vector<std::string> before = ShapeNames();
  std::sort(before.begin(), before.end());

  TaskRecord* build = TaskAtRow(*State().taskTable, 7);
  ASSERT_NE(build, nullptr);
  BoundPlan bound = CurrentPlan();
  RedrawTaskBranch(bound, *build, true);
  std::vector<std::string> afterBranch = ShapeNames();
  std::sort(afterBranch.begin(), afterBranch.end());
  EXPECT_EQ(afterBranch, before);

  RedrawFromRow(bound, 6);
  std::vector<std::string> afterRows = ShapeNames();
  std::sort(afterRows.begin(), afterRows.end());
  EXPECT_EQ(afterRows, before);
  EXPECT_DOUBLE_EQ(Shape("GanntBar9A")->left, Shape("GanntBar6A")->left + 24 * 48.0) << "the next day's 09:00";
}

}  // namespace
}  // namespace korvat::test
