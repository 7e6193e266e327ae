#pragma once
// Writes of the event handlers that leave a cell alone when it already holds
// what would be written. The host raises Change for every write, also of the
// value a cell holds, and the handlers answer Change by writing: without this
// the percent rule would answer its own "100" for ever.

#include "plan/bound_plan.h"

#include <cstdint>
#include <string_view>

namespace korvat {

// ".Cells(%u,%u)=%s" unless the cell reads as that text already, or both are
// the same number. True when the cell was written.
bool WriteTextIfChanged(const BoundPlan& plan, std::int64_t row, std::int64_t column, std::string_view text);
// The cell's "Value" set to the number unless it holds that number already.
bool WriteNumberIfChanged(const BoundPlan& plan, std::int64_t row, std::int64_t column, double value);

}  // namespace korvat
