#pragma once
// The model keeps text as UTF-8; Automation exchanges UTF-16 BSTRs. These convert
// between the two on every platform (the system code page plays no part).

#include <string>
#include <string_view>

#include "platform/com.h"

namespace korvat::host::automation {

WideText Utf8ToWide(std::string_view text);
std::string WideToUtf8(WideView text);
// A new BSTR holding the text; the caller frees it.
BSTR NewBstr(std::string_view utf8);

}  // namespace korvat::host::automation
