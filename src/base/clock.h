#pragma once
// Every "now" and "today" of the library comes from here: the local system time
// by default; tests, the korvat command's --now option and the KORVAT_NOW
// environment variable ("YYYY-MM-DDTHH:MM") can fix it.

#include <optional>
#include <string_view>

namespace korvat {

// The present moment as a DateSerial (days since 1899-12-30, local time).
double Now();
// Fixes the present moment; nullopt returns to the system clock.
void SetFixedNow(std::optional<double> now);
// "YYYY-MM-DDTHH:MM" (or with a blank for the T, seconds optional) as a DateSerial.
std::optional<double> ParseClockText(std::string_view text);

}  // namespace korvat
