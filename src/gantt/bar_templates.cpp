#include "gantt/bar_templates.h"

#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/number_text.h"
#include "gantt/template_loader.h"
#include "wbs/resource_list.h"
#include "wbs/task_record.h"
#include "wbs/task_status.h"

#include <cmath>

namespace korvat {

namespace {
constexpr std::string_view kResourceTemplate = "GanntBarByRes";
}

std::string BarTemplateNameFor(TaskRecord& task) {
  if (IsComplete(task)) return GetName(State().ganttTemplates->completedBarTemplate.Get());
  if (task.isLeaf != 0) {
    if (const ResourceRecord* resource = FindResource(task.resource.View()))
      return std::string(kResourceTemplate) + resource->code;
    return BarPrefix();
  }
  return BarPrefix() + FormatInteger(task.level);
}

AutomationObject BarTemplateFor(TaskRecord& task) {
  const std::string name = BarTemplateNameFor(task);
  const bool byResource = name.find(kResourceTemplate) != std::string::npos;
  IDispatch* sheet = byResource ? State().resourceSheet.Get() : State().settingsSheet.Get();
  AutomationObject found = name.empty() ? AutomationObject() : ShapeByName(sheet, name);
  if (found) return found;
  return State().ganttTemplates->barTemplate.Borrowed();
}

WideText TaskTypeSymbol(WideView taskType) {
  AutomationObject table = RangeAt(State().settingsSheet.Get(), "TaskType");
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
