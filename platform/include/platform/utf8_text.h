#pragma once
// UTF-8 and UTF-16 conversions that do not depend on the system code page:
// malformed input becomes U+FFFD, never a read past the text.

#include "platform/com.h"

namespace korvat::platform {

WideText Utf8ToWide(std::string_view text);
std::string WideToUtf8(WideView text);

}  // namespace korvat::platform
