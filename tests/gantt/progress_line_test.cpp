// Today's progress line: where it bends for tasks behind, ahead, not started and complete.

#include "support/gantt_fixture.h"
#include "base/clock.h"
#include "korvat/korvat.h"

namespace korvat::test {
namespace {

constexpr double kPerMinute = 48.0 / 60;  // unit 60
double X(int hours, int minutes) { return 22 * 48.0 + ((hours - 9) * 60 + minutes) * kPerMinute; }
double Top(int row) { return (row - 1) * 15.0; }
double BarMiddle(int row) { return Top(row) + 7.5; }

PlanTask Task(const std::string& name, const std::string& resource, double start, double end) {
  return {.level = 2, .name = name, .resource = resource, .pv = "120", .plannedStart = start, .plannedEnd = end};
}

class ProgressLine : public GanttTest {
 protected:
  std::vector<std::pair<double, double>> Nodes(const host::Shape& line) const {
    std::vector<std::pair<double, double>> points;
    for (const host::FreeformNode& n : line.nodes) points.push_back({line.left + n.x, line.top + n.y});
    return points;
  }
};

TEST_F(ProgressLine, BendsToEachLeafTasksProgress) {
  ChartPlan plan;
  PlanTask behind = Task("Behind", "Alice", HoursMinutes(9, 0), HoursMinutes(11, 0));
  behind.actualStart = HoursMinutes(9, 0);
  behind.percent = "25";
  PlanTask ahead = Task("Ahead", "Bob", HoursMinutes(9, 0), HoursMinutes(11, 0));
  ahead.actualStart = HoursMinutes(9, 0);
  ahead.percent = "90";
  PlanTask notStarted = Task("Should have started", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0));
  PlanTask later = Task("Later", "Bob", HoursMinutes(11, 0), HoursMinutes(12, 0));
  PlanTask done = Task("Done", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0));
  done.actualStart = HoursMinutes(9, 0);
  done.actualEnd = HoursMinutes(10, 0);
  PlanTask crew = Task("Crew", "W2", HoursMinutes(9, 0), HoursMinutes(11, 0));
  crew.actualStart = HoursMinutes(9, 0);
  crew.percent = "10";
  plan.tasks = {{.level = 1, .name = "Day 1"}, behind, ahead, notStarted, later, done, crew};
  Open(plan, Day1(10, 30));
  kvUpdateWBS();
  kvDrawGanntChart(0);
  kvDrawProgressLines();

  const host::Shape* line = Shape("ProgressLines20261207");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->type, host::ShapeType::Freeform);
  EXPECT_EQ(line->line.foreColor, kLineColour);
  EXPECT_DOUBLE_EQ(line->line.weight, 2.25);
  EXPECT_EQ(line->placement, 1);

  const double now = X(10, 30);
  const double planWidth = 120 * kPerMinute + kPerMinute - 1.5;
  const std::vector<std::pair<double, double>> expected = {
      {now, Top(5)},
      {now, Top(6)}, {X(9, 0) + planWidth * 0.25, BarMiddle(6)}, {now, Top(7)},  // behind: left of now
      {now, Top(7)}, {X(9, 0) + planWidth * 0.90, BarMiddle(7)}, {now, Top(8)},  // ahead: right of now
      {now, Top(8)}, {X(10, 0), BarMiddle(8)}, {now, Top(9)},                    // back to its plan bar's start
      {now, Top(12)}};  // later, done before now and crew rows add nothing; the line ends under the last row
  const auto nodes = Nodes(*line);
  ASSERT_EQ(nodes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(nodes[i].first, expected[i].first, 1e-3) << "node " << i;
    EXPECT_NEAR(nodes[i].second, expected[i].second, 1e-3) << "node " << i;
  }
}

TEST_F(ProgressLine, OneLinePerDay) {
  ChartPlan plan;
  plan.days = {PlanDay{.day = 7}, PlanDay{.day = 8}};
  plan.tasks = {{.level = 1, .name = "Day 1"}, Task("Work", "Alice", HoursMinutes(11, 0), HoursMinutes(12, 0))};
  Open(plan, Day1(10, 30));
  kvUpdateWBS();
  kvDrawGanntChart(0);
  kvDrawProgressLines();
  kvDrawProgressLines();
  EXPECT_EQ(ShapeNamesStartingWith("ProgressLines"), (std::vector<std::string>{"ProgressLines20261207"}));
  const host::Shape* straight = Shape("ProgressLines20261207");
  ASSERT_NE(straight, nullptr);
  EXPECT_EQ(straight->nodes.size(), 2u) << "a task due later leaves the line straight";
  SetFixedNow(Day1(10, 30) + 1.0);
  kvDrawProgressLines();
  EXPECT_EQ(ShapeNamesStartingWith("ProgressLines"),
            (std::vector<std::string>{"ProgressLines20261207", "ProgressLines20261208"}));
}

}  // namespace
}  // namespace korvat::test
