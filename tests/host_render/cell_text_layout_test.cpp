// Where cell texts are drawn and clipped, and what a number shows in a cell too narrow for it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host_render/sheet_svg_fixture.h"
#include "host_render/svg_probe.h"

namespace korvat::host::render {
namespace {

using testing::Attribute;
using testing::ClipAround;
using testing::ElementAround;
using testing::Texts;

constexpr int kLeft = -4131, kCenter = -4108, kRight = -4152;
const std::string kLong = "A text far too long for one column of the sheet";  // about 220 points

class CellTextLayout : public testing::SheetSvgTest {};

struct FlowCase {
  const char* name;
  int column;                 // of the text, in row 2
  int alignment;              // 1 general
  std::vector<int> filled;    // columns of row 2 with content
  double clipLeft, clipRight; // sheet x of the clip; both 0: not clipped
};

TEST_F(CellTextLayout, TextFlowsOverEmptyNeighboursAwayFromItsAlignmentAndIsClippedByTheFirstFilledOne) {
  const FlowCase cases[] = {
      {"left, neighbour filled", 2, 1, {3}, 48, 96},
      {"left, two empty neighbours", 2, kLeft, {5}, 48, 192},
      {"left, a filled cell to its left does not matter", 2, 1, {1, 4}, 48, 144},
      {"right flows left", 4, kRight, {2}, 96, 192},
      {"right, nothing to its left: to the sheet's edge", 3, kRight, {}, 0, 144},
      {"centred flows both ways", 3, kCenter, {1, 5}, 48, 192},
      {"centred, blocked on the left only", 3, kCenter, {2}, 96, 0},  // right: the drawn area's end
  };
  for (const FlowCase& c : cases) {
    sheet->Clear(*ParseRangeRef("A2:Z2"));
    sheet->SetCellFromText(2, c.column, kLong);
    sheet->MutableStyle(2, c.column)->horizontalAlignment = c.alignment;
    for (int f : c.filled) sheet->SetCellFromText(2, f, "x");
    const std::string svg = Render();
    const std::string clip = ClipAround(svg, ">" + kLong + "<");
    ASSERT_FALSE(clip.empty()) << c.name;
    const double right = c.clipRight > 0 ? c.clipRight : SheetLayout(*sheet).Width();
    EXPECT_EQ(Attribute(clip, "x"), X(c.clipLeft)) << c.name;
    EXPECT_EQ(Attribute(clip, "width"), Num(right - c.clipLeft)) << c.name;
    EXPECT_EQ(Attribute(clip, "y"), Y(15)) << c.name;
    EXPECT_EQ(Attribute(clip, "height"), "15") << c.name;
    EXPECT_EQ(Attribute(clip, "viewBox"), X(c.clipLeft) + ' ' + Y(15) + ' ' + Num(right - c.clipLeft) + " 15") << c.name;
  }
}

TEST_F(CellTextLayout, TextThatEndsOverEmptyNeighboursIsWholeUnclippedAndHidesTheGridLinesItCrosses) {
  const std::string text = "Spills into C";  // about 60 points from B's left
  sheet->SetCellFromText(2, 2, text);
  sheet->SetCellFromText(2, 4, "x");
  std::string svg = Render();
  EXPECT_TRUE(ClipAround(svg, ">" + text + "<").empty());
  EXPECT_EQ(Attribute(ElementAround(svg, ">" + text + "<"), "x"), X(48 + 2.25));
  // The line between B and C is covered in row 2, the one between C and D is not.
  std::string erasers = Attribute(ElementAround(svg, "<path fill=\"#ffffff\""), "d");
  EXPECT_EQ(erasers, "M" + Num(std::stod(X(96)) - 0.5) + ' ' + Y(15.375) + "h1v14.25h-1z");

  // A text over three empty neighbours covers the lines after B, C and D with one strip.
  sheet->SetCellFromText(2, 4, "");
  sheet->SetCellFromText(2, 2, "Spills over three neighbours and a half");
  svg = Render();
  erasers = Attribute(ElementAround(svg, "<path fill=\"#ffffff\""), "d");
  EXPECT_EQ(erasers, "M" + Num(std::stod(X(96)) - 0.5) + ' ' + Y(15.375) + "h97v14.25h-97z");

  // Under a filled neighbour the fill comes after the eraser and keeps its colour.
  sheet->MutableStyle(2, 3)->interior.colorIndex = 6;
  svg = Render();
  EXPECT_LT(svg.find("<path fill=\"#ffffff\""), svg.find("<path fill=\"#ffff00\""));
}

TEST_F(CellTextLayout, NumbersBooleansAndErrorsNeverLeaveTheirCell) {
  sheet->SetValue(2, 2, CellValue::Number(1234567.25));
  sheet->MutableStyle(2, 2)->numberFormat = "#,##0.00";
  sheet->SetValue(3, 2, CellValue::Boolean(false));
  sheet->SetColumnWidth(2, 14);
  std::string svg = Render();
  auto texts = Texts(svg);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "##"), 0);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "#"), texts.end());  // 14 points hold one #
  std::string clip = ClipAround(svg, ">FALSE<");
  ASSERT_FALSE(clip.empty());
  EXPECT_EQ(Attribute(clip, "x"), X(48));
  EXPECT_EQ(Attribute(clip, "width"), "14");
}

TEST_F(CellTextLayout, TextTallerThanItsRowIsClippedToTheRow) {
  sheet->SetCellFromText(2, 2, "Big");
  sheet->MutableStyle(2, 2)->font.size = 20;
  std::string clip = ClipAround(Render(), ">Big<");
  ASSERT_FALSE(clip.empty());
  EXPECT_EQ(Attribute(clip, "y"), Y(15));
  EXPECT_EQ(Attribute(clip, "height"), "15");
}

struct FitCase {
  double value;
  const char* format;
  double columnWidth;  // points
  const char* shown;
};

TEST_F(CellTextLayout, GeneralNumbersAreRoundedToFitTheirColumnOtherFormatsShowHashes) {
  const FitCase cases[] = {
      {61.5, "General", 18, "62"},
      {-61.5, "General", 18, "-62"},
      {40000.0 / 650, "General", 27, "61.5"},  // the sample's T24 in its 27-point column
      {40000.0 / 650, "General", 48, "61.53846"},
      {40000.0 / 650, "General", 100, "61.53846154"},
      {12345678, "General", 48, "12345678"},   // eight 7-pixel digits fill a default column
      {123456789, "General", 48, "1.23E+08"},
      {123456789012, "General", 48, "1.23E+11"},
      {0.000123456, "General", 30, "1E-04"},
      {-1234.5678, "General", 27, "####"},     // not even -1E+03 fits
      {1e15, "General", 12, "#"},
      {0.375, "hh:mm", 42, "09:00"},
      {45292, "yyyy/mm/dd", 54, "#########"},  // ten characters of 7, 7, 6 pixels need 68 of 67
      {45292, "yyyy/mm/dd", 60, "2024/01/01"},
      {1234.5, "0.00", 27, "####"},
      {-5, "0;;0", 10, ""},                    // a format that hides the value shows nothing
  };
  int column = 2;
  for (const FitCase& c : cases) {
    sheet->SetColumnWidth(column, c.columnWidth);
    sheet->SetValue(1, column, CellValue::Number(c.value));
    sheet->MutableStyle(1, column)->numberFormat = c.format;
    column += 2;  // an empty column between: numbers would not flow into it anyway
  }
  const std::string svg = Render();
  column = 2;
  for (const FitCase& c : cases) {
    const double right = sheet->ColumnLeft(column) + c.columnWidth - 2.25;
    std::string element = ElementAround(svg, "<text x=\"" + X(right) + "\" y=\"" + Y(11.3) + "\"");
    std::string text = element.empty() ? "" : Texts(element).front();
    EXPECT_EQ(text, c.shown) << c.value << " in " << c.format << " at " << c.columnWidth << " points";
    column += 2;
  }
}

}  // namespace
}  // namespace korvat::host::render
