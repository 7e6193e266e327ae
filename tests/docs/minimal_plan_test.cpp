// The minimal plan of docs/plan-workbook.md, built from the page's tables, equals
// examples/minimal-plan.json and runs as the page says: no message box, a bar for
// every leaf task and the times of the page's result table.

#include "docs/doc_plan.h"
#include "docs/doc_tables.h"
#include "frame/binding_check.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>

namespace korvat::test {
namespace {

std::vector<DocTable> PageTables() { return ReadDocTables(ReadSourceFile("docs/plan-workbook.md")); }

std::string Canonical(const std::string& json, std::string* error) {
  host::file::LoadResult loaded = host::file::LoadWorkbookFromText(json);
  if (!loaded.ok()) {
    *error = loaded.error;
    return {};
  }
  return host::file::WorkbookToText(*loaded.workbook);
}

std::unique_ptr<Workbook> PagePlan() {
  const DocPlan plan = BuildDocPlan(PageTables());
  EXPECT_EQ(plan.error, "");
  host::file::LoadResult loaded = host::file::LoadWorkbookFromText(plan.json);
  EXPECT_TRUE(loaded.ok()) << loaded.error;
  return std::move(loaded.workbook);
}

// 2026-12-07 10:30, during the first day.
constexpr double kNow = 46363.0 + 10.5 / 24.0;

TEST(MinimalPlanPage, TheExampleIsThePlanThePageBuilds) {
  const DocPlan plan = BuildDocPlan(PageTables());
  ASSERT_EQ(plan.error, "");
  std::string error;
  const std::string built = Canonical(plan.json, &error);
  ASSERT_EQ(error, "") << "the page's plan does not load";
  const std::string example = Canonical(ReadSourceFile("examples/minimal-plan.json"), &error);
  if (built != example) {
    // A workbook the page's plan can be copied from, beside the test.
    std::ofstream("minimal-plan.built.json") << built;
    FAIL() << error << (error.empty() ? "" : "\n") << "examples/minimal-plan.json differs from the plan of docs/plan-workbook.md; the page's plan "
              "is written to minimal-plan.built.json in the test's working folder";
  }
}

// The package is the example converted, so the command and the host open the same plan.
TEST(MinimalPlanPage, ThePackageHoldsTheExample) {
#ifndef KORVAT_READS_PACKAGES
  GTEST_SKIP() << "this build reads no .xlsx files";
#endif
  host::file::LoadResult package = host::file::LoadWorkbook(std::string(KORVAT_SOURCE_DIR) + "/examples/minimal-plan.xlsx");
  ASSERT_TRUE(package.ok()) << package.error;
  std::string error;
  const std::string example = Canonical(ReadSourceFile("examples/minimal-plan.json"), &error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(host::file::WorkbookToText(*package.workbook), example)
      << "remake it: korvat convert examples/minimal-plan.json examples/minimal-plan.xlsx";
}

TEST(MinimalPlanPage, RunsCleanAndDrawsEveryLeafTask) {
  const auto tables = PageTables();
  PlanSession session(PagePlan(), kNow);
  kvDrawCalendar(60);
  kvWBSReschedule();
  kvDrawProgressLines();
  for (const RecordedBox& box : session.boxes) ADD_FAILURE() << "message box: " << box.text;

  // The leaf tasks are the rows of the task table that name a resource.
  const auto wbsRows = OnlyTableWithHeader(tables, {"WBS row", "A", "B", "C", "L", "M", "N", "O", "P", "Q", "R",
                                                    "S", "T", "U"});
  ASSERT_TRUE(wbsRows.has_value());
  const int resource = wbsRows->Column("M");
  std::set<std::string> shapes;
  for (const auto& shape : session.Wbs().Shapes().InZOrder()) shapes.insert(shape->name);
  int leaves = 0;
  for (const auto& row : wbsRows->rows) {
    if (row[resource].empty() || row[0] == "4") continue;
    ++leaves;
    EXPECT_TRUE(shapes.count("GanntBar" + row[0] + "A")) << "no bar on row " << row[0];
  }
  EXPECT_EQ(leaves, 5);
  EXPECT_TRUE(std::any_of(shapes.begin(), shapes.end(), [](const std::string& n) { return n.starts_with("ProgressLines"); }))
      << "no progress line";
}

TEST(MinimalPlanPage, WritesTheResultTableOfThePage) {
  const auto result = OnlyTableWithHeader(PageTables(), {"row after the run", "WBS number", "plan start", "plan end"});
  ASSERT_TRUE(result.has_value());
  ASSERT_FALSE(result->rows.empty());
  PlanSession session(PagePlan(), kNow);
  kvDrawCalendar(60);
  kvWBSReschedule();
  for (const auto& row : result->rows) {
    const int r = std::stoi(row[0]);
    EXPECT_EQ(session.Text(r, 1), row[1]) << "row " << r;
    for (const auto& [column, text] : {std::pair{16, row[2]}, std::pair{17, row[3]}}) {
      double expected = 0;
      ASSERT_TRUE(DocTimeOfDay(text, &expected)) << text;
      const double written = session.Number(r, column);
      EXPECT_NEAR(written - std::floor(written), expected, 1e-6) << "row " << r << " column " << column;
    }
  }
}

TEST(SettingsReference, RequiredColumnMatchesTheBindingCheck) {
  const auto reference =
      OnlyTableWithHeader(PageTables(), {"setting", "required", "kind", "meaning", "example", "default"});
  ASSERT_TRUE(reference.has_value());
  std::set<std::string> documented, all;
  for (const auto& row : reference->rows) {
    EXPECT_TRUE(row[1] == "yes" || row[1] == "no") << row[0] << ": " << row[1];
    EXPECT_FALSE(row[4].empty()) << row[0] << " has no example";
    EXPECT_TRUE(all.insert(row[0]).second) << row[0] << " is listed twice";
    if (row[1] == "yes") documented.insert(row[0]);
  }
  std::set<std::string> checked;
  for (const char* name : RequiredSettingNames()) checked.insert(name);
  EXPECT_EQ(documented, checked);
}

// Every setting the minimal plan defines is one of the reference, and it defines every
// required one, as its step says.
TEST(SettingsReference, TheMinimalPlanDefinesExactlyTheRequiredSettings) {
  const auto tables = PageTables();
  const auto steps = OnlyTableWithHeader(tables, {"setting", "cell", "value"});
  ASSERT_TRUE(steps.has_value());
  std::set<std::string> defined;
  for (const auto& row : steps->rows) defined.insert(row[0]);
  std::set<std::string> required;
  for (const char* name : RequiredSettingNames()) required.insert(name);
  EXPECT_EQ(defined, required);
}

}  // namespace
}  // namespace korvat::test
