#pragma once
// One stored cell: its constant value or formula, and its style. The formula fields are
// managed by the workbook, which evaluates on read and caches per generation.

#include <cstdint>
#include <memory>
#include <string>

#include "host/model/cell_style.h"
#include "host/values/cell_value.h"

namespace korvat::host {
namespace formula {
class Formula;
}

struct Cell {
  CellValue value;      // the constant, or the formula's last result
  std::string formula;  // "=..." or empty
  CellStyle style;

  bool HasFormula() const { return !formula.empty(); }
  bool HasContent() const { return HasFormula() || !value.IsEmpty(); }
  bool IsBlank() const { return !HasContent() && style.IsDefault(); }

  // Formula cache: parsed text, and the generation at which `value` was computed.
  mutable std::shared_ptr<const formula::Formula> parsed;
  mutable uint64_t computedAt = 0;
  mutable bool evaluating = false;
};

}  // namespace korvat::host
