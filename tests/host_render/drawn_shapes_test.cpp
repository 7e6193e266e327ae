// Shapes over hidden rows: moved, sized or left out by their Placement, as the host does.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "host/render/sheet_drawing.h"
#include "host_render/sheet_svg_fixture.h"
#include "host_render/svg_probe.h"

namespace korvat::host::render {
namespace {

using testing::Attribute;
using testing::ElementAround;
using testing::ShapeGroup;

// Rows are 15 points; rows 5 and 6 (60 to 90 as placed) are hidden after the shapes are.
class DrawnShapesTest : public testing::SheetSvgTest {
 protected:
  void HideRows5And6() {
    sheet->SetRowHidden(5, true);
    sheet->SetRowHidden(6, true);
  }
  std::string Outline(double left, double top, double width, double height) {
    return "M" + X(left) + ' ' + Y(top) + "H" + X(left + width) + "V" + Y(top + height) + "H" + X(left) + "Z";
  }
};

struct PlacementCase {
  const char* name;
  int placement;
  double top, height;                 // as placed
  std::optional<double> drawnTop;     // nullopt: not drawn
  double drawnHeight;
};

TEST_F(DrawnShapesTest, HiddenRowsMoveSizeOrHideShapesByTheirPlacement) {
  const PlacementCase cases[] = {
      {"Covered", kPlacementMoveAndSize, 63, 9, std::nullopt, 0},        // on row 5 only
      {"Filling", kPlacementMoveAndSize, 60, 30, std::nullopt, 0},       // rows 5 and 6 exactly
      {"Sliver", kPlacementMoveAndSize, 63, 27.2, std::nullopt, 0},      // 0.2 points into row 7
      {"Pixel", kPlacementMoveAndSize, 63, 27.75, 60, 0.75},             // a pixel of row 7
      {"Spanning", kPlacementMoveAndSize, 47, 66, 47, 36},               // rows 4 to 8
      {"FromHidden", kPlacementMoveAndSize, 70, 40, 60, 20},             // row 5 to row 8
      {"Below", kPlacementMoveAndSize, 138, 9, 108, 9},
      {"Above", kPlacementMoveAndSize, 18, 9, 18, 9},
      {"Moved", kPlacementMove, 63, 9, 60, 9},                           // to the top of row 7
      {"MovedSpanning", kPlacementMove, 47, 66, 47, 66},
      {"MovedBelow", kPlacementMove, 138, 9, 108, 9},
      {"Floating", kPlacementFreeFloating, 63, 9, 63, 9},
      {"FloatingBelow", kPlacementFreeFloating, 138, 9, 138, 9},
  };
  double left = 10;
  for (const PlacementCase& c : cases) {
    Shape& s = sheet->Shapes().AddAutoShape(kAutoShapeRectangle, left, c.top, 20, c.height);
    s.placement = c.placement;
    sheet->Shapes().Rename(s, c.name);
    left += 30;
  }
  HideRows5And6();
  const std::string svg = Render();
  left = 10;
  for (const PlacementCase& c : cases) {
    const std::string group = ShapeGroup(svg, c.name);
    if (!c.drawnTop) {
      EXPECT_TRUE(group.empty()) << c.name;
    } else {
      EXPECT_EQ(Attribute(ElementAround(group, "<path"), "d"), Outline(left, *c.drawnTop, 20, c.drawnHeight)) << c.name;
    }
    left += 30;
  }
}

TEST_F(DrawnShapesTest, ShownRowsDrawEveryShapeWherePlaced) {
  Shape& s = sheet->Shapes().AddAutoShape(kAutoShapeRectangle, 10, 63, 20, 9);
  s.placement = kPlacementMoveAndSize;
  sheet->Shapes().Rename(s, "Bar");
  HideRows5And6();
  sheet->SetRowHidden(5, false);
  sheet->SetRowHidden(6, false);
  EXPECT_EQ(Attribute(ElementAround(ShapeGroup(Render(), "Bar"), "<path"), "d"), Outline(10, 63, 20, 9));
}

TEST_F(DrawnShapesTest, LinesAndConnectorsFollowTheRowsOfTheirEnds) {
  Shape& flat = sheet->Shapes().AddConnector(1, 100, 67.5, 200, 67.5);  // along row 5
  flat.placement = kPlacementMoveAndSize;
  sheet->Shapes().Rename(flat, "Flat");
  Shape& shown = sheet->Shapes().AddConnector(1, 100, 52.5, 200, 52.5);  // along row 4
  shown.placement = kPlacementMoveAndSize;
  sheet->Shapes().Rename(shown, "Shown");
  Shape& link = sheet->Shapes().AddConnector(2, 200, 142.5, 100, 52.5);  // row 10 back up to row 4
  link.placement = kPlacementMoveAndSize;
  sheet->Shapes().Rename(link, "Link");
  HideRows5And6();
  const std::string svg = Render();
  EXPECT_TRUE(ShapeGroup(svg, "Flat").empty());
  EXPECT_EQ(Attribute(ElementAround(ShapeGroup(svg, "Shown"), "<path"), "d"),
            "M" + X(100) + ' ' + Y(52.5) + "L" + X(200) + ' ' + Y(52.5));
  EXPECT_EQ(Attribute(ElementAround(ShapeGroup(svg, "Link"), "<path"), "d"),
            "M" + X(200) + ' ' + Y(112.5) + "H" + X(150) + "V" + Y(52.5) + "H" + X(100));
}

TEST_F(DrawnShapesTest, AFreeformSizedWithItsRowsScalesItsNodes) {
  Shape& line = sheet->Shapes().AddFreeform({{0, 0, 300, 45}, {0, 0, 320, 75}, {0, 0, 300, 135}});  // rows 4 to 10
  line.placement = kPlacementMoveAndSize;
  sheet->Shapes().Rename(line, "Progress");
  HideRows5And6();
  // 90 points tall as placed, 60 once rows 5 and 6 go: every node keeps its share.
  EXPECT_EQ(Attribute(ElementAround(ShapeGroup(Render(), "Progress"), "<path"), "d"),
            "M" + X(300) + ' ' + Y(45) + "L" + X(320) + ' ' + Y(65) + "L" + X(300) + ' ' + Y(105));
}

TEST_F(DrawnShapesTest, HiddenColumnsKeepShapesWhereTheyWerePlaced) {
  // The calendar hides its night columns first and then draws: the bar's left is already
  // measured without column C.
  sheet->SetColumnHidden(3, true);
  Shape& bar = sheet->Shapes().AddAutoShape(kAutoShapeRectangle, sheet->ColumnLeft(4), 18, 60, 9);
  bar.placement = kPlacementMoveAndSize;
  sheet->Shapes().Rename(bar, "Bar");
  EXPECT_EQ(Attribute(ElementAround(ShapeGroup(Render(), "Bar"), "<path"), "d"), Outline(96, 18, 60, 9));
}

TEST_F(DrawnShapesTest, TheSheetExtentAndTheBandsFollowTheDrawnShapes) {
  for (int r = 10; r <= 409; ++r) sheet->SetRowHidden(r, true);
  Shape& far = sheet->Shapes().AddAutoShape(kAutoShapeRectangle, 10, sheet->Rows().DefaultSize() * 419, 20, 9);  // row 420
  far.placement = kPlacementMove;
  sheet->Shapes().Rename(far, "Far");
  // Placed on row 420 with every row counted, drawn on row 420 with 400 of them hidden: the
  // grid ends a margin below it and it is drawn in the band of row 420.
  SheetLayout layout(*sheet);
  ASSERT_EQ(layout.Shapes().size(), 1u);
  EXPECT_DOUBLE_EQ(layout.Shapes().front()->top, sheet->RowTop(420));
  EXPECT_EQ(layout.LastRow(), 424);  // the box's lower edge with room for its line is on row 421
  auto bands = layout.Bands();
  auto byBand = ShapesByBand(layout, bands);
  for (size_t i = 0; i < bands.size(); ++i)
    EXPECT_EQ(byBand[i].size(), bands[i].firstRow <= 420 && 420 <= bands[i].lastRow ? 1u : 0u) << "band " << i;
}

}  // namespace
}  // namespace korvat::host::render
