#include "base/clock.h"

#include "base/calendar_date.h"
#include "platform/civil_date.h"
#include "platform/com.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace korvat {
namespace {

std::optional<double>& Fixed() {
  static std::optional<double> fixed = [] {
    const char* text = std::getenv("KORVAT_NOW");
    return text ? ParseClockText(text) : std::nullopt;
  }();
  return fixed;
}

double TimeOfDayFraction(int hour, int minute, int second) { return (hour * 3600 + minute * 60 + second) / 86400.0; }

// A calendar date that exists: month and day read back unchanged.
bool IsCalendarDate(int year, int month, int day) {
  if (month < 1 || month > 12 || day < 1 || day > 31) return false;
  const platform::CivilDate back = platform::CivilFromDays(platform::DaysFromCivil(year, month, day));
  return back.year == year && back.month == month && back.day == day;
}

}  // namespace

std::optional<double> ParseClockText(std::string_view text) {
  const std::string s(text);
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
  char separator = 0;
  const int n = std::sscanf(s.c_str(), "%4d-%2d-%2d%c%2d:%2d%n", &year, &month, &day, &separator, &hour, &minute, &used);
  if (n != 6 || (separator != 'T' && separator != ' ')) {
    used = 0;
    if (std::sscanf(s.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &used) != 3 || used != static_cast<int>(s.size()))
      return std::nullopt;
  } else if (static_cast<std::size_t>(used) != s.size()) {
    int extra = 0;
    if (std::sscanf(s.c_str() + used, ":%2d%n", &second, &extra) != 1 || used + extra != static_cast<int>(s.size()))
      return std::nullopt;
  }
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return std::nullopt;
  if (year < 1601 || !IsCalendarDate(year, month, day)) return std::nullopt;
  return DateFromYmd(year, month, day) + TimeOfDayFraction(hour, minute, second);
}

double Now() {
  if (Fixed()) return *Fixed();
  std::tm local{};
  if (!platform::BreakDownLocal(static_cast<std::int64_t>(std::time(nullptr)), local)) return 0.0;
  return DateFromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         TimeOfDayFraction(local.tm_hour, local.tm_min, local.tm_sec);
}

void SetFixedNow(std::optional<double> now) { Fixed() = now; }

}  // namespace korvat
