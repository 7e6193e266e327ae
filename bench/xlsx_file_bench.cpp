// Workbook packages against JSON on a drawn plan of 10,000 tasks: the seconds to save
// and load each format, and the ratio. Aim: the .xlsx load plus save within 3 s and
// within twice the JSON time (reported; the exit status says whether met).
//
// The plan is gantt_bench's generated plan, drawn by kvWBSReschedule.

#include "support/plan_workbook.h"
#include "host/automation/workbook_host.h"
#include "host/file/workbook_file.h"
#include "host/model/worksheet.h"
#include "automation/message_box.h"
#include "base/clock.h"
#include "korvat/korvat.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace file = korvat::host::file;

// The drawn plan, as the korvat command would save it.
std::unique_ptr<korvat::host::Workbook> DrawnPlan(int tasks) {
  korvat::host::WorkbookHost host(korvat::test::GeneratePlan({.tasks = tasks}));
  korvat::SetMessageSink([](const korvat::MessageBoxRequest&) { return 1; });
  korvat::SetFixedNow(46363.0 + korvat::test::Clock(12, 0));
  kvInit();
  korvat::ComRef<IDispatch> workbook = host.NewWorkbookObject();
  IDispatch* book = workbook.Get();
  kvSetWorkBook(&book);
  kvWBSReschedule();
  kvQuit();
  workbook.Reset();
  korvat::SetMessageSink({});
  // Hand the model over through a file of its own format, which keeps everything.
  return file::LoadWorkbookFromText(file::WorkbookToText(host.Model())).workbook;
}

struct Timing {
  double save = 1e9, load = 1e9;
  uintmax_t bytes = 0;
};

Timing Measure(const korvat::host::Workbook& book, const std::string& path) {
  Timing t;
  for (int round = 0; round < 3; ++round) {
    std::string error;
    auto start = std::chrono::steady_clock::now();
    if (!file::SaveWorkbook(book, path, &error)) {
      std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
      return {};
    }
    auto saved = std::chrono::steady_clock::now();
    file::LoadResult loaded = file::LoadWorkbook(path);
    auto end = std::chrono::steady_clock::now();
    if (!loaded.ok()) {
      std::fprintf(stderr, "%s\n", loaded.error.c_str());
      return {};
    }
    t.save = std::min(t.save, std::chrono::duration<double>(saved - start).count());
    t.load = std::min(t.load, std::chrono::duration<double>(end - saved).count());
  }
  t.bytes = std::filesystem::file_size(path);
  std::filesystem::remove(path);
  return t;
}

}  // namespace

int main() {
  const int tasks = 10000;
  auto book = DrawnPlan(tasks);
  if (!book) return 1;
  const auto* ws = book->FindWorksheet("WBS");
  std::printf("drawn plan: %d tasks, %d shapes, %zu cells\n", tasks, ws->Shapes().Count(), ws->Cells().size());
  const std::string dir = std::filesystem::temp_directory_path().string() + "/";
  const Timing json = Measure(*book, dir + "korvat-bench.json");
  const Timing xlsx = Measure(*book, dir + "korvat-bench.xlsx");
  const double jsonTotal = json.save + json.load, xlsxTotal = xlsx.save + xlsx.load;
  std::printf("JSON : save %6.3f s, load %6.3f s, total %6.3f s, %9ju bytes\n", json.save, json.load, jsonTotal, json.bytes);
  std::printf(".xlsx: save %6.3f s, load %6.3f s, total %6.3f s, %9ju bytes\n", xlsx.save, xlsx.load, xlsxTotal, xlsx.bytes);
  const double ratio = jsonTotal > 0 ? xlsxTotal / jsonTotal : 0;
  std::printf(".xlsx / JSON time ratio: %.2f (aim: at most 2, and the .xlsx total within 3 s)\n", ratio);
  return xlsxTotal <= 3.0 && ratio <= 2.0 ? 0 : 1;
}
