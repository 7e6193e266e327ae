#pragma once
// What the first loading export after kvSetWorkBook tells about the workbook's
// shape: sheets missing under their code names and settings the plan cannot do
// without. It is said once a binding, not on every edit the events forward.

#include "plan/bound_plan.h"

namespace korvat {

void TellBindingMistakes(const BoundPlan& plan);

}  // namespace korvat
