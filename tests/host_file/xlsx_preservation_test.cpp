// Nothing is lost: parts the model does not hold are written back byte for byte, the parts it
// reads keep the elements it does not hold, and an .xlsm keeps its macro project.

#include <gtest/gtest.h>

#include "host/file/workbook_file.h"
#include "host/file/xlsx_reader.h"
#include "host/file/xlsx_writer.h"
#include "xlsx_test_package.h"

namespace korvat::host::file::xlsx {
namespace {

using testing::MinimalWorkbook;
using testing::Parts;
using testing::SheetPart;
using testing::Zip;

const std::string kMacroProject("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x01\x02macro project\xFF\x00", 24);
const std::string kImage("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR fake image", 28);

std::string Rel(const std::string& id, const std::string& role, const std::string& target) {
  return "<Relationship Id=\"" + id + "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" +
         role + "\" Target=\"" + target + "\"/>";
}

std::string Rels(const std::string& inside) {
  return "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
         inside + "</Relationships>";
}

// A workbook with a macro project, custom XML, a theme, printer settings, comments with
// their VML drawing, a picture in the sheet's drawing, and sheet and workbook elements the
// model does not hold.
Parts RichPackage() {
  Parts p = MinimalWorkbook("<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\" t=\"s\"><v>0</v></c></row>");
  p["[Content_Types].xml"] =
      "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Default Extension=\"bin\" ContentType=\"application/vnd.ms-office.vbaProject\"/>"
      "<Default Extension=\"png\" ContentType=\"image/png\"/>"
      "<Default Extension=\"vml\" ContentType=\"application/vnd.openxmlformats-officedocument.vmlDrawing\"/>"
      "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd.ms-excel.sheet.macroEnabled.main+xml\"/>"
      "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
      "<Override PartName=\"/xl/drawings/drawing1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.drawing+xml\"/>"
      "<Override PartName=\"/xl/comments1.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.comments+xml\"/>"
      "<Override PartName=\"/xl/theme/theme1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.theme+xml\"/>"
      "<Override PartName=\"/xl/calcChain.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/></Types>";
  p["xl/_rels/workbook.xml.rels"] = Rels(Rel("rId1", "worksheet", "worksheets/sheet1.xml") +
                                         Rel("rId2", "styles", "styles.xml") +
                                         Rel("rId3", "sharedStrings", "sharedStrings.xml") +
                                         Rel("rId4", "theme", "theme/theme1.xml") +
                                         "<Relationship Id=\"rId5\" Type=\"http://schemas.microsoft.com/office/2006/"
                                         "relationships/vbaProject\" Target=\"vbaProject.bin\"/>" +
                                         Rel("rId6", "calcChain", "calcChain.xml") +
                                         Rel("rId7", "customXml", "../customXml/item1.xml"));
  p["xl/workbook.xml"] = std::string("<?xml version=\"1.0\"?><workbook ") + testing::kSheetNs +
                         "><workbookPr codeName=\"ThisWorkbook\"/><workbookProtection lockStructure=\"1\"/>"
                         "<sheets><sheet name=\"Data\" sheetId=\"7\" r:id=\"rId1\"/></sheets><definedNames>"
                         "<definedName name=\"_xlnm._FilterDatabase\" localSheetId=\"0\" hidden=\"1\">Data!$A$1:$B$1"
                         "</definedName></definedNames><calcPr calcId=\"191029\" fullCalcOnLoad=\"1\"/></workbook>";
  p["xl/worksheets/sheet1.xml"] = SheetPart(
      "<sheetPr codeName=\"wsData\"><tabColor rgb=\"FFFF0000\"/></sheetPr><dimension ref=\"A1:B1\"/>"
      "<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\" t=\"s\"><v>0</v></c></row></sheetData>"
      "<sheetProtection sheet=\"1\"/><mergeCells count=\"1\"><mergeCell ref=\"C3:D4\"/></mergeCells>"
      "<dataValidations count=\"1\"><dataValidation type=\"list\" sqref=\"A2\"><formula1>\"a,b\"</formula1>"
      "</dataValidation></dataValidations><hyperlinks><hyperlink ref=\"A5\" r:id=\"rId9\"/></hyperlinks>"
      "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
      "<pageSetup orientation=\"landscape\" r:id=\"rId3\"/><drawing r:id=\"rId1\"/><legacyDrawing r:id=\"rId2\"/>");
  p["xl/worksheets/_rels/sheet1.xml.rels"] =
      Rels(Rel("rId1", "drawing", "../drawings/drawing1.xml") + Rel("rId2", "vmlDrawing", "../drawings/vmlDrawing1.vml") +
           Rel("rId3", "printerSettings", "../printerSettings/printerSettings1.bin") +
           Rel("rId4", "comments", "../comments1.xml") +
           "<Relationship Id=\"rId9\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "hyperlink\" Target=\"https://example.invalid/\" TargetMode=\"External\"/>");
  p["xl/drawings/drawing1.xml"] =
      "<?xml version=\"1.0\"?><xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
      "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
      "<xdr:twoCellAnchor><xdr:from><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>1</xdr:row><xdr:rowOff>0"
      "</xdr:rowOff></xdr:from><xdr:to><xdr:col>2</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>2</xdr:row><xdr:rowOff>0"
      "</xdr:rowOff></xdr:to><xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"2\" name=\"Box\"/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr>"
      "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:solidFill><a:srgbClr val=\"FF0000\"/></a:solidFill></xdr:spPr>"
      "</xdr:sp><xdr:clientData/></xdr:twoCellAnchor>"
      "<xdr:oneCellAnchor><xdr:from><xdr:col>4</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>4</xdr:row><xdr:rowOff>0"
      "</xdr:rowOff></xdr:from><xdr:ext cx=\"100000\" cy=\"100000\"/><xdr:pic><xdr:nvPicPr><xdr:cNvPr id=\"3\" "
      "name=\"Logo\"/><xdr:cNvPicPr/></xdr:nvPicPr><xdr:blipFill><a:blip xmlns:r=\"http://schemas.openxmlformats.org/"
      "officeDocument/2006/relationships\" r:embed=\"rId1\"/></xdr:blipFill><xdr:spPr/></xdr:pic><xdr:clientData/>"
      "</xdr:oneCellAnchor></xdr:wsDr>";
  p["xl/drawings/_rels/drawing1.xml.rels"] = Rels(Rel("rId1", "image", "../media/image1.png"));
  p["xl/media/image1.png"] = kImage;
  p["xl/vbaProject.bin"] = kMacroProject;
  p["xl/theme/theme1.xml"] = "<?xml version=\"1.0\"?><a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"T\"/>";
  p["xl/calcChain.xml"] = "<?xml version=\"1.0\"?><calcChain/>";
  p["xl/comments1.xml"] = "<?xml version=\"1.0\"?><comments><commentList/></comments>";
  p["xl/drawings/vmlDrawing1.vml"] = "<xml><v:shape/></xml>";
  p["xl/printerSettings/printerSettings1.bin"] = std::string("\x01\x02\x03\x00printer", 11);
  p["customXml/item1.xml"] = "<?xml version=\"1.0\"?><custom>data</custom>";
  p["docProps/app.xml"] = "<?xml version=\"1.0\"?><Properties/>";
  return p;
}

struct Saved {
  Package package;
  std::unique_ptr<Workbook> book;
};

Saved LoadChangeAndSave(bool macro) {
  XlsxRead read = ReadXlsx(Zip(RichPackage()));
  EXPECT_TRUE(read.workbook) << read.error;
  Saved saved;
  if (!read.workbook) return saved;
  Worksheet* ws = read.workbook->FindWorksheet("Data");
  ws->SetValue(2, 1, CellValue::Text("changed"));
  ws->Shapes().AddAutoShape(1, 10, 10, 20, 20);
  std::string bytes, error;
  EXPECT_TRUE(WriteXlsx(*read.workbook, read.source.get(), macro, &bytes, &error)) << error;
  EXPECT_TRUE(ReadPackage(bytes, {}, &saved.package, &error)) << error;
  XlsxRead again = ReadXlsx(bytes);
  EXPECT_TRUE(again.workbook) << again.error;
  saved.book = std::move(again.workbook);
  return saved;
}

TEST(XlsxPreservation, PartsTheModelDoesNotHoldAreWrittenBackByteForByte) {
  const Parts original = RichPackage();
  Saved saved = LoadChangeAndSave(true);
  for (const char* part : {"xl/vbaProject.bin", "xl/media/image1.png", "xl/theme/theme1.xml", "xl/comments1.xml",
                           "xl/drawings/vmlDrawing1.vml", "xl/printerSettings/printerSettings1.bin",
                           "customXml/item1.xml", "docProps/app.xml", "_rels/.rels"}) {
    const std::string* data = saved.package.Find(part);
    ASSERT_NE(data, nullptr) << part;
    EXPECT_EQ(*data, original.at(part)) << part;
  }
  // The calculation chain would name cells that no longer hold formulas.
  EXPECT_FALSE(saved.package.Contains("xl/calcChain.xml"));
  const std::string& types = *saved.package.Find("[Content_Types].xml");
  EXPECT_NE(types.find("macroEnabled.main+xml"), std::string::npos);
  EXPECT_EQ(types.find("calcChain"), std::string::npos);
  const std::string& rels = *saved.package.Find("xl/_rels/workbook.xml.rels");
  for (const char* target : {"vbaProject.bin", "theme/theme1.xml", "../customXml/item1.xml"})
    EXPECT_NE(rels.find(target), std::string::npos) << target;
  ASSERT_TRUE(saved.book);
  EXPECT_EQ(saved.book->FindWorksheet("Data")->Value(2, 1), CellValue::Text("changed"));
}

TEST(XlsxPreservation, ElementsTheModelDoesNotHoldStayInTheirParts) {
  Saved saved = LoadChangeAndSave(true);
  const std::string& sheet = *saved.package.Find("xl/worksheets/sheet1.xml");
  for (const char* kept : {"<tabColor rgb=\"FFFF0000\"/>", "<sheetProtection sheet=\"1\"/>", "<mergeCell ref=\"C3:D4\"/>",
                           "<formula1>\"a,b\"</formula1>", "<hyperlink ref=\"A5\" r:id=\"rId9\"/>",
                           "<pageSetup orientation=\"landscape\" r:id=\"rId3\"/>", "<legacyDrawing r:id=\"rId2\"/>"})
    EXPECT_NE(sheet.find(kept), std::string::npos) << kept << " in " << sheet;
  // In schema order: the protection after the cells, page setup before the drawing.
  EXPECT_LT(sheet.find("</sheetData>"), sheet.find("<sheetProtection"));
  EXPECT_LT(sheet.find("<mergeCells"), sheet.find("<dataValidations"));
  EXPECT_LT(sheet.find("<pageSetup"), sheet.find("<drawing "));
  EXPECT_LT(sheet.find("<drawing "), sheet.find("<legacyDrawing"));
  EXPECT_NE(sheet.find("codeName=\"wsData\""), std::string::npos);
  const std::string& sheetRels = *saved.package.Find("xl/worksheets/_rels/sheet1.xml.rels");
  for (const char* target : {"../drawings/vmlDrawing1.vml", "../printerSettings/printerSettings1.bin",
                             "../comments1.xml", "https://example.invalid/"})
    EXPECT_NE(sheetRels.find(target), std::string::npos) << target;
  const std::string& workbook = *saved.package.Find("xl/workbook.xml");
  EXPECT_NE(workbook.find("<workbookProtection lockStructure=\"1\"/>"), std::string::npos) << workbook;
  EXPECT_NE(workbook.find("<workbookPr codeName=\"ThisWorkbook\"/>"), std::string::npos);
  EXPECT_NE(workbook.find("fullCalcOnLoad=\"1\""), std::string::npos);
  EXPECT_NE(workbook.find("hidden=\"1\""), std::string::npos) << "the hidden flag of the filter name stays";
  EXPECT_NE(workbook.find("sheetId=\"7\""), std::string::npos);
}

TEST(XlsxPreservation, PicturesOfTheDrawingStayBesideTheModelsShapes) {
  Saved saved = LoadChangeAndSave(true);
  ASSERT_TRUE(saved.book);
  const Worksheet* ws = saved.book->FindWorksheet("Data");
  ASSERT_EQ(ws->Shapes().Count(), 2) << "the box that was read and the one added";
  EXPECT_EQ(ws->Shapes().At(0)->name, "Box");
  EXPECT_EQ(ws->Shapes().At(0)->fill.foreColor, 0x0000FF);
  std::string drawing;
  for (const auto& e : saved.package.Entries())
    if (e.name.rfind("xl/drawings/drawing", 0) == 0 && e.name.find(".rels") == std::string::npos) drawing = e.data;
  EXPECT_NE(drawing.find("name=\"Logo\""), std::string::npos) << drawing;
  EXPECT_NE(drawing.find("r:embed=\"rId1\""), std::string::npos);
  bool imageLinked = false;
  for (const auto& e : saved.package.Entries())
    if (e.name.rfind("xl/drawings/_rels/", 0) == 0) imageLinked = imageLinked || e.data.find("../media/image1.png") != std::string::npos;
  EXPECT_TRUE(imageLinked);
}

TEST(XlsxPreservation, AnXlsxLeavesTheMacroProjectOut) {
  Saved saved = LoadChangeAndSave(false);
  EXPECT_FALSE(saved.package.Contains("xl/vbaProject.bin"));
  EXPECT_EQ(saved.package.Find("xl/_rels/workbook.xml.rels")->find("vbaProject"), std::string::npos);
  const std::string& types = *saved.package.Find("[Content_Types].xml");
  EXPECT_NE(types.find("spreadsheetml.sheet.main+xml"), std::string::npos);
  EXPECT_EQ(types.find("macroEnabled.main+xml"), std::string::npos);
  EXPECT_TRUE(saved.package.Contains("xl/media/image1.png"));
}

// The reports add their sheets in front of the plan's: a new sheet must not take the part
// of a sheet read from the package, whose content would then be written over it.
TEST(XlsxPreservation, SheetsAddedInFrontKeepTheirOwnContentAndTheReadSheetsTheirs) {
  XlsxRead read = ReadXlsx(Zip(MinimalWorkbook()));
  ASSERT_TRUE(read.workbook) << read.error;
  Workbook& book = *read.workbook;
  for (int n : {2, 3}) {
    Worksheet* added = book.AddWorksheet("Report" + std::to_string(n), 0);
    ASSERT_NE(added, nullptr);
    added->SetValue(1, 1, CellValue::Number(n));
  }
  std::string bytes, error;
  ASSERT_TRUE(WriteXlsx(book, read.source.get(), false, &bytes, &error)) << error;
  XlsxRead again = ReadXlsx(bytes);
  ASSERT_TRUE(again.workbook) << again.error;

  const std::vector<std::pair<std::string, double>> expected = {{"Report3", 3}, {"Report2", 2}, {"Data", 1}};
  ASSERT_EQ(again.workbook->SheetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    const auto* sheet = dynamic_cast<const Worksheet*>(again.workbook->SheetAt(i));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->Name(), expected[i].first);
    EXPECT_EQ(sheet->Value(1, 1), CellValue::Number(expected[i].second)) << sheet->Name();
  }
}

TEST(XlsxPreservation, AnXlsmGoesThroughFilesWithItsMacroProject) {
  const std::string dir = ::testing::TempDir();
  const std::string in = dir + "macros-in.xlsm", out = dir + "macros-out.xlsm";
  {
    std::string bytes = Zip(RichPackage());
    FILE* f = std::fopen(in.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  LoadResult loaded = LoadWorkbook(in);
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  std::string error;
  ASSERT_TRUE(SaveWorkbook(*loaded.workbook, out, &error, loaded.package.get())) << error;
  LoadResult again = LoadWorkbook(out);
  ASSERT_TRUE(again.ok()) << again.error;
  ASSERT_NE(again.package, nullptr);
  const std::string* macros = again.package->package.Find("xl/vbaProject.bin");
  ASSERT_NE(macros, nullptr);
  EXPECT_EQ(*macros, kMacroProject);
  EXPECT_TRUE(again.package->macroEnabled);
  std::remove(in.c_str());
  std::remove(out.c_str());
}

}  // namespace
}  // namespace korvat::host::file::xlsx
