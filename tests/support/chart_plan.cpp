#include "support/chart_plan.h"

#include "platform/civil_date.h"

namespace korvat::test {
namespace {

double DateOf(const PlanDay& d) {
  return static_cast<double>(platform::DaysFromCivil(d.year, d.month, 1) + (d.day - 1) + platform::kDateOf1970);
}

// The row's date cells as the description gives them: a time of 00:00 is a cell
// holding 0, which the builder would leave empty.
void WriteMidnights(Worksheet& wbs, int row, const PlanTask& t) {
  const std::optional<double> dates[] = {t.plannedStart, t.plannedEnd, t.actualStart, t.actualEnd};
  for (int i = 0; i < 4; ++i)
    if (dates[i] && *dates[i] == 0) wbs.SetValue(row, 16 + i, CellValue::Number(0));
}

}  // namespace

std::unique_ptr<Workbook> ChartPlan::Build() const {
  PlanWorkbook plan(PlanLayout::Chart());
  plan.Setting("CSCalendarUnit", std::to_string(calendarUnit))
      .Setting("GanntBarStyle", std::to_string(barStyle))
      .Setting("WSTaskColorCompletedFlg", std::to_string(colorCompleted))
      .Setting("WSTaskColorUseFlg", std::to_string(colorUse))
      .Setting("WSTaskLinkerColorFlg", std::to_string(linkerColor));
  if (!withBarTemplate) plan.RemoveTemplate("GanntBar");
  if (!withProgressTemplate) plan.RemoveTemplate("GanntBar%");
  plan.Resource("R1", "Alice").Resource("R2", "Bob").ResourceTemplate("R1");
  plan.LabelFont("Arial", 9);
  for (const PlanDay& d : days) plan.Day(DateOf(d), d.windowStart, d.windowEnd);
  for (const PlanTask& t : tasks) {
    const int row = plan.Task({.level = t.level,
                               .name = t.name,
                               .resource = t.resource,
                               .pv = t.pv,
                               .plannedStart = t.plannedStart.value_or(0),
                               .plannedEnd = t.plannedEnd.value_or(0),
                               .actualStart = t.actualStart.value_or(0),
                               .actualEnd = t.actualEnd.value_or(0),
                               .percent = t.percent,
                               .predecessors = t.predecessors,
                               .type = t.type});
    WriteMidnights(plan.Wbs(), row, t);
  }
  for (const UserShape& s : extraWbsShapes) plan.WbsShape(s.name, s.left, s.top, s.width, s.height);
  return plan.Take();
}

}  // namespace korvat::test
