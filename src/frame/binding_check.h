#pragma once
// What the first loading export after kvSetWorkBook tells about the workbook's
// shape: sheets missing under their code names and settings the plan cannot do
// without. It is said once a binding, not on every edit the events forward.

#include "plan/bound_plan.h"

#include <span>

namespace korvat {

void TellBindingMistakes(const BoundPlan& plan);

// The settings told when missing, in the order the message names them.
std::span<const char* const> RequiredSettingNames();

}  // namespace korvat
