#include "reports/workload_report.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"
#include "base/column_letters.h"
#include "base/number_text.h"
#include "reports/report_dates.h"
#include "reports/report_numbers.h"
#include "reports/report_sheet.h"

namespace korvat {
namespace {

// Row 2 holds the period keys from C on, as text (the apostrophe keeps every host
// from reading a key as a date of its own locale); returns the last column.
std::int64_t WriteWorkloadHeadings(IDispatch* sheet, const PeriodKeys& periods) {
  std::int64_t column = 2;
  for (const std::string& key : periods.keys) {
    const AutomationObject cell = ReportCell(sheet, 2, ++column);
    PutValueText(cell.Get(), Joined({"'", key}));
  }
  return column;
}

void WriteWorkloadRow(IDispatch* sheet, const ResourceLoad& resource, const WorkloadRun& run, double start,
                      std::int64_t row) {
  {
    const AutomationObject cell = ReportCell(sheet, row, 2);
    PutWideText(cell.Get(), "Value", resource.id.View());
  }
  for (std::size_t j = 0; j < run.periods.keys.size(); ++j) {
    const double load =
        PeriodLoad(resource, PeriodStart(run.periods, j, start), NextPeriodStart(run.periods, j, run.last));
    PutReportNumber(sheet, row, static_cast<std::int64_t>(j) + 3, FourDecimalNumber(load));
  }
}

void WriteWorkloadTotals(IDispatch* sheet, std::int64_t row, std::int64_t lastColumn) {
  for (std::int64_t column = 3; column <= lastColumn; ++column) {
    const std::string x = ColumnLetters(column);
    PutReportFormula(sheet, row, column, Joined({"=SUM(", x, "3:", x, FormatInteger(row - 1), ")"}));
  }
}

void FormatWorkloadSheet(IDispatch* workbook, const WideText& title, IDispatch* sheet, const std::string& letters,
                         std::int64_t totalsRow) {
  DrawBox(sheet, Area("B", 2, letters, totalsRow));
  DrawBox(sheet, Area("B", 3, letters, totalsRow - 1));
  for (const std::int64_t band : {std::int64_t{2}, totalsRow}) {
    const AutomationObject range = RangeAt(sheet, Area("B", band, letters, band));
    FillBand(range.Get());
  }
  FinishReportSheet(workbook, sheet, title, std::nullopt);
}

void AddWorkloadChart(IDispatch* workbook, const WideText& title, IDispatch* sheet, const std::string& letters,
                      std::int64_t resources) {
  AddReportChart(workbook, sheet, Area("B", 2, letters, resources + 2), kPlotByRows, title);
  double left = 0.0, top = 0.0;
  {
    const AutomationObject anchor = ReportCell(sheet, resources + 2, 2);
    left = GetLeft(anchor.Get());
  }
  {
    const AutomationObject anchor = ReportCell(sheet, resources + 5, 2);
    top = GetTop(anchor.Get());
  }
  const AutomationObject shape = ShapeAt(sheet, 1);
  PutLeft(shape.Get(), left);
  PutTop(shape.Get(), top);
}

}  // namespace

double PeriodLoad(const ResourceLoad& resource, double a, double b) {
  double sum = 0.0;
  for (double d = a; d < b; d += 1.0)
    if (const DayLoad* day = resource.days.Find(FormatDateKey(d))) sum += day->load;
  return sum;
}

void CollectWorkload(BoundPlan& plan, std::int64_t kind, std::int64_t step, WorkloadRun& run) {
  const double start = plan.wbsSettings.timelineStart;
  run.kind = kind;
  run.last = LatestColumnDate(plan, 0);
  run.periods = BuildPeriodKeys(kind, step, start, run.last);
  run.loads.Clear(true);
  if (run.periods.keys.empty()) return;
  CollectResourceLoads(plan, ShownDays{start, run.last + 1.0}, run.loads);
}

void WriteWorkloadReport(BoundPlan& plan, WorkloadRun& run) {
  IDispatch* workbook = plan.workbook;
  const AutomationObject sheet = OpenWorkloadSheet(workbook, run.kind);
  const WideText title = ReportTitle(Dictionary(workbook), "WLRPT", false);
  const std::int64_t resources = run.loads.Count();
  const std::int64_t lastColumn = WriteWorkloadHeadings(sheet.Get(), run.periods);
  const std::string letters = ColumnLetters(lastColumn);
  for (std::int64_t i = 1; i <= resources; ++i) {
    ResourceLoad& resource = *run.loads.ItemAt(i);
    WriteWorkloadRow(sheet.Get(), resource, run, plan.wbsSettings.timelineStart, i + 2);
    resource.days.Clear(true);
  }
  WriteWorkloadTotals(sheet.Get(), resources + 3, lastColumn);
  FormatWorkloadSheet(workbook, title, sheet.Get(), letters, resources + 3);
  AddWorkloadChart(workbook, title, sheet.Get(), letters, resources);
  run.loads.Clear(true);
}

}  // namespace korvat
