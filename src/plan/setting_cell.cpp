#include "plan/setting_cell.h"

#include "automation/host_object.h"
#include "base/number_text.h"

namespace korvat {

std::string ReadSettingText(IDispatch* settingsSheet, std::string_view name) {
  const AutomationObject range = RangeAt(settingsSheet, name);
  return GetValueText(range.Get());
}

std::int64_t ReadSettingInteger(IDispatch* settingsSheet, std::string_view name) {
  return ParseLeadingInteger(ReadSettingText(settingsSheet, name));
}

bool HasSetting(IDispatch* settingsSheet, std::string_view name) { return !RangeAt(settingsSheet, name).IsEmpty(); }

}  // namespace korvat
