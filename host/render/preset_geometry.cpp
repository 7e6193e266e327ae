#include "host/render/preset_geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "host/render/svg_text.h"

namespace korvat::host::render {
namespace {

using Point = std::pair<double, double>;

double Adjustment(const std::vector<double>& adjustments, size_t i, double fallback) {
  if (i < adjustments.size() && std::isfinite(adjustments[i])) return adjustments[i];
  return fallback;
}

std::string Polygon(const std::vector<Point>& points) {
  std::string d;
  for (size_t i = 0; i < points.size(); ++i)
    d += (i == 0 ? 'M' : 'L') + Num(points[i].first) + ' ' + Num(points[i].second);
  return d + 'Z';
}

std::string Rectangle(double x, double y, double w, double h) {
  return 'M' + Num(x) + ' ' + Num(y) + 'H' + Num(x + w) + 'V' + Num(y + h) + 'H' + Num(x) + 'Z';
}

std::string RoundedRectangle(double x, double y, double w, double h, double r) {
  r = std::clamp(r, 0.0, std::min(w, h) / 2);
  if (r <= 0) return Rectangle(x, y, w, h);
  std::string a = 'A' + Num(r) + ' ' + Num(r) + " 0 0 1 ";
  return 'M' + Num(x + r) + ' ' + Num(y) + 'H' + Num(x + w - r) + a + Num(x + w) + ' ' + Num(y + r) +
         'V' + Num(y + h - r) + a + Num(x + w - r) + ' ' + Num(y + h) + 'H' + Num(x + r) + a + Num(x) + ' ' +
         Num(y + h - r) + 'V' + Num(y + r) + a + Num(x + r) + ' ' + Num(y) + 'Z';
}

std::string Ellipse(double x, double y, double w, double h) {
  std::string a = 'A' + Num(w / 2) + ' ' + Num(h / 2) + " 0 1 1 ";
  return 'M' + Num(x) + ' ' + Num(y + h / 2) + a + Num(x + w) + ' ' + Num(y + h / 2) + a + Num(x) + ' ' +
         Num(y + h / 2) + 'Z';
}

// A horizontal block arrow pointing right; `mirror` turns it to the left.
std::vector<Point> HorizontalArrow(double x, double y, double w, double h, double shaft, double head, bool mirror) {
  double s = std::clamp(shaft, 0.0, 1.0) * h;
  double d = std::clamp(head * std::min(w, h), 0.0, w);
  double top = y + (h - s) / 2, bottom = top + s;
  std::vector<Point> p = {{x, top},           {x + w - d, top}, {x + w - d, y},   {x + w, y + h / 2},
                          {x + w - d, y + h}, {x + w - d, bottom}, {x, bottom}};
  if (mirror)
    for (Point& q : p) q.first = 2 * x + w - q.first;
  return p;
}

std::vector<Point> VerticalArrow(double x, double y, double w, double h, double shaft, double head, bool up) {
  std::vector<Point> p = HorizontalArrow(y, x, h, w, shaft, head, up);  // transposed
  for (Point& q : p) std::swap(q.first, q.second);
  return p;
}

}  // namespace

std::string PresetOutline(int type, double x, double y, double w, double h, const std::vector<double>& adj) {
  const double m = std::min(w, h);
  switch (type) {
    case kShapeRoundedRectangle: return RoundedRectangle(x, y, w, h, Adjustment(adj, 0, 0.16667) * m);
    case kShapeOval: return Ellipse(x, y, w, h);
    case kShapeDiamond: return Polygon({{x + w / 2, y}, {x + w, y + h / 2}, {x + w / 2, y + h}, {x, y + h / 2}});
    case kShapeIsoscelesTriangle: {
      double apex = x + std::clamp(Adjustment(adj, 0, 0.5), 0.0, 1.0) * w;
      return Polygon({{apex, y}, {x + w, y + h}, {x, y + h}});
    }
    case kShapeRightTriangle: return Polygon({{x, y}, {x + w, y + h}, {x, y + h}});
    case kShapeParallelogram: {
      double d = std::clamp(Adjustment(adj, 0, 0.25) * m, 0.0, w);
      return Polygon({{x + d, y}, {x + w, y}, {x + w - d, y + h}, {x, y + h}});
    }
    case kShapeTrapezoid: {
      double d = std::clamp(Adjustment(adj, 0, 0.25) * m, 0.0, w / 2);
      return Polygon({{x + d, y}, {x + w - d, y}, {x + w, y + h}, {x, y + h}});
    }
    case kShapeHexagon: {
      double d = std::clamp(Adjustment(adj, 0, 0.25) * m, 0.0, w / 2);
      return Polygon({{x + d, y}, {x + w - d, y}, {x + w, y + h / 2}, {x + w - d, y + h}, {x + d, y + h}, {x, y + h / 2}});
    }
    case kShapeOctagon: {
      double d = std::clamp(Adjustment(adj, 0, 0.29289) * m, 0.0, m / 2);
      return Polygon({{x + d, y}, {x + w - d, y}, {x + w, y + d}, {x + w, y + h - d}, {x + w - d, y + h},
                      {x + d, y + h}, {x, y + h - d}, {x, y + d}});
    }
    case kShapePentagon: {
      double d = std::clamp(Adjustment(adj, 0, 0.5) * m, 0.0, w);
      return Polygon({{x, y}, {x + w - d, y}, {x + w, y + h / 2}, {x + w - d, y + h}, {x, y + h}});
    }
    case kShapeChevron: {
      double d = std::clamp(Adjustment(adj, 0, 0.5) * m, 0.0, w / 2);
      return Polygon({{x, y}, {x + w - d, y}, {x + w, y + h / 2}, {x + w - d, y + h}, {x, y + h}, {x + d, y + h / 2}});
    }
    case kShapeRightArrow:
    case kShapeLeftArrow:
      return Polygon(HorizontalArrow(x, y, w, h, Adjustment(adj, 0, 0.5), Adjustment(adj, 1, 0.5), type == kShapeLeftArrow));
    case kShapeUpArrow:
    case kShapeDownArrow:
      return Polygon(VerticalArrow(x, y, w, h, Adjustment(adj, 0, 0.5), Adjustment(adj, 1, 0.5), type == kShapeUpArrow));
    default: return Rectangle(x, y, w, h);
  }
}

}  // namespace korvat::host::render
