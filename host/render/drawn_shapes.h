#pragma once
// The shapes of a worksheet where the page draws them once rows are hidden.
//
// A shape's stored top and height are where it was placed with every row shown: the
// planning exports draw the chart with every row shown and hide the filtered rows afterwards,
// and hiding a row does not move the model's shapes. The host keeps a shape attached to the
// cells under it, so a hidden row moves or sizes it by its Placement:
//   1 move and size with cells: each edge stays on its row, or goes to the top of the next
//     shown row when its row is hidden, so the shape shrinks by the hidden rows it covers;
//     a shape whose rows are all hidden (but for less than half a pixel) is not drawn; a
//     freeform's nodes scale with it;
//   2 move but do not size: the top edge moves as above, the height stays;
//   3 free floating (and any other value): drawn where it was placed.
// Left and width are kept: the calendar hides its columns before the chart is drawn, so
// shapes are placed with those columns hidden already.

#include <memory>
#include <vector>

#include "host/model/shape.h"
#include "host/model/worksheet.h"

namespace korvat::host::render {

class DrawnShapes {
 public:
  explicit DrawnShapes(const Worksheet& sheet);

  // Back to front, the hidden ones left out. Unmoved shapes are the sheet's own (valid while
  // it is unchanged); moved ones are copies owned here.
  const std::vector<const Shape*>& InZOrder() const { return shapes_; }

 private:
  std::vector<std::unique_ptr<Shape>> moved_;
  std::vector<const Shape*> shapes_;
};

}  // namespace korvat::host::render
