#pragma once
// Where the task table of the WBS sheet ends: its rows carry a right border in
// the "WSLastCol" column, and the first row without one closes the table.

#include "plan/bound_plan.h"

#include <cstdint>

namespace korvat {

constexpr std::int64_t kNoLine = -4142;

// The last row, from "WSFirstTaskRow" down, whose "WSLastCol" cell has a right
// border; "WSFirstTaskRow" - 1 when the first row has none. The scan stops
// after as many rows as the task table can hold, so a column bordered to the
// sheet's end (or an unreadable one) gives the row of the 10,000th task; an
// empty or invalid "WSLastCol" or first row gives an empty table.
std::int64_t FindLastTableRow(const BoundPlan& plan);

}  // namespace korvat
