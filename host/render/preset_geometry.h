#pragma once
// The outline of an auto shape as SVG path data, from the host's shape type, its box and its
// adjustments (a missing adjustment takes the host's default). Types without a drawing of
// their own are drawn as rectangles.

#include <string>
#include <vector>

namespace korvat::host::render {

// Shape types with their own outline.
inline constexpr int kShapeRectangle = 1, kShapeParallelogram = 2, kShapeTrapezoid = 3, kShapeDiamond = 4,
                     kShapeRoundedRectangle = 5, kShapeOctagon = 6, kShapeIsoscelesTriangle = 7,
                     kShapeRightTriangle = 8, kShapeOval = 9, kShapeHexagon = 10, kShapeRightArrow = 33,
                     kShapeLeftArrow = 34, kShapeUpArrow = 35, kShapeDownArrow = 36, kShapePentagon = 51,
                     kShapeChevron = 52;

std::string PresetOutline(int autoShapeType, double x, double y, double w, double h,
                          const std::vector<double>& adjustments);

}  // namespace korvat::host::render
