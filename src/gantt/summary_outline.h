#pragma once
// The outlines of summary bars: closed freeforms whose band is the upper half
// of the bar's height and whose ends point down to the start and end x.

#include "automation/automation_object.h"

#include <cstdint>
#include <vector>

namespace korvat {

struct OutlinePoint {
  double x = 0.0;
  double y = 0.0;
};

// The closed point list (start first, start again last) of outline style 1 to
// 6 over the band at (left, top) of the given height and width; empty for any
// other style.
std::vector<OutlinePoint> SummaryOutlinePoints(double left, double top, double height, double width,
                                               std::int64_t style);

// Builds the outline as a freeform on the WBS sheet; an empty handle for a
// style outside 1 to 6.
AutomationObject AddSummaryOutline(IDispatch* wbsSheet, double left, double top, double height, double width,
                                   std::int64_t style);

}  // namespace korvat
