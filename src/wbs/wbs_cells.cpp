#include "wbs/wbs_cells.h"

#include "automation/host_object.h"
#include "base/number_text.h"

namespace korvat {
namespace {

bool Addressable(std::int64_t row, std::int64_t column) {
  return row >= 1 && column >= 1 && row <= 0xFFFFFFFFll && column <= 0xFFFFFFFFll;
}

AutomationObject RangeOf(const BoundPlan& plan, std::string_view letters, std::int64_t row) {
  return RangeAt(plan.wbsSheet, std::string(letters) + FormatInteger(row));
}

AutomationObject CellOf(const BoundPlan& plan, std::int64_t row, std::int64_t column) {
  return CellAt(plan.wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
}

}  // namespace

std::string WbsRangeText(const BoundPlan& plan, std::string_view letters, std::int64_t row) {
  const AutomationObject cell = RangeOf(plan, letters, row);
  return GetValueText(cell.Get());
}

double WbsRangeNumber(const BoundPlan& plan, std::string_view letters, std::int64_t row) {
  const AutomationObject cell = RangeOf(plan, letters, row);
  return GetValueNumber(cell.Get());
}

std::optional<double> WbsRangeNumberIfAny(const BoundPlan& plan, std::string_view letters, std::int64_t row) {
  const AutomationObject cell = RangeOf(plan, letters, row);
  return GetValueNumberIfAny(cell.Get());
}

void WbsRangeWide(const BoundPlan& plan, std::string_view letters, std::int64_t row, WideString& holder) {
  const AutomationObject cell = RangeOf(plan, letters, row);
  GetWideText(cell.Get(), "Value", holder);
}

std::string WbsCellText(const BoundPlan& plan, std::int64_t row, std::int64_t column) {
  if (!Addressable(row, column)) return {};
  const AutomationObject cell = CellOf(plan, row, column);
  return GetValueText(cell.Get());
}

double WbsCellNumber(const BoundPlan& plan, std::int64_t row, std::int64_t column) {
  if (!Addressable(row, column)) return 0.0;
  const AutomationObject cell = CellOf(plan, row, column);
  return GetValueNumber(cell.Get());
}

void WriteWbsCell(const BoundPlan& plan, std::int64_t row, std::int64_t column, std::string_view text) {
  if (!Addressable(row, column)) return;
  PutCellText(plan.wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column), text);
}

}  // namespace korvat
