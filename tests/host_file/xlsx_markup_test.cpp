// Markup as other programs write it becomes the model the way the host reads it: styles,
// colours, column widths, anchors, shared formulas, strings, views and names.

#include <gtest/gtest.h>

#include "host/file/workbook_file.h"
#include "host/file/xlsx_reader.h"
#include "host/file/xlsx_worksheet.h"
#include "host/file/xlsx_writer.h"
#include "xlsx_test_package.h"

namespace korvat::host::file::xlsx {
namespace {

using testing::MinimalWorkbook;
using testing::Parts;
using testing::SheetPart;
using testing::Zip;

std::unique_ptr<Workbook> Read(const Parts& parts) {
  XlsxRead read = ReadXlsx(Zip(parts));
  EXPECT_TRUE(read.workbook) << read.error;
  return std::move(read.workbook);
}

Parts WithStyles(const std::string& styles, const std::string& sheetData) {
  Parts p = MinimalWorkbook(sheetData);
  p["xl/styles.xml"] = std::string("<styleSheet ") + testing::kSheetNs + ">" + styles + "</styleSheet>";
  return p;
}

TEST(XlsxMarkup, ColumnWidthsOfOtherProgramsRoundDownToWholePixels) {
  struct Case {
    double fileWidth;
    double points;
  } cases[] = {
      {9.140625, 48.0},    // the host's default, in 1/256 of a character
      {6.85, 36.0},        // two decimals, as some programs write
      {32.38, 170.25},
      {2.29, 12.0},
      {0.5, 2.25},
      {0, 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(PointsOfFileWidth(c.fileWidth, false), c.points) << c.fileWidth;
  for (double points : {48.0, 120.5, 17.3, 0.75, 3.0})
    EXPECT_EQ(PointsOfFileWidth(FileWidthOfPoints(points), true), points) << points;
}

TEST(XlsxMarkup, StylesMapToTheHostsFormats) {
  const std::string styles =
      "<numFmts count=\"1\"><numFmt numFmtId=\"170\" formatCode=\"yyyy/mm/dd\"/></numFmts>"
      "<fonts count=\"3\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
      "<font><b/><i val=\"0\"/><sz val=\"9.5\"/><color rgb=\"FFFF0000\"/><name val=\"Arial\"/></font>"
      "<font><sz val=\"11\"/><color theme=\"4\"/><name val=\"Calibri\"/></font></fonts>"
      "<fills count=\"4\"><fill><patternFill patternType=\"none\"/></fill><fill><patternFill patternType=\"gray125\"/></fill>"
      "<fill><patternFill patternType=\"solid\"><fgColor indexed=\"13\"/><bgColor indexed=\"64\"/></patternFill></fill>"
      "<fill><patternFill patternType=\"lightGray\"><fgColor indexed=\"2\"/><bgColor rgb=\"FF00FF00\"/></patternFill></fill>"
      "</fills><borders count=\"2\"><border/><border><left style=\"medium\"><color indexed=\"10\"/></left>"
      "<top style=\"dashed\"/><bottom style=\"double\"><color auto=\"1\"/></bottom><right style=\"hair\"/></border></borders>"
      "<cellXfs count=\"5\"><xf/><xf numFmtId=\"170\" fontId=\"1\" fillId=\"2\" borderId=\"1\"/>"
      "<xf numFmtId=\"49\" fontId=\"2\" fillId=\"3\"><alignment horizontal=\"center\" vertical=\"top\"/></xf>"
      "<xf numFmtId=\"14\"/><xf numFmtId=\"4\"/></cellXfs>";
  auto book = Read(WithStyles(styles, "<row r=\"1\"><c r=\"A1\" s=\"1\"/><c r=\"B1\" s=\"2\"/><c r=\"C1\" s=\"3\"/>"
                                      "<c r=\"D1\" s=\"4\"/></row>"));
  ASSERT_TRUE(book);
  const Worksheet& ws = *book->FindWorksheet("Data");
  const CellStyle& a = ws.Style(1, 1);
  EXPECT_EQ(a.numberFormat, "yyyy/mm/dd");
  EXPECT_TRUE(a.font.bold);
  EXPECT_FALSE(a.font.italic);
  EXPECT_EQ(a.font.size, 9.5);
  EXPECT_EQ(a.font.name, "Arial");
  EXPECT_EQ(a.font.color, 0x0000FF);
  EXPECT_EQ(a.font.colorIndex, 3);
  EXPECT_EQ(a.interior.pattern, 1);
  EXPECT_EQ(a.interior.colorIndex, 6);  // indexed 13: palette entry 6
  EXPECT_EQ(a.interior.patternColorIndex, kAutomatic);
  EXPECT_EQ(a.border(Edge::Left), (Border{1, -4138, 3}));
  EXPECT_EQ(a.border(Edge::Top), (Border{-4115, kThin, kAutomatic}));
  EXPECT_EQ(a.border(Edge::Bottom), (Border{-4119, 4, kAutomatic}));
  EXPECT_EQ(a.border(Edge::Right), (Border{1, 1, kAutomatic}));
  const CellStyle& b = ws.Style(1, 2);
  EXPECT_EQ(b.numberFormat, "@");
  EXPECT_EQ(b.font.color, 0xC47244) << "theme colour 4 is the first accent";
  EXPECT_EQ(b.interior.pattern, -4124);
  EXPECT_EQ(b.interior.color, 0x00FF00) << "a pattern's background is the cell's colour";
  EXPECT_EQ(b.interior.patternColorIndex, 3) << "indexes 0-7 repeat palette entries 1-8";
  EXPECT_EQ(b.horizontalAlignment, -4108);
  EXPECT_EQ(b.verticalAlignment, -4160);
  EXPECT_EQ(ws.Style(1, 3).numberFormat, "mm-dd-yy");
  EXPECT_EQ(ws.Style(1, 4).numberFormat, "#,##0.00");
}

TEST(XlsxMarkup, CellsOfEveryKindAndSharedFormulas) {
  auto book = Read(MinimalWorkbook(
      "<row r=\"1\"><c r=\"A1\"><v>2.5</v></c><c r=\"B1\" t=\"s\"><v>1</v></c><c r=\"C1\" t=\"b\"><v>1</v></c>"
      "<c r=\"D1\" t=\"e\"><v>#REF!</v></c><c r=\"E1\" t=\"inlineStr\"><is><t xml:space=\"preserve\"> in_x000D_line </t></is></c></row>"
      "<row r=\"2\"><c r=\"A2\"><f t=\"shared\" ref=\"A2:A4\" si=\"0\">A1*2</f><v>5</v></c><c><v>9</v></c></row>"
      "<row><c r=\"A3\"><f t=\"shared\" si=\"0\"/><v>10</v></c></row>"
      "<row r=\"4\"><c r=\"A4\"><f t=\"shared\" si=\"0\"/></c><c r=\"C4\" t=\"str\"><f>B1&amp;\"!\"</f><v>beta!</v></c></row>"));
  ASSERT_TRUE(book);
  const Worksheet& ws = *book->FindWorksheet("Data");
  EXPECT_EQ(ws.Value(1, 1), CellValue::Number(2.5));
  EXPECT_EQ(ws.Value(1, 2), CellValue::Text("beta")) << "rich text runs join";
  EXPECT_EQ(ws.Value(1, 3), CellValue::Boolean(true));
  EXPECT_EQ(ws.Value(1, 4), CellValue::Error(CellError::Ref));
  EXPECT_EQ(ws.Value(1, 5), CellValue::Text(" in\rline "));
  EXPECT_EQ(ws.Value(2, 2), CellValue::Number(9)) << "a cell without a reference follows the one before";
  EXPECT_EQ(ws.Formula(2, 1), "=A1*2");
  EXPECT_EQ(ws.Formula(3, 1), "=A2*2");
  EXPECT_EQ(ws.Formula(4, 1), "=A3*2");
  EXPECT_EQ(ws.Value(4, 1), CellValue::Number(20));
  EXPECT_EQ(ws.Value(4, 3), CellValue::Text("beta!"));
}

TEST(XlsxMarkup, AnchorsPlaceShapesOverTheirCells) {
  Parts p = MinimalWorkbook();
  p["xl/worksheets/sheet1.xml"] = SheetPart(
      "<cols><col min=\"2\" max=\"2\" width=\"20\" customWidth=\"1\"/><col min=\"3\" max=\"3\" width=\"9\" hidden=\"1\"/></cols>"
      "<sheetData><row r=\"2\" ht=\"30\" customHeight=\"1\"/><row r=\"3\" ht=\"40\"/></sheetData><drawing r:id=\"rId1\"/>");
  p["xl/worksheets/_rels/sheet1.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship Id=\"rId1\" "
      "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing\" Target=\"../drawings/d.xml\"/>"
      "</Relationships>";
  auto marker = [](const char* name, int col, int colOff, int row, int rowOff) {
    return std::string("<xdr:") + name + "><xdr:col>" + std::to_string(col) + "</xdr:col><xdr:colOff>" +
           std::to_string(colOff) + "</xdr:colOff><xdr:row>" + std::to_string(row) + "</xdr:row><xdr:rowOff>" +
           std::to_string(rowOff) + "</xdr:rowOff></xdr:" + name + ">";
  };
  auto sp = [](int id, const char* name, const char* extra = "") {
    return std::string("<xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"") + std::to_string(id) + "\" name=\"" + name +
           "\"/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"ellipse\"/>" + extra + "</xdr:spPr></xdr:sp>";
  };
  p["xl/drawings/d.xml"] =
      "<xdr:wsDr xmlns:xdr=\"x\" xmlns:a=\"a\">"
      "<xdr:twoCellAnchor editAs=\"oneCell\">" + marker("from", 1, 127000, 1, 0) + marker("to", 3, 0, 2, 190500) +
      sp(5, "Over B2") + "<xdr:clientData/></xdr:twoCellAnchor>"
      // An offset past a hidden column's edge stays at the edge.
      "<xdr:twoCellAnchor>" + marker("from", 2, 50000, 0, 0) + marker("to", 3, 12700, 1, 12700) +
      sp(6, "Past hidden", "<a:noFill/><a:ln w=\"19050\" cap=\"rnd\"><a:solidFill><a:schemeClr val=\"accent2\"/></a:solidFill>"
                           "<a:prstDash val=\"sysDot\"/><a:tailEnd type=\"stealth\"/></a:ln>") +
      "<xdr:clientData/></xdr:twoCellAnchor>"
      "<xdr:oneCellAnchor>" + marker("from", 0, 0, 3, 0) + "<xdr:ext cx=\"254000\" cy=\"127000\"/>" + sp(7, "One cell") +
      "<xdr:clientData/></xdr:oneCellAnchor>"
      "<xdr:absoluteAnchor><xdr:pos x=\"1270000\" y=\"635000\"/><xdr:ext cx=\"12700\" cy=\"25400\"/>" + sp(8, "Absolute") +
      "<xdr:clientData/></xdr:absoluteAnchor>"
      "<xdr:twoCellAnchor>" + marker("from", 0, 0, 0, 0) + marker("to", 1, 0, 1, 0) +
      "<xdr:cxnSp><xdr:nvCxnSpPr><xdr:cNvPr id=\"9\" name=\"Glue\"/><xdr:cNvCxnSpPr><a:stCxn id=\"5\" idx=\"3\"/>"
      "<a:endCxn id=\"42\" idx=\"0\"/></xdr:cNvCxnSpPr></xdr:nvCxnSpPr><xdr:spPr><a:prstGeom prst=\"bentConnector3\"/>"
      "</xdr:spPr></xdr:cxnSp><xdr:clientData/></xdr:twoCellAnchor></xdr:wsDr>";
  auto book = Read(p);
  ASSERT_TRUE(book);
  const Worksheet& ws = *book->FindWorksheet("Data");
  EXPECT_EQ(ws.ColumnWidth(2), 105.0);  // 20 characters: 140 pixels
  EXPECT_TRUE(ws.Columns().Hidden(3));
  EXPECT_EQ(ws.RowHeight(2), 30.0);
  EXPECT_EQ(ws.RowHeight(3), 15.0) << "a height without customHeight is the program's own fit";
  const Shape* over = ws.Shapes().Find("Over B2");
  ASSERT_NE(over, nullptr);
  EXPECT_EQ(over->autoShapeType, 9);
  EXPECT_EQ(over->placement, kPlacementMove);
  EXPECT_DOUBLE_EQ(over->left, 48 + 10);
  EXPECT_DOUBLE_EQ(over->top, 15);
  EXPECT_DOUBLE_EQ(over->width, 105 - 10);  // to column D's edge, past the hidden C
  EXPECT_DOUBLE_EQ(over->height, 30 + 15);
  const Shape* past = ws.Shapes().Find("Past hidden");
  EXPECT_DOUBLE_EQ(past->left, 48 + 105);
  EXPECT_EQ(past->placement, kPlacementMoveAndSize);
  EXPECT_FALSE(past->fill.visible);
  EXPECT_EQ(past->line.weight, 1.5);
  EXPECT_EQ(past->line.foreColor, 0x317DED);
  EXPECT_EQ(past->line.dashStyle, 3);
  EXPECT_EQ(past->line.endArrowheadStyle, 4);
  const Shape* one = ws.Shapes().Find("One cell");
  EXPECT_DOUBLE_EQ(one->top, 15 + 30 + 15);
  EXPECT_DOUBLE_EQ(one->width, 20);
  const Shape* absolute = ws.Shapes().Find("Absolute");
  EXPECT_EQ(absolute->placement, kPlacementFreeFloating);
  EXPECT_DOUBLE_EQ(absolute->left, 100);
  EXPECT_DOUBLE_EQ(absolute->height, 2);
  const Shape* glue = ws.Shapes().Find("Glue");
  ASSERT_EQ(glue->type, ShapeType::Connector);
  EXPECT_EQ(glue->connectorType, 2);
  EXPECT_EQ(glue->beginConnection, (ConnectorEnd{over->id, 4}));
  EXPECT_FALSE(glue->endConnection.connected()) << "an end glued to a shape the drawing lacks comes loose";
}

TEST(XlsxMarkup, ViewsNamesAndSheetStates) {
  Parts p = MinimalWorkbook();
  p["xl/workbook.xml"] = std::string("<workbook ") + testing::kSheetNs +
                         "><bookViews><workbookView activeTab=\"1\"/></bookViews><sheets>"
                         "<sheet name=\"Data\" sheetId=\"1\" r:id=\"rId1\" state=\"veryHidden\"/>"
                         "<sheet name=\"Second\" sheetId=\"2\" r:id=\"rId4\"/></sheets><definedNames>"
                         "<definedName name=\"Top\">Second!$A$1</definedName>"
                         "<definedName name=\"Local\" localSheetId=\"1\">$B$2:$C$3</definedName>"
                         "<definedName name=\"Gone\" localSheetId=\"5\">$B$2</definedName></definedNames></workbook>";
  p["xl/_rels/workbook.xml.rels"] =
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
      "Target=\"/xl/worksheets/sheet1.xml\"/>"
      "<Relationship Id=\"rId4\" Type=\"http://purl.oclc.org/ooxml/officeDocument/relationships/worksheet\" "
      "Target=\"worksheets/second%20sheet.xml\"/></Relationships>";
  p["xl/worksheets/second sheet.xml"] = SheetPart(
      "<sheetPr codeName=\"wsSecond\"/><sheetViews><sheetView zoomScale=\"75\" workbookViewId=\"0\"><pane xSplit=\"1\" "
      "activePane=\"topRight\"/><selection pane=\"topLeft\" sqref=\"A1\"/><selection pane=\"topRight\" activeCell=\"D4\" "
      "sqref=\"D4:E5 G7\"/></sheetView></sheetViews><sheetData/>");
  auto book = Read(p);
  ASSERT_TRUE(book);
  EXPECT_FALSE(book->SheetAt(0)->visible);
  EXPECT_EQ(book->App().activeSheet, "Second");
  EXPECT_EQ(book->App().zoom, 75);
  EXPECT_EQ(book->App().selection, "D4:E5,G7");
  EXPECT_EQ(book->SheetAt(1)->codeName, "wsSecond");
  EXPECT_EQ(*book->Names().Find("top"), "Second!$A$1");
  EXPECT_EQ(*book->FindWorksheet("Second")->Names().Find("Local"), "$B$2:$C$3");
  EXPECT_FALSE(book->Names().Find("Gone"));
  // Written again, the very hidden sheet stays very hidden.
  XlsxRead read = ReadXlsx(Zip(p));
  std::string bytes, error;
  ASSERT_TRUE(WriteXlsx(*read.workbook, read.source.get(), false, &bytes, &error)) << error;
  Package out;
  ASSERT_TRUE(ReadPackage(bytes, {}, &out, &error));
  EXPECT_NE(out.Find("xl/workbook.xml")->find("state=\"veryHidden\""), std::string::npos);
  EXPECT_TRUE(out.Contains("xl/worksheets/second sheet.xml"));
}

}  // namespace
}  // namespace korvat::host::file::xlsx
