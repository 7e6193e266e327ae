#pragma once
// A conditional format of a worksheet range: the condition and the font colour it applies.

#include <string>

#include "host/model/cell_address.h"
#include "host/model/cell_style.h"

namespace korvat::host {

struct ConditionalFormat {
  RangeRef range;
  int type = 1;        // 1: cell value
  int op = 1;          // the host's comparison operator (1 between ... 6 less, 8 less or equal)
  std::string formula1;
  std::string formula2;
  int fontColorIndex = kAutomatic;
  int interiorColorIndex = kNone;
  friend bool operator==(const ConditionalFormat&, const ConditionalFormat&) = default;
};

}  // namespace korvat::host
