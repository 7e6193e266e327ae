// Dependency connectors: sites per link type, straight or elbow, naming and colour.

#include "support/gantt_fixture.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"

#include <cmath>

#include <ostream>

namespace korvat::test {
namespace {

PlanTask Task(const std::string& name, const std::string& resource, double start, double end,
              const std::string& predecessors = "") {
  return {.level = 2, .name = name, .resource = resource, .pv = "60", .plannedStart = start, .plannedEnd = end,
          .predecessors = predecessors};
}

class Connectors : public GanttTest {
 protected:
  void Draw(ChartPlan plan) {
    Open(plan);
    kvUpdateWBS();
    kvDrawGanntChart(0);
  }
  int IdOf(const std::string& name) const {
    const host::Shape* s = Shape(name);
    return s ? s->id : -1;
  }
};

struct LinkCase {
  const char* predecessors;
  double successorStart;
  int beginSite;
  int endSite;
  int connectorType;  // 1 straight, 2 elbow
};

void PrintTo(const LinkCase& c, std::ostream* out) {
  *out << "\"" << c.predecessors << "\" at " << c.successorStart << " day";
}

class LinkSites : public Connectors, public testing::WithParamInterface<LinkCase> {};

TEST_P(LinkSites, GlueTheConnectorToThePlanBarsOfBothRows) {
  const LinkCase& c = GetParam();
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("Design", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Task("Build", "Bob", c.successorStart, c.successorStart + HoursMinutes(1, 0), c.predecessors)};
  Draw(plan);
  const host::Shape* connector = Shape("TaskConnector7A");
  ASSERT_NE(connector, nullptr);
  EXPECT_EQ(connector->type, host::ShapeType::Connector);
  EXPECT_EQ(connector->connectorType, c.connectorType);
  EXPECT_EQ(connector->beginConnection.shapeId, IdOf("GanntBar6A"));
  EXPECT_EQ(connector->beginConnection.site, c.beginSite);
  EXPECT_EQ(connector->endConnection.shapeId, IdOf("GanntBar7A"));
  EXPECT_EQ(connector->endConnection.site, c.endSite);
  EXPECT_EQ(connector->line.endArrowheadStyle, 2);
  EXPECT_EQ(connector->line.foreColor, kConnectorColour);
  EXPECT_DOUBLE_EQ(connector->line.weight, 1.5);
  EXPECT_EQ(connector->placement, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Types, LinkSites,
    testing::Values(LinkCase{"1.1", HoursMinutes(10, 0), 4, 2, 1},     // starts where the predecessor ends
                    LinkCase{"1.1", HoursMinutes(10, 30), 4, 2, 2},    // a gap wider than half a bar
                    LinkCase{"1.1", HoursMinutes(9, 30), 4, 2, 2},     // an overlap
                    LinkCase{"1.1FS", HoursMinutes(10, 0), 4, 2, 1},
                    LinkCase{"1.1ff", HoursMinutes(10, 0), 4, 4, 2},
                    LinkCase{"1.1SS", HoursMinutes(10, 0), 2, 2, 2},
                    LinkCase{"1.1sf", HoursMinutes(10, 0), 2, 4, 2},
                    LinkCase{"1.1XY", HoursMinutes(10, 0), 4, 2, 1}));  // no link type: drawn as FS

TEST_F(Connectors, EveryResolvableItemGetsItsOwnLetter) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("A1: Design", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Task("Brief", "Bob", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Task("Build", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0), "a1,1.2ss,9.9,1.1")};
  Draw(plan);
  EXPECT_EQ(ShapeNamesStartingWith("TaskConnector"),
            (std::vector<std::string>{"TaskConnector8A", "TaskConnector8B", "TaskConnector8C"}));
  EXPECT_EQ(Shape("TaskConnector8A")->beginConnection.shapeId, IdOf("GanntBar6A")) << "found by task code";
  EXPECT_EQ(Shape("TaskConnector8B")->beginConnection.shapeId, IdOf("GanntBar7A"));
  EXPECT_EQ(Shape("TaskConnector8B")->beginConnection.site, 2);
  EXPECT_EQ(Shape("TaskConnector8C")->beginConnection.shapeId, IdOf("GanntBar6A"));
}

TEST_F(Connectors, LinkerColourFlagTakesTheSuccessorsBarColour) {
  ChartPlan plan;
  plan.linkerColor = 1;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("Design", "Bob", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Task("Build", "Alice", HoursMinutes(10, 0), HoursMinutes(11, 0), "1.1")};
  Draw(plan);
  ASSERT_NE(Shape("TaskConnector7A"), nullptr);
  EXPECT_EQ(Shape("TaskConnector7A")->line.foreColor, kResourceColour);
}

TEST_F(Connectors, RedrawingKeepsOneConnectorPerLink) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("Design", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Task("Build", "Bob", HoursMinutes(10, 0), HoursMinutes(11, 0), "1.1,1.1")};
  Draw(plan);
  kvDrawGanntChart(0);
  kvDrawGanntChart(0);
  EXPECT_EQ(ShapeNamesStartingWith("TaskConnector"),
            (std::vector<std::string>{"TaskConnector7A", "TaskConnector7B"}));
}

struct AbsurdSize {
  const char* what;
  void (*spoil)(host::Workbook&);
};

class AbsurdSizes : public Connectors, public testing::WithParamInterface<AbsurdSize> {};

// A bar template of no height and columns as wide as a number can say still give a
// chart of finite numbers, and a workbook that saves and loads back as it was.
TEST_P(AbsurdSizes, GiveAFiniteChartThatSavesAndLoadsBack) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                Task("Design", "Alice", HoursMinutes(9, 0), HoursMinutes(10, 0)),
                Task("Build", "Bob", HoursMinutes(10, 30), HoursMinutes(11, 30), "1.1"),
                Task("Test", "Bob", HoursMinutes(9, 30), HoursMinutes(10, 30), "1.1SS")};
  Open(plan);
  GetParam().spoil(host_->Model());
  kvUpdateWBS();
  kvDrawGanntChart(0);
  for (const std::string& name : ShapeNames()) {
    const host::Shape* s = Shape(name);
    EXPECT_TRUE(std::isfinite(s->left) && std::isfinite(s->top) && std::isfinite(s->width) &&
                std::isfinite(s->height))
        << GetParam().what << ": " << name;
    for (double a : s->adjustments) EXPECT_TRUE(std::isfinite(a)) << GetParam().what << ": " << name;
  }
  EXPECT_NE(Shape("TaskConnector7A"), nullptr) << GetParam().what;
  const std::string saved = host::file::WorkbookToText(host_->Model());
  host::file::LoadResult loaded = host::file::LoadWorkbookFromText(saved);
  ASSERT_TRUE(loaded.ok()) << GetParam().what << ": " << loaded.error;
  EXPECT_EQ(host::file::WorkbookToText(*loaded.workbook), saved) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AbsurdSizes,
    testing::Values(AbsurdSize{"a bar template of height 0",
                               [](host::Workbook& b) { b.FindWorksheet("Settings")->Shapes().Find("GanntBar")->height = 0; }},
                    AbsurdSize{"timeline columns of 1.7e308 points",
                               [](host::Workbook& b) {
                                 for (int c = kFirstTimelineColumn; c < kFirstTimelineColumn + 12; ++c)
                                   b.FindWorksheet("WBS")->SetColumnWidth(c, 1.7e308);
                               }},
                    AbsurdSize{"rows of no height",
                               [](host::Workbook& b) {
                                 for (int r = 1; r < 10; ++r) b.FindWorksheet("WBS")->SetRowHeight(r, 0);
                               }}));

}  // namespace
}  // namespace korvat::test
