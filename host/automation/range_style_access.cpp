#include "host/automation/range_style_access.h"

namespace korvat::host::automation {

Status ChangeStyles(const SheetWeak& sheet, const RangeRef& range, const std::function<void(CellStyle&)>& change,
                    std::string_view object) {
  auto ws = LockWorksheet(sheet);
  if (!ws) return Deleted(object);
  if (static_cast<long long>(range.RowCount()) * range.ColumnCount() > kMaxStyledCells)
    return Fail("The range is too large to format cell by cell.");
  for (int r = range.firstRow; r <= range.lastRow; ++r)
    for (int c = range.firstCol; c <= range.lastCol; ++c) {
      CellStyle style = ws->Style(r, c);
      change(style);
      ws->SetStyle(r, c, style);
    }
  return Ok();
}

}  // namespace korvat::host::automation
