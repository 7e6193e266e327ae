#include "frame/binding_check.h"

#include "automation/host_object.h"
#include "base/number_text.h"
#include "plan/setting_cell.h"

#include <string>
#include <vector>

namespace korvat {
namespace {

// Settings without which the table, the schedule or the timeline cannot be read;
// the flags and the optional columns read as 0 or empty when absent, as intended.
constexpr const char* kRequiredSettings[] = {
    "WSFirstCol",          "WSLastCol",           "WSCalendarDateRow",    "WSCalendarFirstCol",
    "WSFirstTaskRow",      "WSWBSNoCol",          "WSTaskNameCol",        "WSTaskTypeCol",
    "WSResourceCol",       "WSPVByTaskCol",       "WSACByTaskCol",        "WSPlannedStartDateCol",
    "WSPlannedEndDateCol", "WSActualStartDateCol", "WSActualEndDateCol",  "WSPercentCompleteCol",
    "WSPredecessorsCol",   "WSWBSNoBegin",        "WSWBSNoFormat",        "CSFirstdayCol",
    "CSLastdayCol",        "CSHolidayCol",        "CSWorkdayCol",         "CSMonth1stdayCol",
    "CSWeekdayRow",        "CSLastTaskRow",       "CSCalendarUnit",       "GanntBarStyle"};

constexpr std::size_t kNamesListed = 6;

struct SheetRole {
  const char* codeName;
  const char* role;
};

std::string JoinQuoted(const std::vector<std::string>& names) {
  std::string text;
  const std::size_t listed = names.size() < kNamesListed ? names.size() : kNamesListed;
  for (std::size_t i = 0; i < listed; ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += "\"" + names[i] + "\"";
  }
  if (names.size() > listed)
    text += " and " + FormatInteger(static_cast<std::int64_t>(names.size() - listed)) + " more";
  return text;
}

void TellMissingSheets(const BoundPlan& plan) {
  const bool calendarFound = !FindWorksheetByCodeName(plan.workbook, "wsCalendar").IsEmpty();
  const std::pair<SheetRole, bool> sheets[] = {{{"wsWBS", "the task table"}, plan.wbsSheet != nullptr},
                                               {{"wsSettings", "the settings"}, plan.settingsSheet != nullptr},
                                               {{"wsResource", "the resources"}, plan.resourceSheet != nullptr},
                                               {{"wsCalendar", "the calendar days"}, calendarFound}};
  std::vector<std::string> missing;
  for (const auto& [sheet, found] : sheets)
    if (!found) missing.push_back(std::string(sheet.codeName) + " (" + sheet.role + ")");
  if (missing.empty()) return;
  std::string list;
  for (std::size_t i = 0; i < missing.size(); ++i) list += (i == 0 ? "" : i + 1 == missing.size() ? " or " : ", ") + missing[i];
  plan.notices.Tell(kMissingSheetCause, "This workbook has no worksheet with the code name " + list +
                                            ". Korvat finds the plan's sheets by their code names: set the "
                                            "code name in the sheet's properties. Until then that part of the "
                                            "plan is not read.");
}

void TellMissingSettings(const BoundPlan& plan) {
  if (plan.settingsSheet == nullptr) return;  // the missing sheet has been told
  std::vector<std::string> missing;
  for (const char* name : kRequiredSettings)
    if (!HasSetting(plan.settingsSheet, name)) missing.push_back(name);
  if (missing.empty()) return;
  plan.notices.Tell("missing setting",
                    "The settings sheet (code name wsSettings) defines no setting " + JoinQuoted(missing) +
                        ". Each setting is a workbook name for its cell on that sheet; until it is defined it "
                        "reads as empty.");
}

}  // namespace

std::span<const char* const> RequiredSettingNames() { return kRequiredSettings; }

void TellBindingMistakes(const BoundPlan& plan) {
  TellMissingSheets(plan);
  TellMissingSettings(plan);
}

}  // namespace korvat
