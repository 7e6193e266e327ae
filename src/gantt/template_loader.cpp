#include "gantt/template_loader.h"

#include "automation/export_memo.h"
#include "automation/host_object.h"
#include "automation/message_box.h"
#include "base/number_text.h"
#include "plan/setting_cell.h"

namespace korvat {

void LoadGanttTemplates(BoundPlan& plan) {
  GanttTemplates& t = plan.ganttTemplates;
  IDispatch* settings = plan.settingsSheet;
  t.completedBarTemplate = ShapeByName(settings, "GanntBar100%");
  t.progressBarTemplate = ShapeByName(settings, "GanntBar%");
  t.barTemplate = ShapeByName(settings, "GanntBar");
  t.connectorTemplate = ShapeByName(settings, "TaskConnector");
  t.progressLineTemplate = ShapeByName(settings, "ProgressLines");
  t.GanntBarStyle = ParseLeadingInteger(ReadSettingText(settings, "GanntBarStyle"));

  const WbsSettings& w = plan.wbsSettings;
  AutomationObject cell = CellAt(plan.wbsSheet, static_cast<std::uint32_t>(w.firstTaskRow),
                                 static_cast<std::uint32_t>(w.taskNameColNo));
  GetWideText(cell.Get(), "Font.Name", t.labelFontName);
  t.labelFontSize = static_cast<float>(Val(GetText(cell.Get(), "Font.Size")));
}

std::string BarPrefix(const GanttTemplates& templates) {
  return templates.barTemplate ? KeptName(templates.barTemplate.Get()) : std::string();
}

std::string ConnectorPrefix(const GanttTemplates& templates) {
  return templates.connectorTemplate ? KeptName(templates.connectorTemplate.Get()) : std::string();
}

bool BarTemplateUsable(const GanttTemplates& templates) {
  if (!BarPrefix(templates).empty()) return true;
  ShowMessageBox(nullptr,
                 KV_W("The template shape 'GanntBar' is missing from the settings sheet, so the Gantt chart "
                      "cannot be drawn. Add the shape to the settings sheet and draw again."),
                 KV_W("Korvatplan"), 48);
  return false;
}

std::int64_t OutlineStyle(const GanttTemplates& templates) {
  const std::int64_t style = templates.GanntBarStyle;
  return style >= 1 && style <= 6 ? style : 0;
}

}  // namespace korvat
