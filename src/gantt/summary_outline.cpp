#include "gantt/summary_outline.h"

#include "automation/host_object.h"

namespace korvat {

std::vector<OutlinePoint> SummaryOutlinePoints(double L, double T, double H, double W, std::int64_t style) {
  const double d = H / 2;
  const double h = H / 2;  // the band is the upper half
  const double R = L + W;
  switch (style) {
    case 1:  // bracket
      return {{L - d, T}, {L - d, T + h}, {L, T + H}, {L + d, T + h}, {R - d, T + h},
              {R, T + H}, {R + d, T + h}, {R + d, T}, {L - d, T}};
    case 2:
      return {{L, T}, {L, T + H}, {L + d, T + h}, {R - d, T + h}, {R, T + H}, {R, T}, {L, T}};
    case 3:
      return {{L, T}, {L - d, T + H / 2}, {L, T + H}, {L + d, T + h}, {R - d, T + h},
              {R, T + H}, {R + d, T + H / 2}, {R, T}, {L, T}};
    case 4:
      return {{L - h / 3, T}, {L - h / 3, T + h}, {L - d, T + h}, {L, T + H},     {L + d, T + h}, {R - d, T + h},
              {R, T + H},     {R + d, T + h},     {R + h / 3, T + h}, {R + h / 3, T}, {L - h / 3, T}};
    case 5:
      return {{L - d, T}, {L, T + H}, {L + d, T + h}, {R - d, T + h}, {R, T + H}, {R + d, T}, {L - d, T}};
    case 6:
      return {{L, T}, {L - 2 * d, T + H / 2}, {L, T + H}, {L, T + h}, {R, T + h},
              {R, T + H}, {R + 2 * d, T + H / 2}, {R, T}, {L, T}};
    default:
      return {};
  }
}

AutomationObject AddSummaryOutline(IDispatch* wbsSheet, double left, double top, double height, double width,
                                   std::int64_t style) {
  const std::vector<OutlinePoint> points = SummaryOutlinePoints(left, top, height, width, style);
  if (points.empty()) return {};
  AutomationObject builder = BuildFreeform(wbsSheet, 0, points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) AddNodes(builder.Get(), 0, 0, points[i].x, points[i].y);
  return ConvertToShape(builder.Get());
}

}  // namespace korvat
