#include "frame/clock.h"

#include "platform/com.h"
#include "automation/date_conversion.h"

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
  if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(year);
  st.wMonth = static_cast<WORD>(month);
  st.wDay = static_cast<WORD>(day);
  st.wHour = static_cast<WORD>(hour);
  st.wMinute = static_cast<WORD>(minute);
  st.wSecond = static_cast<WORD>(second);
  double date = 0.0;
  if (FAILED(SystemTimeToDate(st, &date))) return std::nullopt;
  return date;
}

double Now() {
  if (Fixed()) return *Fixed();
  double date = 0.0;
  TimeTToDate(static_cast<std::int64_t>(std::time(nullptr)), &date);
  return date;
}

void SetFixedNow(std::optional<double> now) { Fixed() = now; }

}  // namespace korvat
