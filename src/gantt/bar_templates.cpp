#include "gantt/bar_templates.h"

#include "automation/export_memo.h"
#include "automation/host_object.h"
#include "base/number_text.h"
#include "gantt/template_loader.h"
#include "wbs/resource_list.h"
#include "wbs/task_status.h"

#include <cmath>

namespace korvat {

namespace {
constexpr std::string_view kResourceTemplate = "GanntBarByRes";
}

std::string BarTemplateNameFor(const BoundPlan& plan, TaskRecord& task) {
  const GanttTemplates& templates = plan.ganttTemplates;
  if (IsComplete(task)) return KeptName(templates.completedBarTemplate.Get());
  if (task.isLeaf != 0) {
    if (const ResourceRecord* resource = FindResource(plan.resources, task.resource.View()))
      return std::string(kResourceTemplate) + resource->code;
    return BarPrefix(templates);
  }
  return BarPrefix(templates) + FormatInteger(task.level);
}

AutomationObject BarTemplateFor(const BoundPlan& plan, TaskRecord& task) {
  const std::string name = BarTemplateNameFor(plan, task);
  const bool byResource = name.find(kResourceTemplate) != std::string::npos;
  IDispatch* sheet = byResource ? plan.resourceSheet : plan.settingsSheet;
  AutomationObject found = name.empty() ? AutomationObject() : KeptShape(sheet, name);
  if (found) return found;
  return plan.ganttTemplates.barTemplate.Borrowed();
}

WideText TaskTypeSymbol(IDispatch* settingsSheet, WideView taskType) {
  AutomationObject table = RangeAt(settingsSheet, "TaskType");
  if (!table) return {};
  const std::int64_t rows = static_cast<std::int64_t>(std::nearbyint(GetNumber(table.Get(), "Rows.Count")));
  for (std::int64_t i = 1; i <= rows; ++i) {
    WideString key;
    GetWideText(CellsItem(table.Get(), 2 * i - 1).Get(), "Value", key);
    if (key.View() != taskType) continue;
    WideString symbol;
    GetWideText(CellsItem(table.Get(), 2 * i).Get(), "Value", symbol);
    return WideText(symbol.View());
  }
  return {};
}

}  // namespace korvat
