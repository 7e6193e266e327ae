#pragma once
// Named setting cells of the settings sheet. A missing name reads as the empty
// text (0 as a number); nothing is reported.

#include "platform/com.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

// The Value, as text, of the range of that name on the given sheet.
std::string ReadNamedText(IDispatch* sheet, std::string_view name);
// The same on the bound settings sheet, and its leading-integer parse.
std::string ReadSettingText(std::string_view name);
std::int64_t ReadSettingInteger(std::string_view name);
// Whether the settings sheet defines the name at all (an empty cell still counts).
bool HasSetting(std::string_view name);

}  // namespace korvat
