#pragma once
// The CS* settings of the settings sheet: where the calendar's format template
// block lies and how many minutes one timeline column stands for.

#include <cstdint>
#include <string>

namespace korvat {

struct CalendarSettings {
  std::string CSFirstdayCol;
  std::string CSLastdayCol;
  std::string CSHolidayCol;
  std::string CSWorkdayCol;
  std::string CSMonth1stdayCol;
  std::string CSHolidayCancelCol;
  std::string CSBodyRange;
  std::int64_t CSWeekdayRow = 0;
  std::int64_t CSLastTaskRow = 0;
  std::int64_t CSCalendarUnit = 0;
  std::int64_t CSUseCalendarDlg = 0;
  std::int64_t CSCalendarDlgDispFlg = 0;
  std::int64_t templateTopRow = 0;
  std::int64_t templateMiddleRow = 0;
  std::int64_t templateBodyRow = 0;
};

}  // namespace korvat
