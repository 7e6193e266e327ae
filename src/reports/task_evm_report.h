#pragma once
// The earned-value report by task: one row per task that has planned or earned
// value at the present moment, with its budget, planned value, earned value and
// actual cost, the host's formulas for the variances, indexes and estimates, the
// planned end and a projected end, on the sheet "EVM0_" + today. It works on the
// task table as the last reading export left it (earned-value fields are
// refilled in the records) and reloads nothing.

#include "automation/automation_object.h"
#include "plan/bound_plan.h"
#include "reports/dictionary_lookup.h"

#include <cstdint>
#include <string>

namespace korvat {

// The whole report.
void RunTaskEvmReport(BoundPlan& plan);

// Row 2's captions (BAC ... ENDDATECHGTO in columns C to N); returns 3, the
// first task row.
std::int64_t WriteTaskHeadings(const Dictionary& dictionary, IDispatch* sheet);
// Columns B to N of one task row.
void WriteTaskEvmRow(IDispatch* sheet, const TaskRecord& task, std::int64_t row);
// Frames, the heading band, the title, the number format and the zoom.
void FormatTaskEvmSheet(IDispatch* workbook, const Dictionary& dictionary, IDispatch* sheet, std::int64_t lastRow);
// Red variances below 0 and red indexes below 1.
void MarkTaskEvmWarnings(IDispatch* sheet, std::int64_t lastRow);

// The projected end for a task of dur days and its cost index, from its actual
// start: "yyyy/mm/dd", "?" when the projection runs beyond 19 times the
// duration or is not positive, or "" when it equals the duration.
std::string ProjectedEndText(std::int64_t dur, double costIndex, double actualStart);

}  // namespace korvat
