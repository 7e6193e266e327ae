#include "gantt/template_loader.h"

#include "automation/host_object.h"
#include "automation/message_box.h"
#include "frame/addin_state.h"
#include "base/number_text.h"
#include "frame/setting_cell.h"

namespace korvat {

void LoadGanttTemplates() {
  AddinState& s = State();
  if (!s.ganttTemplates || !s.wbsSettings) return;
  GanttTemplates& t = *s.ganttTemplates;
  IDispatch* settings = s.settingsSheet.Get();
  t.completedBarTemplate = ShapeByName(settings, "GanntBar100%");
  t.progressBarTemplate = ShapeByName(settings, "GanntBar%");
  t.barTemplate = ShapeByName(settings, "GanntBar");
  t.connectorTemplate = ShapeByName(settings, "TaskConnector");
  t.progressLineTemplate = ShapeByName(settings, "ProgressLines");
  t.GanntBarStyle = ParseLeadingInteger(ReadSettingText("GanntBarStyle"));

  const WbsSettings& w = *s.wbsSettings;
  AutomationObject cell = CellAt(s.wbsSheet.Get(), static_cast<std::uint32_t>(w.firstTaskRow),
                                 static_cast<std::uint32_t>(w.taskNameColNo));
  GetWideText(cell.Get(), "Font.Name", t.labelFontName);
  t.labelFontSize = static_cast<float>(Val(GetText(cell.Get(), "Font.Size")));
}

std::string BarPrefix() {
  const auto& t = State().ganttTemplates;
  return t && t->barTemplate ? GetName(t->barTemplate.Get()) : std::string();
}

std::string ConnectorPrefix() {
  const auto& t = State().ganttTemplates;
  return t && t->connectorTemplate ? GetName(t->connectorTemplate.Get()) : std::string();
}

bool BarTemplateUsable() {
  if (!BarPrefix().empty()) return true;
  ShowMessageBox(nullptr,
                 KV_W("The template shape 'GanntBar' is missing from the settings sheet, so the Gantt chart "
                      "cannot be drawn. Add the shape to the settings sheet and draw again."),
                 KV_W("Korvatplan"), 48);
  return false;
}

std::int64_t OutlineStyle() {
  const auto& t = State().ganttTemplates;
  if (!t) return 0;
  return t->GanntBarStyle >= 1 && t->GanntBarStyle <= 6 ? t->GanntBarStyle : 0;
}

}  // namespace korvat
