#include "editing/table_refresh.h"

#include "gantt/gantt_chart.h"
#include "gantt/row_finishing.h"
#include "wbs/resource_list.h"
#include "wbs/task_reading.h"
#include "wbs/task_scheduling.h"

namespace korvat {

void RescheduleAndRedraw(BoundPlan& plan, std::int64_t fromRow) {
  LoadResources(plan);
  ReadTasks(plan);
  ScheduleTasks(plan, FinishRefreshedTaskRow);
  RedrawFromRow(plan, fromRow);
}

}  // namespace korvat
