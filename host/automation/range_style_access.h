#pragma once
// Reading and changing the style of every cell of a range, for the format adapters.
// A read answers the value the cells share, or Null when they differ, as the host
// does; writes change every cell of the range, held as blocks by the sheet.

#include <functional>

#include "host/automation/adapters.h"
#include "host/model/worksheet.h"

namespace korvat::host::automation {

// At most this many cells are compared by a read; a larger range answers as its first cells do.
inline constexpr long long kMaxComparedCells = 100'000;

using StyleReader = std::function<void(const CellStyle& style, VARIANT* result)>;

// Stores the property the reader takes from each cell's style into result: its value
// when every cell of the range agrees, VT_NULL when they differ.
Status ReadSharedStyle(const SheetWeak& sheet, const RangeRef& range, std::string_view object, VARIANT* result,
                       const StyleReader& read);

// Applies the change to every cell of the range; fails when the sheet is gone. The change
// must depend on the style alone.
Status ChangeStyles(const SheetWeak& sheet, const RangeRef& range, const std::function<void(CellStyle&)>& change,
                    std::string_view object);

}  // namespace korvat::host::automation
