#include "frame/setting_cell.h"

#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/number_text.h"

namespace korvat {

std::string ReadNamedText(IDispatch* sheet, std::string_view name) {
  const AutomationObject range = RangeAt(sheet, name);
  return GetValueText(range.Get());
}

std::string ReadSettingText(std::string_view name) { return ReadNamedText(State().settingsSheet.Get(), name); }

std::int64_t ReadSettingInteger(std::string_view name) { return ParseLeadingInteger(ReadSettingText(name)); }

bool HasSetting(std::string_view name) { return !RangeAt(State().settingsSheet.Get(), name).IsEmpty(); }

}  // namespace korvat
