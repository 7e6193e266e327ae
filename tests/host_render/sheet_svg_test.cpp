#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "host/model/workbook.h"
#include "host/render/chart_layer.h"
#include "host/render/preset_geometry.h"
#include "host/render/sheet_layout.h"
#include "host/render/svg_text.h"
#include "host/render/workbook_render.h"
#include "host_render/svg_probe.h"

namespace korvat::host::render {
namespace {

using testing::Attribute;
using testing::Count;
using testing::ElementAround;
using testing::ShapeGroup;
using testing::Texts;

class SheetSvg : public ::testing::Test {
 protected:
  void SetUp() override { sheet = book.AddWorksheet("Plan"); }

  std::string Render() {
    RenderResult r = RenderSheetSvg(book, "Plan");
    EXPECT_TRUE(r.ok()) << r.error;
    return r.text;
  }
  // Where sheet coordinates land in the standalone SVG.
  std::string X(double sheetX) { return Num(SheetLayout(*sheet).HeadingWidth() + sheetX); }
  std::string Y(double sheetY) { return Num(SheetLayout(*sheet).HeadingHeight() + sheetY); }
  bool HasText(const std::string& svg, const std::string& text) {
    auto all = Texts(svg);
    return std::find(all.begin(), all.end(), text) != all.end();
  }

  Workbook book;
  Worksheet* sheet = nullptr;
};

TEST_F(SheetSvg, IsAStandaloneDocumentSizedInPoints) {
  std::string svg = Render();
  EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0u);
  SheetLayout layout(*sheet);
  std::string root = ElementAround(svg, "<svg");
  EXPECT_EQ(Attribute(root, "width"), Num(layout.HeadingWidth() + layout.Width()) + "pt");
  EXPECT_EQ(Attribute(root, "viewBox"), "0 0 " + Num(layout.HeadingWidth() + layout.Width()) + ' ' +
                                            Num(layout.HeadingHeight() + layout.Height()));
  EXPECT_EQ(layout.Width(), 8 * 48.0);  // an empty sheet still shows a screenful of grid
  EXPECT_EQ(layout.LastRow(), 20);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

TEST_F(SheetSvg, AHiddenColumnShiftsEverythingRightOfIt) {
  sheet->SetCellFromText(1, 4, "after");
  sheet->SetCellFromText(1, 2, "before");
  std::string shown = Render();
  EXPECT_EQ(Attribute(ElementAround(shown, ">after<"), "x"), X(3 * 48 + 2.25));
  EXPECT_TRUE(HasText(shown, "C"));

  sheet->SetColumnHidden(3, true);
  std::string hidden = Render();
  EXPECT_EQ(Attribute(ElementAround(hidden, ">after<"), "x"), X(2 * 48 + 2.25));
  EXPECT_EQ(Attribute(ElementAround(hidden, ">before<"), "x"), X(48 + 2.25));
  EXPECT_FALSE(HasText(hidden, "C"));
  EXPECT_EQ(Attribute(ElementAround(hidden, ">D<"), "x"), X(2 * 48 + 24));
  // The hidden column draws no edge of its own: one line in the grid and one in the headings
  // where B ends and D begins.
  EXPECT_EQ(Count(hidden, "M" + X(2 * 48) + " "), 2u);
  EXPECT_EQ(SheetLayout(*sheet).Columns().size(), static_cast<size_t>(SheetLayout(*sheet).LastColumn() - 1));
}

TEST_F(SheetSvg, AHiddenRowHasNoHeadingAndMovesTheRowsBelowUp) {
  sheet->SetCellFromText(3, 1, "three");
  sheet->SetRowHeight(1, 30);
  sheet->SetRowHidden(2, true);
  std::string svg = Render();
  EXPECT_TRUE(HasText(svg, "1"));
  EXPECT_FALSE(HasText(svg, "2"));
  EXPECT_TRUE(HasText(svg, "3"));
  // Bottom-aligned: the baseline sits above the row's bottom edge (row 3 spans 30..45).
  double baseline = std::stod(Attribute(ElementAround(svg, ">three<"), "y"));
  EXPECT_GT(baseline, std::stod(Y(30 + 7.5)));
  EXPECT_LT(baseline, std::stod(Y(45)));
}

TEST_F(SheetSvg, AShapeLandsAtItsLeftAndTopBelowAndRightOfTheHeadings) {
  Shape& bar = sheet->Shapes().AddAutoShape(kShapeRectangle, 100, 50, 60, 9);
  sheet->Shapes().Rename(bar, "Bar");
  bar.fill.foreColor = 0x50B000;  // packed: red 0, green 0xB0, blue 0x50
  std::string group = ShapeGroup(Render(), "Bar");
  ASSERT_FALSE(group.empty());
  std::string path = ElementAround(group, "<path");
  EXPECT_EQ(Attribute(path, "d"), "M" + X(100) + ' ' + Y(50) + "H" + X(160) + "V" + Y(59) + "H" + X(100) + "Z");
  EXPECT_EQ(Attribute(path, "fill"), "#00b050");
  EXPECT_EQ(Attribute(path, "stroke"), "#2f528f");
  EXPECT_EQ(Attribute(path, "stroke-width"), "0.75");

  bar.fill.visible = false;
  bar.line.visible = false;
  path = ElementAround(ShapeGroup(Render(), "Bar"), "<path");
  EXPECT_EQ(Attribute(path, "fill"), "none");
  EXPECT_EQ(Attribute(path, "stroke"), "none");
}

TEST_F(SheetSvg, ShapesAreDrawnInZOrder) {
  Shape& back = sheet->Shapes().AddAutoShape(kShapeRectangle, 10, 10, 20, 20);
  sheet->Shapes().Rename(back, "Back");
  Shape& front = sheet->Shapes().AddAutoShape(kShapeOval, 15, 15, 20, 20);
  sheet->Shapes().Rename(front, "Front");
  std::string svg = Render();
  EXPECT_LT(svg.find("data-shape=\"Back\""), svg.find("data-shape=\"Front\""));
  sheet->Shapes().BringToFront(back.id);
  svg = Render();
  EXPECT_GT(svg.find("data-shape=\"Back\""), svg.find("data-shape=\"Front\""));
  // Shapes cover the cells: they come after the last cell text.
  sheet->SetCellFromText(1, 1, "under");
  svg = Render();
  EXPECT_LT(svg.find(">under<"), svg.find("data-shape=\"Back\""));
}

struct OutlineCase {
  int type;
  std::vector<double> adjustments;
  const char* path;
};

TEST(PresetOutline, TemplateShapesHaveTheirOwnOutlines) {
  const OutlineCase cases[] = {
      {kShapeRectangle, {}, "M0 0H20V10H0Z"},
      {kShapeDiamond, {}, "M10 0L20 5L10 10L0 5Z"},
      {kShapeIsoscelesTriangle, {}, "M10 0L20 10L0 10Z"},
      {kShapeIsoscelesTriangle, {0}, "M0 0L20 10L0 10Z"},
      {kShapePentagon, {}, "M0 0L15 0L20 5L15 10L0 10Z"},
      {kShapePentagon, {0.2}, "M0 0L18 0L20 5L18 10L0 10Z"},
      {kShapeChevron, {}, "M0 0L15 0L20 5L15 10L0 10L5 5Z"},
      {kShapeRightArrow, {}, "M0 2.5L15 2.5L15 0L20 5L15 10L15 7.5L0 7.5Z"},
      {kShapeLeftArrow, {}, "M20 2.5L5 2.5L5 0L0 5L5 10L5 7.5L20 7.5Z"},
      {12345, {}, "M0 0H20V10H0Z"},  // no outline of its own: a rectangle
      {-7, {}, "M0 0H20V10H0Z"},
  };
  for (const auto& c : cases) EXPECT_EQ(PresetOutline(c.type, 0, 0, 20, 10, c.adjustments), c.path) << c.type;
  EXPECT_EQ(PresetOutline(kShapeRoundedRectangle, 0, 0, 20, 10, {0.2}),
            "M2 0H18A2 2 0 0 1 20 2V8A2 2 0 0 1 18 10H2A2 2 0 0 1 0 8V2A2 2 0 0 1 2 0Z");
  EXPECT_EQ(PresetOutline(kShapeOval, 0, 0, 20, 10, {}), "M0 5A10 5 0 1 1 20 5A10 5 0 1 1 0 5Z");
}

TEST_F(SheetSvg, BordersHaveTheirWeightsStylesAndColours) {
  struct Case {
    int row;
    int lineStyle, weight, colorIndex;
    const char* width;
    const char* color;
    bool dashed;
  } cases[] = {
      {2, 1, kThin, kAutomatic, "0.75", "#000000", false},
      {4, 1, -4138, 3, "1.5", "#ff0000", false},
      {6, 1, 4, 5, "2.25", "#0000ff", false},
      {8, -4115, kThin, 10, "0.75", "#008000", true},
      {10, 1, 1, 16, "0.75", "#808080", true},  // hairline
  };
  for (const auto& c : cases) {
    CellStyle style;
    style.border(Edge::Bottom) = {c.lineStyle, c.weight, c.colorIndex};
    sheet->SetStyle(c.row, 2, style);
  }
  std::string svg = Render();
  for (const auto& c : cases) {
    double bottom = c.row * 15.0;
    std::string segment = "M" + X(48) + ' ' + Y(bottom) + "H" + X(96);
    std::string path = ElementAround(svg, segment);
    ASSERT_FALSE(path.empty()) << "row " << c.row;
    EXPECT_EQ(Attribute(path, "stroke-width"), c.width) << "row " << c.row;
    EXPECT_EQ(Attribute(path, "stroke"), c.color) << "row " << c.row;
    EXPECT_EQ(!Attribute(path, "stroke-dasharray").empty(), c.dashed) << "row " << c.row;
  }
  // A style without lines draws none: only the grid passes there.
  CellStyle none;
  sheet->SetStyle(12, 2, none);
  EXPECT_TRUE(ElementAround(Render(), "M" + X(48) + ' ' + Y(180) + "H" + X(96)).empty());
}

TEST_F(SheetSvg, FillsUseThePaletteOrTheirColour) {
  CellStyle yellow;
  yellow.interior.colorIndex = 6;
  yellow.interior.pattern = 1;
  sheet->SetStyle(5, 1, yellow);
  CellStyle rgb;
  rgb.interior.pattern = 1;
  rgb.interior.color = 0xF0B000;  // packed: #00b0f0
  sheet->SetStyle(6, 1, rgb);
  std::string svg = Render();
  std::string rect = "M" + X(0) + ' ' + Y(60) + "h48v15h-48z";
  EXPECT_EQ(Attribute(ElementAround(svg, rect), "fill"), "#ffff00");
  EXPECT_EQ(Attribute(ElementAround(svg, "M" + X(0) + ' ' + Y(75) + "h48v15h-48z"), "fill"), "#00b0f0");
}

TEST_F(SheetSvg, CellTextsShowTheirNumberFormatsAndGeneralAlignment) {
  sheet->SetColumnWidth(2, 70);
  sheet->SetValue(3, 2, CellValue::Number(45292));
  sheet->MutableStyle(3, 2)->numberFormat = "yyyy/mm/dd";
  sheet->SetFormula(3, 3, "=B3+1");
  sheet->MutableStyle(3, 3)->numberFormat = "m/d";
  sheet->SetValue(4, 2, CellValue::Number(0.375));
  sheet->MutableStyle(4, 2)->numberFormat = "hh:mm";
  sheet->SetValue(5, 2, CellValue::Number(1.0 / 3));
  sheet->SetCellFromText(6, 2, "left");
  sheet->SetValue(7, 2, CellValue::Boolean(true));
  std::string svg = Render();

  std::string date = ElementAround(svg, ">2024/01/01<");
  ASSERT_FALSE(date.empty());
  EXPECT_EQ(Attribute(date, "text-anchor"), "end");
  EXPECT_EQ(Attribute(date, "x"), X(48 + 70 - 2.25));
  EXPECT_FALSE(ElementAround(svg, ">1/2<").empty());  // formula result, formatted
  EXPECT_FALSE(ElementAround(svg, ">09:00<").empty());
  EXPECT_FALSE(ElementAround(svg, ">0.333333333<").empty());
  EXPECT_EQ(Attribute(ElementAround(svg, ">left<"), "text-anchor"), "");
  EXPECT_EQ(Attribute(ElementAround(svg, ">TRUE<"), "text-anchor"), "middle");
}

TEST_F(SheetSvg, NumbersTooWideForTheirCellShowAsHashesAndNarrowHeadingsLoseTheirLetters) {
  sheet->SetColumnWidth(2, 20);
  sheet->SetValue(1, 2, CellValue::Number(45292));
  sheet->MutableStyle(1, 2)->numberFormat = "yyyy/mm/dd";
  sheet->SetValue(2, 2, CellValue::Number(7));
  sheet->SetCellFromText(3, 2, "a text spills on");
  sheet->SetColumnWidth(4, 6);
  std::string svg = Render();
  auto texts = Texts(svg);
  auto hashes = std::find_if(texts.begin(), texts.end(), [](const std::string& t) { return t.rfind("##", 0) == 0; });
  ASSERT_NE(hashes, texts.end());
  EXPECT_EQ(hashes->find_first_not_of('#'), std::string::npos);
  EXPECT_TRUE(HasText(svg, "7"));
  EXPECT_TRUE(HasText(svg, "a text spills on"));
  EXPECT_FALSE(HasText(svg, "D"));
  EXPECT_TRUE(HasText(svg, "E"));
}

TEST_F(SheetSvg, CellValueConditionsColourTheCellsTheyHoldFor) {
  sheet->SetValue(3, 3, CellValue::Number(-2));
  sheet->SetValue(4, 3, CellValue::Number(3));
  sheet->SetFormula(5, 3, "=C4-3.5");
  sheet->SetValue(3, 4, CellValue::Number(-9));  // outside the range
  sheet->SetValue(1, 1, CellValue::Number(2));
  ConditionalFormat red;
  red.range = *ParseRangeRef("C3:C9");
  red.op = 6;  // less
  red.formula1 = "0.0";
  red.fontColorIndex = 3;
  ConditionalFormat between;
  between.range = *ParseRangeRef("C3:C9");
  between.op = 1;
  between.formula1 = "=A1";  // a reference: 2
  between.formula2 = "5";
  between.interiorColorIndex = 6;
  sheet->ConditionalFormats() = {red, between};
  std::string svg = Render();
  EXPECT_EQ(Attribute(ElementAround(svg, ">-2<"), "fill"), "#ff0000");
  EXPECT_EQ(Attribute(ElementAround(svg, ">-0.5<"), "fill"), "#ff0000");
  EXPECT_EQ(Attribute(ElementAround(svg, ">3<"), "fill"), "");
  EXPECT_EQ(Attribute(ElementAround(svg, ">-9<"), "fill"), "");
  EXPECT_EQ(Attribute(ElementAround(svg, "M" + X(96) + ' ' + Y(45) + "h48v15h-48z"), "fill"), "#ffff00");
  EXPECT_TRUE(ElementAround(svg, "M" + X(96) + ' ' + Y(30) + "h48v15h-48z").empty());
}

TEST_F(SheetSvg, FontsAndExplicitAlignmentsAreKept) {
  sheet->SetCellFromText(2, 2, "Title");
  CellStyle* s = sheet->MutableStyle(2, 2);
  s->font.bold = true;
  s->font.size = 14;
  s->font.name = "Arial";
  s->font.colorIndex = 3;
  s->horizontalAlignment = -4108;
  s->verticalAlignment = -4160;
  sheet->SetValue(3, 2, CellValue::Number(7));
  sheet->MutableStyle(3, 2)->horizontalAlignment = -4131;
  std::string title = ElementAround(Render(), ">Title<");
  EXPECT_EQ(Attribute(title, "font-weight"), "bold");
  EXPECT_EQ(Attribute(title, "font-size"), "14");
  EXPECT_EQ(Attribute(title, "font-family"), "Arial, sans-serif");
  EXPECT_EQ(Attribute(title, "fill"), "#ff0000");
  EXPECT_EQ(Attribute(title, "text-anchor"), "middle");
  EXPECT_EQ(Attribute(title, "x"), X(72));
  EXPECT_LT(std::stod(Attribute(title, "y")), std::stod(Y(30)));  // top-aligned in row 2 (15..30)
  EXPECT_EQ(Attribute(ElementAround(Render(), ">7<"), "text-anchor"), "");
}

TEST_F(SheetSvg, TextSpillsOverEmptyNeighboursAndIsCutAtTheNextFilledCell) {
  const std::string text = "A heading that is long";
  sheet->SetCellFromText(1, 1, text);
  std::string svg = Render();
  EXPECT_FALSE(ElementAround(svg, ">" + text + "<").empty());
  EXPECT_TRUE(testing::ClipAround(svg, ">" + text + "<").empty());
  sheet->SetCellFromText(1, 2, "next");
  svg = Render();
  // The text keeps every character; the viewport around it ends where B begins.
  EXPECT_FALSE(ElementAround(svg, ">" + text + "<").empty());
  std::string clip = testing::ClipAround(svg, ">" + text + "<");
  ASSERT_FALSE(clip.empty());
  EXPECT_EQ(Attribute(clip, "x"), X(0));
  EXPECT_EQ(Attribute(clip, "width"), "48");
}

TEST_F(SheetSvg, TextIsEscaped) {
  sheet->SetCellFromText(1, 1, "<a & b>");
  Shape& box = sheet->Shapes().AddTextBox(10, 10, 100, 40);
  box.textFrame.text = "\"quoted\"";
  sheet->Shapes().Rename(box, "Box <1>");
  std::string svg = Render();
  EXPECT_NE(svg.find(">&lt;a &amp; b&gt;<"), std::string::npos);
  EXPECT_NE(svg.find("data-shape=\"Box &lt;1&gt;\""), std::string::npos);
  EXPECT_NE(svg.find("&quot;quoted&quot;"), std::string::npos);
  EXPECT_EQ(svg.find("<a & b>"), std::string::npos);
}

TEST_F(SheetSvg, TextBoxesShowTheirLinesInsideTheMargins) {
  Shape& box = sheet->Shapes().AddTextBox(10, 10, 200, 60);
  sheet->Shapes().Rename(box, "Note");
  box.textFrame.text = "First line\rSecond line";
  std::string group = ShapeGroup(Render(), "Note");
  EXPECT_EQ(Count(group, "<tspan"), 2u);
  EXPECT_EQ(Attribute(ElementAround(group, "<tspan"), "x"), X(10 + 7.2));
  EXPECT_EQ(Texts(group), std::vector<std::string>{"First lineSecond line"});
  EXPECT_EQ(Attribute(ElementAround(group, "<path"), "fill"), "#ffffff");
  EXPECT_EQ(Attribute(ElementAround(group, "<path"), "stroke"), "none");
}

TEST_F(SheetSvg, ConnectorsRunFromBeginToEndWithArrowheads) {
  Shape& straight = sheet->Shapes().AddConnector(1, 10, 10, 110, 60);
  sheet->Shapes().Rename(straight, "Straight");
  straight.line.endArrowheadStyle = 2;
  Shape& elbow = sheet->Shapes().AddConnector(2, 110, 100, 10, 160);  // drawn right to left
  sheet->Shapes().Rename(elbow, "Elbow");
  elbow.line.endArrowheadStyle = 2;
  std::string svg = Render();

  std::string s = ShapeGroup(svg, "Straight");
  EXPECT_EQ(Attribute(ElementAround(s, "<path"), "d"), "M" + X(10) + ' ' + Y(10) + "L" + X(110) + ' ' + Y(60));
  EXPECT_EQ(Attribute(ElementAround(s, "<path"), "fill"), "none");
  EXPECT_EQ(Count(s, "<path"), 2u);
  EXPECT_EQ(Attribute(ElementAround(s, "<path", s.find("<path") + 1), "d").rfind("M" + X(110) + ' ' + Y(60), 0), 0u);

  std::string e = ShapeGroup(svg, "Elbow");
  EXPECT_EQ(Attribute(ElementAround(e, "<path"), "d"),
            "M" + X(110) + ' ' + Y(100) + "H" + X(60) + "V" + Y(160) + "H" + X(10));
  std::string head = Attribute(ElementAround(e, "<path", e.find("<path") + 1), "d");
  EXPECT_EQ(head.rfind("M" + X(10) + ' ' + Y(160), 0), 0u) << head;  // the tip at the end point
  // The head points left: its base lies to the right of the tip.
  EXPECT_NE(head.find("L" + Num(std::stod(X(10)) + 5.25)), std::string::npos) << head;
}

TEST_F(SheetSvg, FreeformsRunThroughTheirNodes) {
  Shape& line = sheet->Shapes().AddFreeform({{0, 0, 10, 10}, {0, 0, 50, 30}, {0, 0, 90, 10}});
  sheet->Shapes().Rename(line, "ProgressLine");
  line.line.foreColor = 0x0000FF;
  std::string path = ElementAround(ShapeGroup(Render(), "ProgressLine"), "<path");
  EXPECT_EQ(Attribute(path, "d"), "M" + X(10) + ' ' + Y(10) + "L" + X(50) + ' ' + Y(30) + "L" + X(90) + ' ' + Y(10));
  EXPECT_EQ(Attribute(path, "fill"), "none");  // an open line has no fill
  EXPECT_EQ(Attribute(path, "stroke"), "#ff0000");

  Shape& closed = sheet->Shapes().AddFreeform({{0, 0, 10, 50}, {0, 0, 50, 50}, {0, 0, 30, 70}, {0, 0, 10, 50}});
  sheet->Shapes().Rename(closed, "Outline");
  path = ElementAround(ShapeGroup(Render(), "Outline"), "<path");
  EXPECT_EQ(Attribute(path, "d").back(), 'Z');
  EXPECT_EQ(Attribute(path, "fill"), "#4472c4");
}

class ChartSvg : public SheetSvg {
 protected:
  void SetUp() override {
    SheetSvg::SetUp();
    const char* weeks[] = {"W1", "W2", "W3", "W4"};
    for (int i = 0; i < 4; ++i) {
      sheet->SetCellFromText(i + 2, 1, weeks[i]);
      sheet->SetValue(i + 2, 2, CellValue::Number(i * 25.0));
      sheet->SetFormula(i + 2, 3, "=B" + std::to_string(i + 2) + "*0.8");
    }
    chart = std::make_shared<Chart>();
    chart->chartType = 65;
    chart->hasTitle = true;
    chart->title = "Progress";
    chart->series = {{"Planned", "Plan!$B$2:$B$5", "Plan!$A$2:$A$5"}, {"Earned", "Plan!$C$2:$C$5", "Plan!$A$2:$A$5"}};
    Shape& s = sheet->Shapes().AddChart(chart, 200, 20, 360, 216);
    sheet->Shapes().Rename(s, "EVM");
  }
  std::shared_ptr<Chart> chart;
};

TEST_F(ChartSvg, ShowsTitleLegendAxesAndTheSeriesValues) {
  std::string group = ShapeGroup(Render(), "EVM");
  ASSERT_FALSE(group.empty());
  auto texts = Texts(group);
  for (const char* expected : {"Progress", "Planned", "Earned", "W1", "W4", "0", "80"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  EXPECT_NE(ElementAround(group, "class=\"legend\"").size(), 0u);

  for (const char* name : {"Planned", "Earned"}) {
    std::string series = group.substr(group.find("data-series=\"" + std::string(name) + "\""));
    std::string d = Attribute(ElementAround(series, "<path"), "d");
    EXPECT_EQ(Count(d, "M") + Count(d, "L"), 4u) << name;  // one point per value
    EXPECT_EQ(Count(series.substr(0, series.find("</g></g>")), "<circle"), 4u) << name;  // markers
  }
  // Higher values are drawn higher up.
  std::string planned = group.substr(group.find("data-series=\"Planned\""));
  std::string first = ElementAround(planned, "<circle"), last = ElementAround(planned, "<circle cx", planned.rfind("<circle"));
  EXPECT_GT(std::stod(Attribute(first, "cy")), std::stod(Attribute(last, "cy")));
}

TEST_F(ChartSvg, FollowsTheCellsItReads) {
  sheet->SetValue(5, 2, CellValue::Text("n/a"));  // a gap in the line
  std::string group = ShapeGroup(Render(), "EVM");
  std::string series = group.substr(group.find("data-series=\"Planned\""));
  EXPECT_EQ(Count(Attribute(ElementAround(series, "<path"), "d"), "L"), 2u);
  chart->series[0].values = "Nowhere!$Z$1:$Z$3";  // a reference that does not resolve
  chart->hasTitle = false;
  group = ShapeGroup(Render(), "EVM");
  auto texts = Texts(group);
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "Progress"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Planned"), texts.end());
}

TEST(NiceScale, CoversTheValuesInRoundSteps) {
  struct Case {
    double low, high;
    AxisScale expected;
  } cases[] = {
      {0, 100, {0, 100, 20}}, {0, 7, {0, 8, 2}},     {-3, 12, {-5, 15, 5}},
      {5, 5, {0, 5, 1}},      {0, 0, {0, 1, 0.2}},   {0.2, 0.9, {0, 1, 0.2}},
  };
  for (const auto& c : cases) {
    AxisScale s = NiceScale(c.low, c.high);
    EXPECT_DOUBLE_EQ(s.low, c.expected.low) << c.low << ".." << c.high;
    EXPECT_DOUBLE_EQ(s.high, c.expected.high) << c.low << ".." << c.high;
    EXPECT_DOUBLE_EQ(s.step, c.expected.step) << c.low << ".." << c.high;
  }
}

TEST_F(SheetSvg, UnknownAndChartSheetsGiveAnErrorNamingThem) {
  RenderResult r = RenderSheetSvg(book, "Nope");
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.error.find("\"Nope\""), std::string::npos);
  EXPECT_TRUE(r.text.empty());
  book.AddChartSheet("Chart1");
  r = RenderSheetSvg(book, "chart1");
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.error.find("Chart1"), std::string::npos);
}

TEST_F(SheetSvg, FindsTheSheetByCodeNameOrNameWithoutRegardToCase) {
  sheet->codeName = "shWbs";
  EXPECT_TRUE(RenderSheetSvg(book, "SHWBS").ok());
  EXPECT_TRUE(RenderSheetSvg(book, "plan").ok());
}

TEST_F(SheetSvg, ShapesFarAwayStayWithinTheDrawnLimits) {
  Shape& far = sheet->Shapes().AddAutoShape(kShapeRectangle, 1e12, 1e12, 10, 10);
  (void)far;
  SheetLayout layout(*sheet);
  EXPECT_EQ(layout.LastRow(), SheetLayout::kMaxDrawnRows);
  EXPECT_EQ(layout.LastColumn(), SheetLayout::kMaxDrawnColumns);
}

}  // namespace
}  // namespace korvat::host::render
