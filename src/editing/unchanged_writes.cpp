#include "editing/unchanged_writes.h"

#include "automation/host_object.h"
#include "base/number_text.h"
#include "wbs/wbs_cells.h"

#include <cmath>
#include <optional>

namespace korvat {
namespace {

// Times of day written as 16-digit text read back as the double nearest to it.
constexpr double kSameNumber = 1e-12;

bool Addressable(std::int64_t row, std::int64_t column) {
  return row >= 1 && column >= 1 && row <= 0xFFFFFFFFll && column <= 0xFFFFFFFFll;
}

std::optional<double> CellNumber(const BoundPlan& plan, std::int64_t row, std::int64_t column) {
  const AutomationObject cell =
      CellAt(plan.wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
  if (GetValueText(cell.Get()).empty()) return std::nullopt;
  return GetValueNumberIfAny(cell.Get());
}

bool IsNumberText(std::string_view text) { return !text.empty() && FormatDouble(Val(text)) == text; }

}  // namespace

bool WriteTextIfChanged(const BoundPlan& plan, std::int64_t row, std::int64_t column, std::string_view text) {
  if (!Addressable(row, column)) return false;
  const std::string now = WbsCellText(plan, row, column);
  if (now == text) return false;
  if (IsNumberText(text)) {
    const std::optional<double> held = CellNumber(plan, row, column);
    if (held && std::fabs(*held - Val(text)) <= kSameNumber) return false;
  }
  WriteWbsCell(plan, row, column, text);
  return true;
}

bool WriteNumberIfChanged(const BoundPlan& plan, std::int64_t row, std::int64_t column, double value) {
  if (!Addressable(row, column)) return false;
  const std::optional<double> held = CellNumber(plan, row, column);
  if (held && std::fabs(*held - value) <= kSameNumber) return false;
  const AutomationObject cell =
      CellAt(plan.wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
  PutValueNumber(cell.Get(), value);
  return true;
}

}  // namespace korvat
