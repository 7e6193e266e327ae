#pragma once
// Reading and writing single cells of the bound WBS sheet. Reads of a missing
// sheet, row 0 or column 0 give "" and 0; writes to them do nothing.

#include "automation/wide_string.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

// Through ".Range(%s)" with the column letters and the row.
std::string WbsRangeText(std::string_view letters, std::int64_t row);
double WbsRangeNumber(std::string_view letters, std::int64_t row);
void WbsRangeWide(std::string_view letters, std::int64_t row, WideString& holder);

// Through ".Cells(%u,%u)".
std::string WbsCellText(std::int64_t row, std::int64_t column);
double WbsCellNumber(std::int64_t row, std::int64_t column);
// ".Cells(%u,%u)=%s": the text goes to the cell's Value.
void WriteWbsCell(std::int64_t row, std::int64_t column, std::string_view text);

}  // namespace korvat
