// Loading and saving workbook files as they grow: a sheet of n filled cells and n/5
// shapes. Loading must stay close to linear in the file's size (a 10,000-task plan
// holds a few hundred thousand cells).

#include "host/file/workbook_file.h"
#include "host/model/workbook.h"
#include "host/model/worksheet.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace korvat::host;

std::string WorkbookText(int cells) {
  Workbook book;
  Worksheet* sheet = book.AddWorksheet("WBS");
  sheet->codeName = "wsWBS";
  const int rows = cells / 5;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= 5; ++c) sheet->SetValue(r, c, CellValue::Number(r * 10 + c));
  for (int i = 0; i < rows; ++i)
    sheet->Shapes().AddAutoShape(1, 100.0 + i % 50, 15.0 * i, 40.0, 8.0);
  return file::WorkbookToText(book);
}

void LoadWorkbookText(benchmark::State& state) {
  const std::string text = WorkbookText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    file::LoadResult loaded = file::LoadWorkbookFromText(text);
    if (!loaded.ok()) state.SkipWithError(loaded.error.c_str());
    benchmark::DoNotOptimize(loaded.workbook);
  }
  state.SetComplexityN(state.range(0));
  state.counters["cells"] = static_cast<double>(state.range(0));
}
BENCHMARK(LoadWorkbookText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

void SaveWorkbookText(benchmark::State& state) {
  file::LoadResult loaded = file::LoadWorkbookFromText(WorkbookText(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(file::WorkbookToText(*loaded.workbook));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(SaveWorkbookText)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
