#pragma once
// Summary rows carry formulas over their direct children (planned and actual
// times, planned minutes, actual cost, weighted percent complete); leaf rows
// carry plain values.

#include "plan/bound_plan.h"

#include <string>
#include <string_view>

namespace korvat {

// Writes the formulas of the summary and, depth first, of every summary below it.
void WriteRollups(const BoundPlan& plan, const TaskRecord& summary);
// childRows: "*" + row for each direct child, joined by ","; the "*" stands
// for each column's letters.
void WriteSummaryFormulas(const BoundPlan& plan, const TaskRecord& summary, std::string_view childRows);
// Replaces every formula of the task's row (from "WSFirstCol" to "WSLastCol")
// by the value it shows.
void ClearLeafFormulas(const BoundPlan& plan, const TaskRecord& task);

// The task's WBS number begins with the ancestor's.
bool IsDescendant(const TaskRecord& ancestor, const TaskRecord& task);
// The task is one level below the ancestor.
bool IsChild(const TaskRecord& ancestor, const TaskRecord& task);

// The formula texts, without the leading "=".
std::string ZeroToBlank(std::string_view aggregate, std::string_view addresses);
std::string AllOrBlank(std::string_view aggregate, std::string_view addresses);
std::string WeightedPercent(std::string_view ownPvAddress, std::string_view pvLetters, std::string_view addresses);
std::string ErrorToBlank(std::string_view x, std::string_view y);

}  // namespace korvat
