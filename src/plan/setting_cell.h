#pragma once
// Named setting cells of the settings sheet. A missing name, or a missing sheet,
// reads as the empty text (0 as a number); nothing is reported.

#include "platform/com.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

// The Value, as text, of the range of that name on the sheet.
std::string ReadSettingText(IDispatch* settingsSheet, std::string_view name);
// Its leading-integer parse.
std::int64_t ReadSettingInteger(IDispatch* settingsSheet, std::string_view name);
// Whether the sheet defines the name at all (an empty cell still counts).
bool HasSetting(IDispatch* settingsSheet, std::string_view name);

}  // namespace korvat
