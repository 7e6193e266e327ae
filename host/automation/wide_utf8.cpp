#include "host/automation/wide_utf8.h"

#include "platform/utf8_text.h"

namespace korvat::host::automation {

WideText Utf8ToWide(std::string_view text) { return platform::Utf8ToWide(text); }

std::string WideToUtf8(WideView text) { return platform::WideToUtf8(text); }

BSTR NewBstr(std::string_view utf8) {
  const WideText wide = Utf8ToWide(utf8);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace korvat::host::automation
