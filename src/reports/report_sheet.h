#pragma once
// The toolkit the three reports share: the report sheet, framed tables, bands,
// red-below conditional formats, the dated title, the finishing steps and the
// embedded line chart. Each is a short, fixed run of host calls; a failing call
// changes nothing and none reports anything (the call layer's display is off).

#include "automation/automation_object.h"
#include "automation/wide_string.h"
#include "reports/dictionary_lookup.h"
#include "platform/com.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace korvat {

// Host constants the reports use.
constexpr std::int32_t kThinLine = 2;        // xlThin
constexpr std::int32_t kMediumLine = -4138;  // xlMedium
constexpr std::int32_t kBottomEdge = 9;      // xlEdgeBottom
constexpr std::int32_t kTopEdge = 8;         // xlEdgeTop
constexpr std::int32_t kLessThan = 6;        // xlLess
constexpr std::int32_t kPlotByRows = 1;      // xlRows: one series per row
constexpr std::int32_t kPlotByColumns = 2;   // xlColumns: one series per column

// The report sheets' names: "EVM" + kind + "_" + today as yyyymmdd, and
// "Workload" + kind.
std::string EvmSheetName(std::int64_t kind);
std::string WorkloadSheetName(std::int64_t kind);

// The sheet of that name, emptied of every cell and shape (charts of an earlier
// run too), or a new one added (the host makes it active) and named so. The
// caller owns the handle; it is empty when the host gave no sheet.
AutomationObject OpenReportSheet(IDispatch* workbook, std::string_view name);
AutomationObject OpenEvmSheet(IDispatch* workbook, std::int64_t kind);
AutomationObject OpenWorkloadSheet(IDispatch* workbook, std::int64_t kind);

// A framed table: no diagonals, a medium outline and thin inner lines.
void DrawBox(IDispatch* sheet, std::string_view address);
// One continuous border of the range (index 7 to 12) in the automatic colour.
void SetEdgeLine(IDispatch* sheet, std::string_view address, std::int32_t index, std::int32_t weight);
// A solid fill of colour index 35.
void FillBand(IDispatch* range);
// Text centred both ways.
void CenterBand(IDispatch* range);
// The range's conditional formats replaced by one: a red font where the cell's
// value compares true against the threshold (operator 6: less than).
void SetRedBelow(IDispatch* range, std::string_view threshold, std::int32_t comparison);

// The key's caption; dated, its first "\*" becomes today as yyyymmdd.
WideText ReportTitle(const Dictionary& dictionary, std::string_view key, bool dated);

// The last steps of a report sheet: columns fitted to the table, the title in
// B1, column A a narrow margin, the sheet active, the number format "0.00_ " on
// the number range when there is one, and the window's zoom at 85.
void FinishReportSheet(IDispatch* workbook, IDispatch* sheet, WideView title,
                       const std::optional<std::string>& numberRange);

// A line chart with markers of the source range (areas joined by ",", one series
// per column or per row), titled, with a category axis of text categories and a
// value axis, embedded in the report sheet as its newest shape.
void AddReportChart(IDispatch* workbook, IDispatch* sheet, std::string_view source, std::int32_t plotBy,
                    WideView title);

// Cells of the report sheet by row and column, for the reports' writers.
AutomationObject ReportCell(IDispatch* sheet, std::int64_t row, std::int64_t column);
// The cell's formula, or its number (a figure: see report_numbers.h).
void PutReportFormula(IDispatch* sheet, std::int64_t row, std::int64_t column, const std::string& formula);
void PutReportNumber(IDispatch* sheet, std::int64_t row, std::int64_t column, double number);
// The parts one after the other: the reports' formulas and texts.
std::string Joined(std::initializer_list<std::string_view> parts);
// "E7" from a column number and a row.
std::string CellName(std::int64_t column, std::int64_t row);
// "B2:N9" from column letters and rows.
std::string Area(std::string_view firstLetters, std::int64_t firstRow, std::string_view lastLetters,
                 std::int64_t lastRow);

}  // namespace korvat
