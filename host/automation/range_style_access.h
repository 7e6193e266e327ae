#pragma once
// Reading and changing the style of every cell of a range, for the format adapters.
// Reads take the top-left cell; writes change every cell of the range.

#include <functional>

#include "host/automation/adapters.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {

// Writes beyond this many cells are refused rather than filling a sheet cell by cell.
inline constexpr long long kMaxStyledCells = 4'000'000;

// Applies the change to every cell of the range; fails when the sheet is gone or the range
// is too large.
Status ChangeStyles(const SheetWeak& sheet, const RangeRef& range, const std::function<void(CellStyle&)>& change,
                    std::string_view object);

}  // namespace korvat::host::automation
