#include "reports/task_evm_report.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"
#include "base/column_letters.h"
#include "base/day_counting.h"
#include "base/number_text.h"
#include "reports/report_numbers.h"
#include "reports/report_sheet.h"
#include "wbs/rollup_formulas.h"
#include "wbs/task_lookup.h"
#include "wbs/task_status.h"

#include <cmath>

namespace korvat {
namespace {

constexpr const char* kHeadingKeys[] = {"BAC", "PV", "EV", "AC", "SV", "CV",
                                        "SPI", "CPI", "EAC", "ETC", "ENDDATEORG", "ENDDATECHGTO"};
constexpr std::int64_t kFirstTaskRow = 3;
constexpr std::int64_t kLongestProjection = 19;  // times the duration

void PutFigure(IDispatch* sheet, std::int64_t row, std::int64_t column, double value) {
  PutReportNumber(sheet, row, column, SixteenDigitNumber(value));
}

// A date or "?" as text: the apostrophe keeps every host from reading the date
// key as a date of its own locale.
void PutTextCell(IDispatch* sheet, std::int64_t row, std::int64_t column, const std::string& text) {
  const AutomationObject cell = ReportCell(sheet, row, column);
  PutValueText(cell.Get(), text.empty() ? text : Joined({"'", text}));
}

WideText IndentedName(const TaskRecord& task) {
  const std::int64_t blanks = task.level > 1 ? 4 * (task.level - 1) : 0;
  WideText text(static_cast<std::size_t>(blanks), KV_W(' '));
  text += platform::AnsiToWide(task.wbsNumber);
  text += task.name.View();
  return text;
}

}  // namespace

std::string ProjectedEndText(std::int64_t dur, double costIndex, double actualStart) {
  // Without a duration there is nothing to project.
  if (dur == 0) return {};
  const float index = static_cast<float>(costIndex);
  float days = static_cast<float>(dur);
  if (index != 0.0f) days = static_cast<float>(dur) / index;
  if (!std::isfinite(days) || std::fabs(days) > 1e15f) return "?";
  // The smallest whole number not below the days (halves to even first, as the
  // host's rounding does, then up when that fell short).
  auto whole = static_cast<std::int64_t>(std::nearbyint(static_cast<double>(days)));
  if (static_cast<double>(whole) < static_cast<double>(days)) ++whole;
  if (whole == dur) return {};
  if (whole > 0 && whole / dur <= kLongestProjection) return FormatDateKey(DateAfterDays(actualStart, whole, 1));
  return "?";
}

std::int64_t WriteTaskHeadings(const Dictionary& dictionary, IDispatch* sheet) {
  std::int64_t column = 3;
  for (const char* key : kHeadingKeys) dictionary.WriteLabel(sheet, 2, column++, key);
  return kFirstTaskRow;
}

void WriteTaskEvmRow(IDispatch* sheet, const TaskRecord& task, std::int64_t row) {
  {
    const AutomationObject cell = ReportCell(sheet, row, 2);
    PutWideText(cell.Get(), "value", IndentedName(task));
  }
  PutFigure(sheet, row, 3, task.budget);
  PutFigure(sheet, row, 4, task.plannedValue);
  PutFigure(sheet, row, 5, task.earnedValue);
  PutFigure(sheet, row, 6, task.actualCost);
  const std::string c = CellName(3, row), d = CellName(4, row), e = CellName(5, row), f = CellName(6, row),
                    j = CellName(10, row), k = CellName(11, row);
  const std::string blank = "\"\"";
  PutReportFormula(sheet, row, 7, Joined({"=", e, "-", d}));
  PutReportFormula(sheet, row, 8, Joined({"=", e, "-", f}));
  PutReportFormula(sheet, row, 9, Joined({"=", ErrorToBlank(Joined({e, "/", d}), blank)}));
  PutReportFormula(sheet, row, 10, Joined({"=", ErrorToBlank(Joined({e, "/", f}), blank)}));
  PutReportFormula(sheet, row, 11, Joined({"=", ErrorToBlank(Joined({f, "+(", c, "-", e, ")/", j}), blank)}));
  PutReportFormula(sheet, row, 12, Joined({"=", ErrorToBlank(Joined({k, "-", f}), blank)}));
  PutTextCell(sheet, row, 13, FormatDateKey(task.plannedEnd));
  const std::int64_t dur = ParseLeadingInteger(task.durationText);
  const std::string projected = ProjectedEndText(dur, task.costIndex, task.actualStart);
  if (!projected.empty()) PutTextCell(sheet, row, 14, projected);
}

void FormatTaskEvmSheet(IDispatch* workbook, const Dictionary& dictionary, IDispatch* sheet, std::int64_t lastRow) {
  for (const auto& [first, last] : {std::pair{"B", "N"}, {"C", "F"}, {"I", "J"}, {"M", "N"}})
    DrawBox(sheet, Area(first, 2, last, lastRow));
  SetEdgeLine(sheet, "B2:N2", kBottomEdge, kMediumLine);
  {
    const AutomationObject headings = RangeAt(sheet, "B2:N2");
    CenterBand(headings.Get());
    FillBand(headings.Get());
  }
  const WideText title = ReportTitle(dictionary, "EVMRPT", true);
  FinishReportSheet(workbook, sheet, title, Area("C", kFirstTaskRow, "L", lastRow));
}

void MarkTaskEvmWarnings(IDispatch* sheet, std::int64_t lastRow) {
  for (const auto& [letters, threshold] : {std::pair{"G", "0.0"}, {"H", "0.0"}, {"I", "1.0"}, {"J", "1.0"}}) {
    const AutomationObject range = RangeAt(sheet, Area(letters, kFirstTaskRow, letters, lastRow));
    SetRedBelow(range.Get(), threshold, kLessThan);
  }
}

void RunTaskEvmReport(BoundPlan& plan) {
  const AutomationObject sheet = OpenEvmSheet(plan.workbook, 0);
  const Dictionary dictionary(plan.workbook);
  std::int64_t row = WriteTaskHeadings(dictionary, sheet.Get());
  for (TaskRecord* task = FirstTask(plan.taskTable); task; task = NextTask(plan.taskTable, *task)) {
    ComputeEarnedValue(*task);
    if (task->plannedValue == 0.0 && task->earnedValue == 0.0) continue;
    WriteTaskEvmRow(sheet.Get(), *task, row++);
  }
  const std::int64_t lastRow = row - 1;
  FormatTaskEvmSheet(plan.workbook, dictionary, sheet.Get(), lastRow);
  MarkTaskEvmWarnings(sheet.Get(), lastRow);
}

}  // namespace korvat
