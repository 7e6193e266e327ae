#include "wbs/wbs_cells.h"

#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/number_text.h"

namespace korvat {
namespace {

IDispatch* Sheet() { return State().wbsSheet.Get(); }

bool Addressable(std::int64_t row, std::int64_t column) {
  return row >= 1 && column >= 1 && row <= 0xFFFFFFFFll && column <= 0xFFFFFFFFll;
}

AutomationObject RangeOf(std::string_view letters, std::int64_t row) {
  return RangeAt(Sheet(), std::string(letters) + FormatInteger(row));
}

}  // namespace

std::string WbsRangeText(std::string_view letters, std::int64_t row) {
  const AutomationObject cell = RangeOf(letters, row);
  return GetValueText(cell.Get());
}

double WbsRangeNumber(std::string_view letters, std::int64_t row) {
  const AutomationObject cell = RangeOf(letters, row);
  return GetValueNumber(cell.Get());
}

void WbsRangeWide(std::string_view letters, std::int64_t row, WideString& holder) {
  const AutomationObject cell = RangeOf(letters, row);
  GetWideText(cell.Get(), "Value", holder);
}

std::string WbsCellText(std::int64_t row, std::int64_t column) {
  if (!Addressable(row, column)) return {};
  const AutomationObject cell = CellAt(Sheet(), static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
  return GetValueText(cell.Get());
}

double WbsCellNumber(std::int64_t row, std::int64_t column) {
  if (!Addressable(row, column)) return 0.0;
  const AutomationObject cell = CellAt(Sheet(), static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
  return GetValueNumber(cell.Get());
}

void WriteWbsCell(std::int64_t row, std::int64_t column, std::string_view text) {
  if (!Addressable(row, column)) return;
  PutCellText(Sheet(), static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column), text);
}

}  // namespace korvat
