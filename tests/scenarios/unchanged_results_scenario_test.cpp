// The saved workbooks and the message boxes of the main job on the sample and of
// generated benchmark plans, held as expected files: a change that should leave
// the sheet as it was (fewer host calls, say) must leave these byte for byte.
//
// The comparison loads the expected file and saves it again, so a change of the
// file form alone changes both sides alike. After a change that is meant to alter
// the result, regenerate the expected files with
//   KORVAT_REGENERATE_FIXTURES=1 build/linux-debug/tests/scenarios/scenario_tests --gtest_filter='UnchangedResults.*'
// and review their difference before committing it.

#include "host/file/workbook_file.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace {

using namespace korvat::test;

constexpr double kMainJobNow = kDay1 + 7 + 0.5;    // 2026-12-08 12:00, as the main job runs
constexpr double kBenchNow = kDay1 + 6 + 0.5;      // 2026-12-07 12:00, the generated plans' first day

std::string FixturePath(const std::string& name) { return std::string(KORVAT_FIXTURES_DIR) + "/results/" + name; }

bool Regenerating() {
  const char* flag = std::getenv("KORVAT_REGENERATE_FIXTURES");
  return flag && *flag && std::string(flag) != "0";
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  ASSERT_TRUE(out.good()) << path;
}

std::string BoxesText(const std::vector<RecordedBox>& boxes) {
  std::string text;
  for (const RecordedBox& box : boxes) text += std::to_string(box.flags) + " " + box.text + "\n";
  return text;
}

// Runs the job on the workbook and compares (or, regenerating, writes) the saved
// workbook and the message boxes.
void ExpectUnchanged(std::unique_ptr<Workbook> book, double now, const std::function<void()>& job,
                     const std::string& name) {
  ASSERT_TRUE(book);
  PlanSession s(std::move(book), now);
  job();
  EXPECT_EQ(s.Close(), 0);
  const std::string saved = korvat::host::file::WorkbookToText(s.Host().Model());
  const std::string boxes = BoxesText(s.boxes);
  // Not ".json": the expected files are no inputs of the tests that take every workbook
  // of the fixtures.
  const std::string workbookPath = FixturePath(name + ".json.expected");
  const std::string boxesPath = FixturePath(name + ".boxes.txt");
  if (Regenerating()) {
    WriteFile(workbookPath, saved);
    WriteFile(boxesPath, boxes);
    return;
  }
  korvat::host::file::LoadResult expected = korvat::host::file::LoadWorkbookFromText(ReadFile(workbookPath));
  ASSERT_TRUE(expected.ok()) << workbookPath << ": " << expected.error;
  const std::string expectedText = korvat::host::file::WorkbookToText(*expected.workbook);
  // Not EXPECT_EQ on the texts: a difference in megabytes of JSON would flood the log.
  EXPECT_TRUE(saved == expectedText) << name << ": the saved workbook differs from " << workbookPath
                                     << " (" << saved.size() << " against " << expectedText.size() << " bytes)";
  if (saved != expectedText) {
    std::size_t at = 0;
    while (at < saved.size() && at < expectedText.size() && saved[at] == expectedText[at]) ++at;
    const std::size_t from = at > 200 ? at - 200 : 0;
    ADD_FAILURE() << "first difference at byte " << at << ":\n--- expected\n" << expectedText.substr(from, 400)
                  << "\n--- saved\n" << saved.substr(from, 400);
  }
  EXPECT_EQ(boxes, ReadFile(boxesPath)) << name;
}

void MainJob() {
  kvDrawCalendar(60);
  kvWBSReschedule();
  kvDrawProgressLines();
  kvEVMByTask();
  kvEVMByProject(2, 1);
  kvWorkload(1, 1);
}

// The benchmark's run, then a second reschedule over the drawn chart and the progress line.
void BenchJob() {
  kvDrawCalendar(60);
  kvWBSReschedule();
  kvWBSReschedule();
  kvDrawProgressLines();
}

TEST(UnchangedResults, SampleMainJob) { ExpectUnchanged(LoadSample(), kMainJobNow, MainJob, "sample-main-job"); }

TEST(UnchangedResults, SmallGeneratedPlan) {
  ExpectUnchanged(GeneratePlan({.tasks = 30}), kBenchNow, BenchJob, "generated-30");
}

TEST(UnchangedResults, BenchmarkPlanOf200Tasks) {
  ExpectUnchanged(GeneratePlan({.tasks = 200}), kBenchNow, BenchJob, "generated-200");
}

}  // namespace
