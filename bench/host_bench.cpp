// What one call through the call layer costs the headless host as the sheet grows:
// a cell's Value, a shape found by name and a column's Left. Each must stay flat
// (the model indexes cells, shapes and column offsets), so the largest sheet should
// cost at most twice the smallest. One benchmark iteration is one call.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "host/automation/workbook_host.h"
#include "host/model/workbook.h"

namespace {

using korvat::host::Workbook;
using korvat::host::WorkbookHost;
using korvat::host::Worksheet;

constexpr int kColumnsFilled = 100;

// A host whose one worksheet holds `cells` numbers, 100 to a row, with a width set for
// every filled column and every other column hidden.
std::unique_ptr<WorkbookHost> HostWithCells(int cells) {
  auto book = std::make_unique<Workbook>();
  Worksheet* sheet = book->AddWorksheet("Big");
  for (int i = 0; i < cells; ++i)
    sheet->SetValue(i / kColumnsFilled + 1, i % kColumnsFilled + 1, korvat::host::CellValue::Number(i));
  for (int c = 1; c <= 16384; ++c) {
    sheet->SetColumnWidth(c, 20.0 + c % 7);
    if (c % 2 == 0) sheet->SetColumnHidden(c, true);
  }
  return std::make_unique<WorkbookHost>(std::move(book));
}

std::unique_ptr<WorkbookHost> HostWithShapes(int shapes) {
  auto book = std::make_unique<Workbook>();
  Worksheet* sheet = book->AddWorksheet("Big");
  for (int i = 0; i < shapes; ++i) {
    auto& shape = sheet->Shapes().AddAutoShape(1, i % 500, i / 500.0, 10, 10);
    sheet->Shapes().Rename(shape, "GanntBar" + std::to_string(i) + "A");
  }
  return std::make_unique<WorkbookHost>(std::move(book));
}

korvat::AutomationObject SheetOf(WorkbookHost& host) {
  const korvat::ComRef<IDispatch> book = host.NewWorkbookObject();
  return korvat::GetObjectResult(book.Get(), KV_W(".Sheets(%s)"), "Big");
}

void CellValue(benchmark::State& state) {
  korvat::InitializeCallLayer(false, true);
  auto host = HostWithCells(static_cast<int>(state.range(0)));
  const korvat::AutomationObject sheetHandle = SheetOf(*host);
  IDispatch* sheet = sheetHandle.Get();
  const std::uint32_t row = static_cast<std::uint32_t>(state.range(0) / kColumnsFilled / 2 + 1);
  double value = 0;
  for (auto _ : state) {
    korvat::GetValue(KV_W("e"), &value, sheet, KV_W(".Cells(%u,%u).Value"), row, 50u);
    benchmark::DoNotOptimize(value);
  }
  state.counters["host calls/op"] = benchmark::Counter(static_cast<double>(host->TotalCalls()),
                                                       benchmark::Counter::kAvgIterations);
  korvat::UninitializeCallLayer(false);
}

void ShapeByName(benchmark::State& state) {
  korvat::InitializeCallLayer(false, true);
  auto host = HostWithShapes(static_cast<int>(state.range(0)));
  const korvat::AutomationObject sheetHandle = SheetOf(*host);
  IDispatch* sheet = sheetHandle.Get();
  const std::string name = "GanntBar" + std::to_string(state.range(0) / 2) + "A";
  for (auto _ : state) {
    const korvat::AutomationObject shape = korvat::GetObjectResult(sheet, KV_W("Shapes(%s)"), name.c_str());
    if (!shape) {
      state.SkipWithError("shape not found");
      break;
    }
  }
  korvat::UninitializeCallLayer(false);
}

void ColumnLeft(benchmark::State& state) {
  korvat::InitializeCallLayer(false, true);
  auto host = HostWithCells(static_cast<int>(state.range(0)));
  const korvat::AutomationObject sheetHandle = SheetOf(*host);
  IDispatch* sheet = sheetHandle.Get();
  double left = 0;
  std::uint32_t column = 9000;
  for (auto _ : state) {
    korvat::GetValue(KV_W("e"), &left, sheet, KV_W(".Cells(%u,%u).Left"), 1u, column);
    benchmark::DoNotOptimize(left);
    column = column == 9000 ? 9001 : 9000;
  }
  korvat::UninitializeCallLayer(false);
}

BENCHMARK(CellValue)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(ShapeByName)->Arg(1000)->Arg(10000)->Arg(50000);
BENCHMARK(ColumnLeft)->Arg(1000)->Arg(10000)->Arg(100000);

}  // namespace
