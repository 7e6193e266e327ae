#include "reports/project_evm_report.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"
#include "base/clock.h"
#include "base/column_letters.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "reports/period_earned_value.h"
#include "reports/report_dates.h"
#include "reports/report_numbers.h"
#include "reports/report_sheet.h"
#include "wbs/rollup_formulas.h"
#include "wbs/task_lookup.h"
#include "wbs/task_status.h"

#include <algorithm>
#include <memory>

namespace korvat {
namespace {

constexpr const char* kHeadingKeys[] = {"PV", "EV", "AC", "SV", "CV", "SPI", "CPI"};
constexpr std::int64_t kFirstPeriodRow = 3;
constexpr std::int64_t kChartGap = 10;  // points between the two charts

double Today() { return WholeDays(Now()); }

std::int64_t PeriodCount(const ProjectEvmRun& run) { return static_cast<std::int64_t>(run.periods.keys.size()); }

std::int64_t WriteProjectHeadings(const Dictionary& dictionary, IDispatch* sheet) {
  std::int64_t column = 3;
  for (const char* key : kHeadingKeys) dictionary.WriteLabel(sheet, 2, column++, key);
  return kFirstPeriodRow;
}

// SPI and CPI of the row's own PV, EV and AC, blank where a divisor is 0.
void WriteIndexFormulas(IDispatch* sheet, std::int64_t row) {
  const std::string c = CellName(3, row), d = CellName(4, row), e = CellName(5, row), blank = "\"\"";
  PutReportFormula(sheet, row, 8, Joined({"=", ErrorToBlank(Joined({d, "/", c}), blank)}));
  PutReportFormula(sheet, row, 9, Joined({"=", ErrorToBlank(Joined({d, "/", e}), blank)}));
}

void WriteProjectRow(IDispatch* sheet, const ProjectEvmRun& run, const std::string& key, std::int64_t row) {
  const PeriodTotals* totals = run.totals.Find(key);
  if (!totals) return;
  {
    const AutomationObject cell = ReportCell(sheet, row, 2);
    PutValueText(cell.Get(), Joined({"'", key}));
  }
  const double figures[] = {totals->plannedValue, totals->earnedValue, totals->actualCost};
  for (std::int64_t i = 0; i < 3; ++i) PutReportNumber(sheet, row, 3 + i, SixteenDigitNumber(figures[i]));
  const std::string c = CellName(3, row), d = CellName(4, row), e = CellName(5, row);
  PutReportFormula(sheet, row, 6, Joined({"=", d, "-", c}));
  PutReportFormula(sheet, row, 7, Joined({"=", d, "-", e}));
  WriteIndexFormulas(sheet, row);
}

// The indexes of the totals are those of the summed figures: a sum of the periods' ratios
// means nothing (two periods at 0.9 would total 1.8, under budget).
void WriteProjectTotals(IDispatch* sheet, std::int64_t row) {
  for (std::int64_t column = 3; column <= 7; ++column) {
    const std::string letters = ColumnLetters(column);
    PutReportFormula(sheet, row, column, Joined({"=SUM(", letters, "3:", letters, FormatInteger(row - 1), ")"}));
  }
  WriteIndexFormulas(sheet, row);
}

void FormatProjectSheet(IDispatch* workbook, const WideText& title, IDispatch* sheet, const std::string& lastLetters,
                        std::int64_t totalsRow) {
  DrawBox(sheet, Area("B", 2, lastLetters, totalsRow));
  DrawBox(sheet, Area("C", 2, "E", totalsRow));
  DrawBox(sheet, Area("H", 2, "I", totalsRow));
  const std::string headings = Area("B", 2, lastLetters, 2), totals = Area("B", totalsRow, lastLetters, totalsRow);
  SetEdgeLine(sheet, headings, kBottomEdge, kMediumLine);
  SetEdgeLine(sheet, totals, kTopEdge, kMediumLine);
  {
    const AutomationObject band = RangeAt(sheet, headings);
    CenterBand(band.Get());
    FillBand(band.Get());
  }
  {
    const AutomationObject band = RangeAt(sheet, totals);
    FillBand(band.Get());
  }
  FinishReportSheet(workbook, sheet, title, Area("C", kFirstPeriodRow, lastLetters, totalsRow));
}

void MarkProjectWarnings(IDispatch* sheet, std::int64_t lastRow) {
  for (const auto& [letters, threshold] : {std::pair{"F", "0.0"}, {"G", "0.0"}, {"H", "1.0"}, {"I", "1.0"}}) {
    const AutomationObject range = RangeAt(sheet, Area(letters, kFirstPeriodRow, letters, lastRow));
    SetRedBelow(range.Get(), threshold, kLessThan);
  }
}

void ClearCell(IDispatch* sheet, std::int64_t row, std::int64_t column) {
  const AutomationObject cell = ReportCell(sheet, row, column);
  PutFormula(cell.Get(), "");
  PutValueText(cell.Get(), "");
}

// Blanks one column of the periods that begin after today, in both tables; the
// first period is never cleared.
void ClearFuturePeriods(IDispatch* sheet, const ProjectEvmRun& run, std::int64_t column) {
  const double today = Today();
  for (std::int64_t i = PeriodCount(run); i >= 2; --i) {
    if (today >= ParseYmdDate(run.periods.keys[static_cast<std::size_t>(i - 1)])) return;
    ClearCell(sheet, run.cumulativeTop + i, column);
    ClearCell(sheet, i + 2, column);
  }
}

// The first table's headings and periods copied below it, the copy's PV, EV and
// AC turned into running sums; its own formulas then give the cumulative
// variances and indexes.
void BuildCumulativeTable(IDispatch* sheet, const ProjectEvmRun& run) {
  const std::int64_t n = PeriodCount(run), top = run.cumulativeTop;
  const std::string copied = Area("B", 2, "I", n + 2);
  CallMethod(sheet, KV_W(".Range(%s).Copy"), copied.c_str());
  CallMethod(sheet, KV_W(".Cells(%d,%d).Select"), static_cast<std::int32_t>(top), 2);
  CallMethod(sheet, KV_W(".Paste"));
  SetEdgeLine(sheet, Area("B", top + n, "I", top + n), kBottomEdge, kMediumLine);
  for (std::int64_t column = 3; column <= 5; ++column) {
    const std::string x = ColumnLetters(column);
    for (std::int64_t i = 2; i <= n; ++i)
      PutReportFormula(sheet, top + i, column,
                       Joined({"=", x, FormatInteger(i + 2), "+", x, FormatInteger(top + i - 1)}));
  }
  for (std::int64_t column = 4; column <= 9; ++column) ClearFuturePeriods(sheet, run, column);
}

void PlaceShape(IDispatch* sheet, std::int32_t index, double left, double top) {
  const AutomationObject shape = ShapeAt(sheet, index);
  PutLeft(shape.Get(), left);
  PutTop(shape.Get(), top);
}

double CellLeft(IDispatch* sheet, std::int64_t row, std::int64_t column) {
  const AutomationObject cell = ReportCell(sheet, row, column);
  return GetLeft(cell.Get());
}

double CellTop(IDispatch* sheet, std::int64_t row, std::int64_t column) {
  const AutomationObject cell = ReportCell(sheet, row, column);
  return GetTop(cell.Get());
}

void AddProjectCharts(IDispatch* workbook, const WideText& title, IDispatch* sheet, const ProjectEvmRun& run) {
  const std::int64_t n = PeriodCount(run), top = run.cumulativeTop;
  AddReportChart(workbook, sheet, Area("B", top, "E", top + n), kPlotByColumns, title);
  PlaceShape(sheet, 1, CellLeft(sheet, 2, 2), CellTop(sheet, top + n + 2, 2));
  AddReportChart(workbook, sheet, Joined({Area("B", top, "B", top + n), ",", Area("H", top, "I", top + n)}),
                 kPlotByColumns, title);
  double below = 0.0;
  {
    const AutomationObject first = ShapeAt(sheet, 1);
    below = GetTop(first.Get()) + GetHeight(first.Get()) + kChartGap;
  }
  PlaceShape(sheet, 2, CellLeft(sheet, 2, 2), below);
}

}  // namespace

void AccumulateTaskPeriods(const BoundPlan& plan, TaskRecord& task, ProjectEvmRun& run) {
  if (task.actualStart == 0.0) task.actualStart = task.plannedStart;
  const double start = plan.wbsSettings.timelineStart, today = Today();
  for (std::size_t i = 0; i < run.periods.keys.size(); ++i) {
    const double a = PeriodStart(run.periods, i, start);
    const double b = NextPeriodStart(run.periods, i, run.last) - 1.0;
    const double planned = PeriodPlannedValue(a, b, task);
    const PeriodShare share = PeriodEarnedAndCost(a, b, task, today);
    const std::string& key = run.periods.keys[i];
    PeriodTotals* totals = run.totals.Find(key);
    if (!totals) {
      auto fresh = std::make_unique<PeriodTotals>();
      totals = fresh.get();
      run.totals.Add(key, totals);
      fresh.release();
    }
    totals->plannedValue += planned;
    totals->earnedValue += share.earnedValue;
    totals->actualCost += share.actualCost;
  }
}

void CollectProjectEvm(BoundPlan& plan, std::int64_t kind, std::int64_t step, ProjectEvmRun& run) {
  const WbsSettings& s = plan.wbsSettings;
  run.last = std::max({LatestColumnDate(plan, 0), LatestColumnDate(plan, s.actualStartDateColNo),
                       LatestColumnDate(plan, s.actualEndDateColNo)});
  run.kind = kind;
  run.step = step;
  run.periods = BuildPeriodKeys(kind, step, s.timelineStart, run.last);
  run.totals.Clear(true);
  if (run.periods.keys.empty()) return;
  for (TaskRecord* task = FirstTask(plan.taskTable); task; task = NextTask(plan.taskTable, *task)) {
    if (ParseCrewCode(*task)) continue;
    if (task->isLeaf != 1 || task->plannedStart == 0.0 || task->plannedEnd == 0.0) continue;
    AccumulateTaskPeriods(plan, *task, run);
  }
}

void WriteProjectEvm(BoundPlan& plan, ProjectEvmRun& run) {
  IDispatch* workbook = plan.workbook;
  const AutomationObject sheet = OpenEvmSheet(workbook, run.kind);
  const Dictionary dictionary(workbook);
  const WideText title = ReportTitle(dictionary, "EVMRPT", true);
  std::int64_t row = WriteProjectHeadings(dictionary, sheet.Get());
  for (const std::string& key : run.periods.keys) WriteProjectRow(sheet.Get(), run, key, row++);
  WriteProjectTotals(sheet.Get(), row);
  FormatProjectSheet(workbook, title, sheet.Get(), "I", row);
  MarkProjectWarnings(sheet.Get(), row - 1);
  run.cumulativeTop = row + 2;
  BuildCumulativeTable(sheet.Get(), run);
  AddProjectCharts(workbook, title, sheet.Get(), run);
  run.totals.Clear(true);
}

}  // namespace korvat
