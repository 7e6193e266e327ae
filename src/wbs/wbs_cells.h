#pragma once
// Reading and writing single cells of the plan's WBS sheet. Reads of a missing
// sheet, row 0 or column 0 give "" and 0; writes to them do nothing.

#include "automation/wide_string.h"
#include "plan/bound_plan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvat {

// Through ".Range(%s)" with the column letters and the row.
std::string WbsRangeText(const BoundPlan& plan, std::string_view letters, std::int64_t row);
double WbsRangeNumber(const BoundPlan& plan, std::string_view letters, std::int64_t row);
// Nothing when the cell holds text that is no number (an empty cell reads 0).
std::optional<double> WbsRangeNumberIfAny(const BoundPlan& plan, std::string_view letters, std::int64_t row);
void WbsRangeWide(const BoundPlan& plan, std::string_view letters, std::int64_t row, WideString& holder);

// Through ".Cells(%u,%u)".
std::string WbsCellText(const BoundPlan& plan, std::int64_t row, std::int64_t column);
double WbsCellNumber(const BoundPlan& plan, std::int64_t row, std::int64_t column);
// ".Cells(%u,%u)=%s": the text goes to the cell's Value.
void WriteWbsCell(const BoundPlan& plan, std::int64_t row, std::int64_t column, std::string_view text);

}  // namespace korvat
