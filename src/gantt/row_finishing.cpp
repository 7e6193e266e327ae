#include "gantt/row_finishing.h"

#include "automation/call_phase.h"
#include "gantt/status_colouring.h"
#include "wbs/predecessor_links.h"
#include "wbs/rollup_formulas.h"
#include "wbs/task_reading.h"
#include "wbs/task_scheduling.h"
#include "wbs/wbs_cells.h"

namespace korvat {

void FinishTaskRow(BoundPlan& plan, TaskRecord& task) {
  const CallPhase phase("row finishing");
  RefreshTask(plan, task);
  FinishRefreshedTaskRow(plan, task);
}

void FinishRefreshedTaskRow(BoundPlan& plan, TaskRecord& task) {
  const CallPhase phase("row finishing");
  WriteWbsCell(plan, task.row, plan.wbsSettings.wbsNoColNo, task.wbsNumber);
  if (task.isLeaf == 1) ClearLeafFormulas(plan, task);
  WriteDurations(plan, task);
  CheckLinks(plan, task);
  ColourTaskRow(plan, task);
  if (task.level == 1 && task.isLeaf == 0) WriteRollups(plan, task);
}

}  // namespace korvat
