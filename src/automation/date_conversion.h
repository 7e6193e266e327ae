#pragma once
// Conversions between the host's DATE (days since 1899-12-30; before that date
// the fraction counts forward from the day) and the platform's time forms.
// Each returns S_OK and fills its output, or fails and leaves the output alone.

#include "platform/com.h"

namespace korvat {

HRESULT FileTimeToDate(const FILETIME& fileTime, double* date);
HRESULT DateToFileTime(double date, FILETIME* fileTime);
HRESULT SystemTimeToDate(const SYSTEMTIME& systemTime, double* date);
HRESULT DateToSystemTime(double date, SYSTEMTIME* systemTime);
// time_t values are 64-bit seconds in UTC; the DATE side is local time.
HRESULT TimeTToDate(std::int64_t seconds, double* date);
HRESULT DateToTimeT(double date, std::int64_t* seconds);

// The encoding of days before 1899-12-30 as the host stores them.
double DateFromLinearDays(double days);
double LinearDaysFromDate(double date);

}  // namespace korvat
