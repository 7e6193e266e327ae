#pragma once
// The host's text for a span of whole rows: "5:7" for rows 5 to 7.

#include "base/number_text.h"

#include <cstdint>
#include <string>

namespace korvat {

inline std::string RowRangeText(std::int64_t first, std::int64_t last) {
  return FormatInteger(first) + ":" + FormatInteger(last);
}

}  // namespace korvat
