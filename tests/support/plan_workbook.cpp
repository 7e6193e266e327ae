#include "support/plan_workbook.h"

#include "host/model/cell_style.h"
#include "host/model/shape.h"

#include <algorithm>

namespace korvat::test {
namespace {

int ColumnOf(const std::string& letters) {
  int n = 0;
  for (char c : letters) n = n * 26 + (c - 'A' + 1);
  return n;
}

std::string LettersOf(int column) {
  std::string letters;
  for (; column > 0; column = (column - 1) / 26) letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
  return letters;
}

constexpr int kNameColumn = 2;  // B: level 1; C: level 2; ...

// The settings every plan carries; the layout fills in where its parts lie.
std::vector<std::pair<std::string, std::string>> SettingsOf(const PlanLayout& l, int firstTaskRow) {
  const std::string lastCol = LettersOf(l.lastColumn);
  // The chart tests know the row of "CSCalendarUnit" in this order.
  return {
      {"WSWBSSheetName", "WBS"},
      {"WSFirstCol", "A"},
      {"WSLastCol", lastCol},
      {"WSCalendarDateRow", "3"},
      {"WSCalendarFirstCol", l.timelineFirstCol},
      {"WSFirstTaskRow", std::to_string(firstTaskRow)},
      {"WSWBSNoCol", "A"},
      {"WSTaskNameCol", "B"},
      {"WSTaskTypeCol", "L"},
      {"WSResourceCol", "M"},
      {"WSPVByTaskCol", "N"},
      {"WSACByTaskCol", "O"},
      {"WSPlannedStartDateCol", "P"},
      {"WSPlannedEndDateCol", "Q"},
      {"WSActualStartDateCol", "R"},
      {"WSActualEndDateCol", "S"},
      {"WSPercentCompleteCol", "T"},
      {"WSPredecessorsCol", "U"},
      {"WSWBSNoBegin", "1"},
      {"WSWBSNoFormat", "."},
      {"WSTaskColorCompletedFlg", "1"},
      {"WSTaskColorUseFlg", "1"},
      {"WSTaskLinkerColorFlg", "0"},
      {"CSFirstdayCol", l.templateFirstCol},
      {"CSLastdayCol", l.templateLastCol},
      {"CSHolidayCol", l.holidayCol},
      {"CSWorkdayCol", l.workdayCol},
      {"CSMonth1stdayCol", l.month1stdayCol},
      {"CSWeekdayRow", std::to_string(l.weekdayRow)},
      {"CSLastTaskRow", std::to_string(l.lastTemplateRow)},
      {"CSCalendarUnit", "60"},
      {"GanntBarStyle", "0"},
      {"WSProjectStartDateCell", "P1"},
      {"WSProjectEndDateCell", "Q1"},
      {"WSFilterOptionShowDependence", "0"},
      {"WSFilterOptionShowSummary", "0"},
      {"WSAutoUpdateMode", "0"},
      {"CSHolidayCancelCol", "L"},
      {"CSBodyRange", l.templateFirstCol + std::to_string(l.weekdayRow + 1) + ":" + l.templateLastCol +
                          std::to_string(l.lastTemplateRow)},
      {"CSUseCalendarDlg", "0"},
      {"CSCalendarDlgDispFlg", "0"},
  };
}

void AddAutoShape(Worksheet& sheet, const std::string& name, int autoShapeType, double width, double height,
                  int fill, int line = 0x000000, double weight = 0.75) {
  host::Shape shape = host::DefaultShapeOf(host::ShapeType::AutoShape);
  shape.name = name;
  shape.autoShapeType = autoShapeType;
  shape.left = 10;
  shape.top = 20.0 * static_cast<double>(sheet.Shapes().Count() + 1);
  shape.width = width;
  shape.height = height;
  shape.fill.foreColor = fill;
  shape.line.foreColor = line;
  shape.line.weight = weight;
  sheet.Shapes().Insert(std::move(shape));
}

}  // namespace

PlanLayout PlanLayout::Table() { return PlanLayout{}; }

PlanLayout PlanLayout::Chart() {
  PlanLayout l;
  l.firstTaskRow = 5;
  l.lastColumn = 21;  // U, the predecessors column
  l.timelineFirstCol = "W";
  l.firstSettingRow = 10;
  l.templateFirstCol = "E";
  l.templateLastCol = "H";
  l.holidayCol = "F";
  l.workdayCol = "G";
  l.month1stdayCol = "H";
  l.weekdayRow = 4;
  l.lastTemplateRow = 6;
  return l;
}

PlanWorkbook::PlanWorkbook(const PlanLayout& layout)
    : layout_(layout),
      book_(std::make_unique<Workbook>()),
      nextTaskRow_(layout.firstTaskRow),
      nextSettingRow_(layout.firstSettingRow) {
  wbs_ = book_->AddWorksheet("WBS");
  wbs_->codeName = "wsWBS";
  settings_ = book_->AddWorksheet("Settings");
  settings_->codeName = "wsSettings";
  calendar_ = book_->AddWorksheet("Calendar");
  calendar_->codeName = "wsCalendar";
  resources_ = book_->AddWorksheet("Resources");
  resources_->codeName = "wsResource";
  for (const auto& [name, value] : SettingsOf(layout_, layout_.firstTaskRow)) Setting(name, value);
  settings_->SetValue(1, 10, CellValue::Text("Milestone"));
  settings_->SetValue(1, 11, CellValue::Text("*"));
  settings_->SetValue(2, 10, CellValue::Text("Gate"));
  settings_->SetValue(2, 11, CellValue::Text("#"));
  book_->Names().Set("TaskType", "Settings!$J$1:$K$2");
  AddCalendarTemplateBlock();
  AddTemplates();
}

// Hour lines come from the left edge of the holiday column (header and body rows,
// drawn down the whole column as a user would), the window start line from the
// top row's left edge of the month-start column, the last column's right edge
// from the top row of the block's last column, and the middle header row takes
// the workday column's fill.
void PlanWorkbook::AddCalendarTemplateBlock() {
  const PlanLayout& l = layout_;
  const int top = l.weekdayRow - 2, middle = l.weekdayRow - 1;
  for (int row = middle; row <= l.lastTemplateRow; ++row) {
    host::Border& edge = settings_->MutableStyle(row, ColumnOf(l.holidayCol))->border(host::Edge::Left);
    edge.lineStyle = 1;
    edge.weight = 2;
    edge.colorIndex = 16;
  }
  host::Border& start = settings_->MutableStyle(top, ColumnOf(l.month1stdayCol))->border(host::Edge::Left);
  start.lineStyle = 1;
  start.weight = 4;
  start.colorIndex = 5;
  host::Border& end = settings_->MutableStyle(top, ColumnOf(l.templateLastCol))->border(host::Edge::Right);
  end.lineStyle = 1;
  end.weight = 4;
  end.colorIndex = 5;
  host::Interior& fill = settings_->MutableStyle(middle, ColumnOf(l.workdayCol))->interior;
  fill.colorIndex = 36;
  fill.pattern = 1;
}

void PlanWorkbook::AddTemplates() {
  Worksheet& s = *settings_;
  AddAutoShape(s, "GanntBar", 1, 40, kBarHeight, kBarColour);
  AddAutoShape(s, "GanntBar100%", 1, 40, kBarHeight, kCompletedColour);
  AddAutoShape(s, "GanntBar%", 1, 40, kBarHeight, kProgressColour);
  AddAutoShape(s, "GanntBar1", 1, 40, kBarHeight, kLevel1Colour);
  AddAutoShape(s, "GanntBar2", 1, 40, kBarHeight, kLevel2Colour);
  AddAutoShape(s, "TaskConnector", 1, 40, 2, 0xFFFFFF, kConnectorColour, 1.5);
  AddAutoShape(s, "ProgressLines", 1, 40, 2, 0xFFFFFF, kLineColour, 2.25);
  AddAutoShape(s, "WSTaskColorStyleDelay", 9, 6, 6, kDelayColour);
  AddAutoShape(s, "WSTaskColorStyleEnd", 9, 6, 6, kEndColour);
  AddAutoShape(s, "WSTaskColorStyleStart", 9, 6, 6, kStartColour);
  AddAutoShape(s, "WSDependsCheckError", 1, 6, 6, 0xFFFFFF, 0x0000FF);
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

PlanWorkbook& PlanWorkbook::RemoveTemplate(const std::string& name) {
  if (host::Shape* shape = settings_->Shapes().Find(name)) settings_->Shapes().Delete(shape->id);
  return *this;
}

PlanWorkbook& PlanWorkbook::WbsShape(const std::string& name, double left, double top, double width,
                                     double height) {
  host::Shape shape = host::DefaultShapeOf(host::ShapeType::AutoShape);
  shape.name = name;
  shape.left = left;
  shape.top = top;
  shape.width = width;
  shape.height = height;
  wbs_->Shapes().Insert(std::move(shape));
  return *this;
}

PlanWorkbook& PlanWorkbook::LabelFont(const std::string& name, double size) {
  host::Font& font = wbs_->MutableStyle(layout_.firstTaskRow, kNameColumn)->font;
  font.name = name;
  font.size = size;
  return *this;
}

PlanWorkbook& PlanWorkbook::Caption(const std::string& key, const std::string& caption) {
  if (!dictionary_) {
    dictionary_ = book_->AddWorksheet("Dictionary");
    dictionary_->codeName = "wsDictionary";
    dictionary_->SetValue(2, 2, CellValue::Text("Key"));
    dictionary_->SetValue(2, 3, CellValue::Text("Caption"));
  }
  const int row = nextCaptionRow_++;
  dictionary_->SetValue(row, 2, CellValue::Text(key));
  if (!caption.empty()) dictionary_->SetValue(row, 3, CellValue::Text(caption));
  return *this;
}

PlanWorkbook& PlanWorkbook::ReportCaptions() {
  const std::pair<const char*, const char*> captions[] = {
      {"BAC", "Budget"}, {"PV", "Planned value"}, {"EV", "Earned value"}, {"AC", "Actual cost"},
      {"SV", "Schedule variance"}, {"CV", "Cost variance"}, {"SPI", "SPI"}, {"CPI", "CPI"},
      {"EAC", "Estimate at completion"}, {"ETC", "Estimate to complete"}, {"ENDDATEORG", "Planned end"},
      {"ENDDATECHGTO", "Projected end"}, {"EVMRPT", "EVM report \\*"}, {"WLRPT", "Workload report"}};
  for (const auto& [key, caption] : captions) Caption(key, caption);
  return *this;
}

PlanWorkbook& PlanWorkbook::LoadColumns() {
  Setting("WSLoadBlockCol", "V");
  Setting("WSDayCountCol", "W");
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

PlanWorkbook& PlanWorkbook::ResourceTemplate(const std::string& code, int fillColour) {
  AddAutoShape(*resources_, "GanntBarByRes" + code, 1, 40, kBarHeight, fillColour);
  return *this;
}

int PlanWorkbook::Task(const TaskRow& t) {
  const int row = nextTaskRow_++;
  wbs_->SetValue(row, kNameColumn - 1 + t.level, CellValue::Text(t.name));
  Put(*wbs_, row, 12, t.type);
  Put(*wbs_, row, 13, t.resource);
  Put(*wbs_, row, 14, t.pv);
  const double dates[] = {t.plannedStart, t.plannedEnd, t.actualStart, t.actualEnd};
  for (int i = 0; i < 4; ++i)
    if (dates[i] != 0) wbs_->SetValue(row, 16 + i, CellValue::Number(dates[i]));
  Put(*wbs_, row, 15, t.ac);
  Put(*wbs_, row, 20, t.percent);
  Put(*wbs_, row, 22, t.load);
  Put(*wbs_, row, 23, t.days);
  if (!t.predecessors.empty()) wbs_->SetValue(row, 21, CellValue::Text(t.predecessors));
  wbs_->MutableStyle(row, layout_.lastColumn)->border(host::Edge::Right).lineStyle = 1;
  return row;
}

std::unique_ptr<Workbook> PlanWorkbook::Take() { return std::move(book_); }

std::unique_ptr<Workbook> GeneratePlan(const GeneratedPlan& generated) {
  PlanWorkbook plan(PlanLayout::Chart());
  plan.Setting("CSCalendarUnit", std::to_string(generated.calendarUnit));
  plan.Resource("R1", "Alice").Resource("R2", "Bob").ResourceTemplate("R1");
  plan.LabelFont("Arial", 9);
  const char* resources[] = {"Alice", "Bob"};
  const int days = generated.days > 0 ? generated.days : std::max(1, generated.tasks / 100);
  const int leavesPerDay = generated.tasks / days - 1;
  for (int d = 0; d < days; ++d) plan.Day(46363.0 + d, Clock(8, 0), Clock(18, 0));
  for (int d = 0; d < days; ++d) {
    plan.Task({.level = 1, .name = "Day " + std::to_string(d + 1)});
    for (int i = 1; i <= leavesPerDay; ++i) {
      TaskRow leaf{.level = 2, .name = "Task " + std::to_string(i), .resource = resources[i % 2], .pv = "5"};
      if (i > 1) leaf.predecessors = std::to_string(d + 1) + "." + std::to_string(i - 1);
      if (i % 7 == 0) leaf.percent = "40";  // some work under way
      plan.Task(leaf);
    }
  }
  return plan.Take();
}

}  // namespace korvat::test
