#include "editing/editing_plan.h"

#include "host/file/workbook_file.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace korvat::test {

PlanWorkbook OutlinePlan(const std::vector<OutlineTask>& tasks, bool autoUpdate) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Resource("R1", "Anna");
  plan.Setting("WSAutoUpdateMode", autoUpdate ? "1" : "0");
  for (std::size_t i = 0; i < tasks.size(); ++i) {
    const bool leaf = i + 1 == tasks.size() || tasks[i + 1].level <= tasks[i].level;
    TaskRow row{tasks[i].level, tasks[i].name};
    if (leaf) {
      const int minutes = 8 * 60 + 30 * static_cast<int>(i);
      row.resource = "Anna";
      row.pv = "30";
      row.plannedStart = Clock(minutes / 60, minutes % 60);
      row.plannedEnd = Clock((minutes + 30) / 60, (minutes + 30) % 60);
    }
    plan.Task(row);
  }
  return plan;
}

std::unique_ptr<PlanSession> OpenUpdated(PlanWorkbook& plan) {
  auto s = std::make_unique<PlanSession>(plan.Take(), kDay1 + Clock(7, 0));
  kvUpdateWBS();
  return s;
}

std::string SavedText(PlanSession& s) { return host::file::WorkbookToText(s.Host().Model()); }

void Select(PlanSession& s, const std::string& address) {
  std::string error;
  ASSERT_TRUE(s.Host().SelectRange("wsWBS", address, &error)) << error;
}

void Type(PlanSession& s, const std::string& cell, const std::string& text) {
  std::string error;
  ASSERT_TRUE(s.Host().TypeIntoCell("wsWBS", cell, text, &error)) << error;
}

void ForwardEvents(PlanSession& s) {
  s.Host().SetEventHandlers(kvWBSEventOnChange, kvWBSEventOnSelectionChange);
  s.Host().EnableEvents(true);
}

std::vector<std::string> ShapesNamed(PlanSession& s, const std::string& prefix) {
  std::vector<std::string> names;
  for (const auto& shape : s.Wbs().Shapes().InZOrder())
    if (shape->name.rfind(prefix, 0) == 0) names.push_back(shape->name);
  return names;
}

std::string NameAt(PlanSession& s, int row) {
  for (int c = kNameCol; c < kNameCol + 10; ++c)
    if (!s.Text(row, c).empty()) return s.Text(row, c);
  return "";
}

int LevelAt(PlanSession& s, int row) {
  for (int c = kNameCol; c < kNameCol + 10; ++c)
    if (!s.Text(row, c).empty()) return c - kNameCol + 1;
  return 0;
}

}  // namespace korvat::test
