#include "gantt/plan_workbook.h"

#include <cstdio>
#include <map>
#include <sstream>

namespace korvat::test {
namespace {

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string Number(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string Colour(int rgb) {  // packed red + green*256 + blue*65536 to #RRGGBB
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
  return text;
}

std::string AutoShape(const std::string& name, int id, int type, double width, double height, int fill,
                      int line = 0x000000, double weight = 0.75) {
  std::ostringstream s;
  s << "{\"name\": " << Quote(name) << ", \"id\": " << id << ", \"type\": \"autoshape\", \"autoShapeType\": " << type
    << ", \"left\": 10, \"top\": " << id * 20 << ", \"width\": " << Number(width)
    << ", \"height\": " << Number(height) << ", \"fill\": {\"foreColor\": \"" << Colour(fill)
    << "\"}, \"line\": {\"foreColor\": \"" << Colour(line) << "\", \"weight\": " << Number(weight) << "}}";
  return s.str();
}

std::string Join(const std::vector<std::string>& parts) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) out += (i ? ",\n" : "") + parts[i];
  return out;
}

std::string Cells(const std::map<std::string, std::string>& cells) {
  std::vector<std::string> parts;
  for (const auto& [address, value] : cells) parts.push_back(Quote(address) + ": " + value);
  return "{" + Join(parts) + "}";
}

// 2026-12-07 is serial 46363; other dates of the tests are counted from it.
double Serial(const PlanDay& d) {
  static const int cumulative[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  auto days = [](int y, int m, int dd) {
    long n = 365L * y + (y - 1) / 4 - (y - 1) / 100 + (y - 1) / 400 + cumulative[m - 1] + dd;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (leap && m > 2) ++n;
    return n;
  };
  return 46363.0 + static_cast<double>(days(d.year, d.month, d.day) - days(2026, 12, 7));
}

const char* kTaskColumns[] = {"B", "C", "D", "E", "F", "G", "H", "I", "J", "K"};

}  // namespace

double HoursMinutes(int hours, int minutes) { return (hours * 60.0 + minutes) / 1440.0; }

std::string PlanWorkbook::ToJson() const {
  // Settings sheet: each setting in column B of its own row, named workbook-wide.
  const std::vector<std::pair<std::string, std::string>> settings = {
      {"WSWBSSheetName", Quote("WBS")},       {"WSFirstCol", Quote("A")},
      {"WSLastCol", Quote("U")},              {"WSCalendarDateRow", "3"},
      {"WSCalendarFirstCol", Quote("W")},     {"WSFirstTaskRow", "5"},
      {"WSWBSNoCol", Quote("A")},             {"WSTaskNameCol", Quote("B")},
      {"WSTaskTypeCol", Quote("L")},          {"WSResourceCol", Quote("M")},
      {"WSPVByTaskCol", Quote("N")},          {"WSACByTaskCol", Quote("O")},
      {"WSPlannedStartDateCol", Quote("P")},  {"WSPlannedEndDateCol", Quote("Q")},
      {"WSActualStartDateCol", Quote("R")},   {"WSActualEndDateCol", Quote("S")},
      {"WSPercentCompleteCol", Quote("T")},   {"WSPredecessorsCol", Quote("U")},
      {"WSWBSNoBegin", "1"},                  {"WSWBSNoFormat", Quote(".")},
      {"WSTaskColorCompletedFlg", std::to_string(colorCompleted)},
      {"WSTaskColorUseFlg", std::to_string(colorUse)},
      {"WSTaskLinkerColorFlg", std::to_string(linkerColor)},
      {"CSFirstdayCol", Quote("E")},          {"CSLastdayCol", Quote("H")},
      {"CSHolidayCol", Quote("F")},           {"CSWorkdayCol", Quote("G")},
      {"CSMonth1stdayCol", Quote("H")},       {"CSWeekdayRow", "4"},
      {"CSLastTaskRow", "6"},                 {"CSCalendarUnit", std::to_string(calendarUnit)},
      {"GanntBarStyle", std::to_string(barStyle)},
  };
  std::map<std::string, std::string> settingCells;
  std::vector<std::string> names;
  int row = 10;
  for (const auto& [name, value] : settings) {
    settingCells["A" + std::to_string(row)] = Quote(name);
    settingCells["B" + std::to_string(row)] = value;
    names.push_back(Quote(name) + ": \"Settings!$B$" + std::to_string(row) + "\"");
    ++row;
  }
  settingCells["J1"] = Quote("Milestone");
  settingCells["K1"] = Quote("*");
  settingCells["J2"] = Quote("Gate");
  settingCells["K2"] = Quote("#");
  names.push_back("\"TaskType\": \"Settings!$J$1:$K$2\"");
  // Calendar template block E2:H6: hour lines come from the left edge of column F
  // (header rows 3-4 and body rows 5-6, each drawn down the whole column as a user
  // would), the window start line from H2's left edge, the last column's right edge
  // from H2.
  for (const char* cell : {"F3", "F4", "F5", "F6"})
    settingCells[cell] = "{\"v\": \"\", \"b\": {\"left\": {\"style\": 1, \"weight\": 2, \"color\": 16}}}";
  settingCells["H2"] =
      "{\"v\": \"\", \"b\": {\"left\": {\"style\": 1, \"weight\": 4, \"color\": 5}, \"right\": {\"style\": 1, "
      "\"weight\": 4, \"color\": 5}}}";
  settingCells["G3"] = "{\"v\": \"\", \"fill\": {\"color\": 36, \"pattern\": 1}}";

  std::vector<std::string> templates;
  int id = 1;
  if (withBarTemplate) templates.push_back(AutoShape("GanntBar", id++, 1, 40, kBarHeight, kBarColour));
  templates.push_back(AutoShape("GanntBar100%", id++, 1, 40, kBarHeight, kCompletedColour));
  if (withProgressTemplate) templates.push_back(AutoShape("GanntBar%", id++, 1, 40, kBarHeight, kProgressColour));
  templates.push_back(AutoShape("GanntBar1", id++, 1, 40, kBarHeight, kLevel1Colour));
  templates.push_back(AutoShape("GanntBar2", id++, 1, 40, kBarHeight, kLevel2Colour));
  templates.push_back(AutoShape("TaskConnector", id++, 1, 40, 2, 0xFFFFFF, kConnectorColour, 1.5));
  templates.push_back(AutoShape("ProgressLines", id++, 1, 40, 2, 0xFFFFFF, kLineColour, 2.25));
  templates.push_back(AutoShape("WSTaskColorStyleDelay", id++, 9, 6, 6, kDelayColour));
  templates.push_back(AutoShape("WSTaskColorStyleEnd", id++, 9, 6, 6, kEndColour));
  templates.push_back(AutoShape("WSTaskColorStyleStart", id++, 9, 6, 6, kStartColour));
  templates.push_back(AutoShape("WSDependsCheckError", id++, 1, 6, 6, 0xFFFFFF, 0x0000FF));

  // WBS sheet.
  std::map<std::string, std::string> wbsCells;
  wbsCells["B5"] = "{\"v\": \"\", \"font\": {\"name\": \"Arial\", \"size\": 9}}";
  int r = kFirstTaskRow;
  for (const PlanTask& t : tasks) {
    const std::string n = std::to_string(r);
    auto put = [&](const char* column, const std::string& value) { wbsCells[column + n] = value; };
    std::string nameCell = Quote(t.name);
    if (r == kFirstTaskRow && t.level == 1) nameCell = "{\"v\": " + Quote(t.name) + ", \"font\": {\"name\": \"Arial\", \"size\": 9}}";
    put(kTaskColumns[t.level - 1], nameCell);
    if (!t.type.empty()) put("L", Quote(t.type));
    if (!t.resource.empty()) put("M", Quote(t.resource));
    if (!t.pv.empty()) put("N", t.pv);
    if (t.plannedStart) put("P", Number(*t.plannedStart));
    if (t.plannedEnd) put("Q", Number(*t.plannedEnd));
    if (t.actualStart) put("R", Number(*t.actualStart));
    if (t.actualEnd) put("S", Number(*t.actualEnd));
    if (!t.percent.empty()) put("T", t.percent);
    const std::string border = "\"b\": {\"right\": {\"style\": 1}}";
    put("U", t.predecessors.empty() ? "{" + border + "}" : "{\"v\": " + Quote(t.predecessors) + ", " + border + "}");
    ++r;
  }

  std::map<std::string, std::string> calendarCells;
  int calendarRow = 3;
  for (const PlanDay& d : days) {
    const std::string n = std::to_string(calendarRow++);
    calendarCells["B" + n] = Number(Serial(d));
    calendarCells["C" + n] = Number(d.windowStart);
    calendarCells["D" + n] = Number(d.windowEnd);
  }

  std::map<std::string, std::string> resourceCells = {{"B4", Quote("R1")}, {"C4", Quote("Alice")},
                                                        {"B5", Quote("R2")}, {"C5", Quote("Bob")}};

  std::ostringstream out;
  out << "{\"format\": \"korvat-workbook\", \"version\": 1,\n\"names\": {" << Join(names) << "},\n\"sheets\": [\n"
      << "{\"name\": \"WBS\", \"codeName\": \"wsWBS\", \"cells\": " << Cells(wbsCells)
      << ", \"shapes\": [" << Join(extraWbsShapes) << "]},\n"
      << "{\"name\": \"Settings\", \"codeName\": \"wsSettings\", \"cells\": " << Cells(settingCells)
      << ", \"shapes\": [" << Join(templates) << "]},\n"
      << "{\"name\": \"Resources\", \"codeName\": \"wsResource\", \"cells\": " << Cells(resourceCells)
      << ", \"shapes\": [" << AutoShape("GanntBarByResR1", 1, 1, 40, kBarHeight, kResourceColour) << "]},\n"
      << "{\"name\": \"Calendar\", \"codeName\": \"wsCalendar\", \"cells\": " << Cells(calendarCells) << "}\n"
      << "]}\n";
  return out.str();
}

}  // namespace korvat::test
