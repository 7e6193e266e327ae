#include "scenarios/plan_workbook.h"

#include "host/model/cell_style.h"
#include "host/model/worksheet.h"

namespace korvat::test {
namespace {

constexpr int kLastColumn = 23;  // W

const char* const kSettings[][2] = {
    {"WSWBSSheetName", "WBS"},       {"WSFirstCol", "A"},          {"WSLastCol", "W"},
    {"WSProjectStartDateCell", "P1"}, {"WSProjectEndDateCell", "Q1"}, {"WSCalendarDateRow", "3"},
    {"WSCalendarFirstCol", "Y"},     {"WSFirstTaskRow", "6"},      {"WSWBSNoCol", "A"},
    {"WSTaskNameCol", "B"},          {"WSTaskTypeCol", "L"},       {"WSResourceCol", "M"},
    {"WSPVByTaskCol", "N"},          {"WSPlannedStartDateCol", "P"}, {"WSPlannedEndDateCol", "Q"},
    {"WSACByTaskCol", "O"},          {"WSActualStartDateCol", "R"}, {"WSActualEndDateCol", "S"},
    {"WSPercentCompleteCol", "T"},   {"WSPredecessorsCol", "U"},   {"WSWBSNoBegin", "1"},
    {"WSWBSNoFormat", "."},          {"WSTaskColorCompletedFlg", "1"}, {"WSTaskColorUseFlg", "1"},
    {"WSFilterOptionShowDependence", "0"}, {"WSFilterOptionShowSummary", "0"}, {"WSAutoUpdateMode", "0"},
    {"WSTaskLinkerColorFlg", "0"},   {"CSFirstdayCol", "H"},       {"CSLastdayCol", "K"},
    {"CSHolidayCol", "I"},           {"CSWorkdayCol", "J"},        {"CSMonth1stdayCol", "H"},
    {"CSHolidayCancelCol", "L"},     {"CSBodyRange", "H23:K30"},   {"CSWeekdayRow", "22"},
    {"CSLastTaskRow", "30"},         {"CSCalendarUnit", "60"},     {"CSUseCalendarDlg", "0"},
    {"CSCalendarDlgDispFlg", "0"},   {"GanntBarStyle", "0"},
};

}  // namespace

PlanWorkbook::PlanWorkbook() : book_(std::make_unique<Workbook>()) {
  wbs_ = book_->AddWorksheet("WBS");
  wbs_->codeName = "wsWBS";
  settings_ = book_->AddWorksheet("Settings");
  settings_->codeName = "wsSettings";
  calendar_ = book_->AddWorksheet("Calendar");
  calendar_->codeName = "wsCalendar";
  resources_ = book_->AddWorksheet("Resources");
  resources_->codeName = "wsResource";
  for (const auto& setting : kSettings) Setting(setting[0], setting[1]);
}

void PlanWorkbook::Put(Worksheet& sheet, int row, int col, const std::string& text) {
  if (!text.empty()) sheet.SetCellFromText(row, col, text);
}

PlanWorkbook& PlanWorkbook::Setting(const std::string& name, const std::string& value) {
  const auto known = settingRows_.find(name);
  const int row = known != settingRows_.end() ? known->second : nextSettingRow_++;
  settingRows_[name] = row;
  settings_->SetValue(row, 1, CellValue::Text(name));
  settings_->SetCellFromText(row, 2, value);
  book_->Names().Set(name, "Settings!$B$" + std::to_string(row));
  return *this;
}

PlanWorkbook& PlanWorkbook::RemoveSetting(const std::string& name) {
  book_->Names().Remove(name);
  return *this;
}

PlanWorkbook& PlanWorkbook::Day(double date, double windowStart, double windowEnd) {
  const int row = nextDayRow_++;
  calendar_->SetValue(row, 2, CellValue::Number(date));
  calendar_->SetValue(row, 3, CellValue::Number(windowStart));
  calendar_->SetValue(row, 4, CellValue::Number(windowEnd));
  return *this;
}

PlanWorkbook& PlanWorkbook::Resource(const std::string& code, const std::string& name, double releaseDate) {
  const int row = nextResourceRow_++;
  resources_->SetValue(row, 2, CellValue::Text(code));
  resources_->SetValue(row, 3, CellValue::Text(name));
  if (releaseDate != 0) resources_->SetValue(row, 4, CellValue::Number(releaseDate));
  return *this;
}

int PlanWorkbook::Task(const TaskRow& t) {
  const int row = nextTaskRow_++;
  wbs_->SetValue(row, 1 + t.level, CellValue::Text(t.name));
  Put(*wbs_, row, 12, t.type);
  Put(*wbs_, row, 13, t.resource);
  Put(*wbs_, row, 14, t.pv);
  const double dates[] = {t.plannedStart, t.plannedEnd, t.actualStart, t.actualEnd};
  for (int i = 0; i < 4; ++i)
    if (dates[i] != 0) wbs_->SetValue(row, 16 + i, CellValue::Number(dates[i]));
  Put(*wbs_, row, 20, t.percent);
  if (!t.predecessors.empty()) wbs_->SetValue(row, 21, CellValue::Text(t.predecessors));
  wbs_->MutableStyle(row, kLastColumn)->border(host::Edge::Right).lineStyle = 1;
  return row;
}

std::unique_ptr<Workbook> PlanWorkbook::Take() { return std::move(book_); }

}  // namespace korvat::test
