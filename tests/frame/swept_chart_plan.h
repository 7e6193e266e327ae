#pragma once
// The small plan the chart and update exports are swept on under failing host calls: two
// days with a summary each, links, a finished and a started task and a shape of the user's;
// and what each kind of export never writes.

#include "support/fault_sweep.h"

#include <memory>
#include <string>

namespace korvat::test {

std::unique_ptr<PlanSession> OpenSmallPlan();
// The same plan with its calendar, chart and progress line drawn once.
std::unique_ptr<PlanSession> OpenDrawnPlan();

// The other sheets, and on the WBS sheet the names, resources and predecessors typed.
std::string PlanInputs(PlanSession& s);
// As PlanInputs without the settings, where the chart keeps its bar style.
std::string ChartInputs(PlanSession& s);
// Every column left of the first timeline column, and the calendar and resource sheets.
std::string TaskColumns(PlanSession& s);

// Sweeps the export on the plan `open` gives; a drawn plan costs a whole drawing to open,
// so those sweeps fail every call up to 200 and make at most 300 runs (500 and 700 otherwise).
void SweepSmallPlan(const char* name, std::unique_ptr<PlanSession> (*open)(), void (*run)(),
                    std::string (*untouched)(PlanSession&));

}  // namespace korvat::test
