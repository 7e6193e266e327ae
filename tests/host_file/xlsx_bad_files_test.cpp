// Bad packages get one clear message naming the place, and never a crash.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "host/file/workbook_file.h"
#include "host/file/xlsx_reader.h"
#include "xlsx_test_package.h"

namespace korvat::host::file::xlsx {
namespace {

using testing::MinimalWorkbook;
using testing::Parts;
using testing::SheetPart;
using testing::Zip;

const char* kDrawingRels =
    "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing\" "
    "Target=\"../drawings/drawing1.xml\"/></Relationships>";

std::string AnchoredAt(int row) {
  return "<?xml version=\"1.0\"?><xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
         "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><xdr:twoCellAnchor><xdr:from><xdr:col>0</xdr:col>"
         "<xdr:colOff>0</xdr:colOff><xdr:row>" + std::to_string(row) + "</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from>"
         "<xdr:to><xdr:col>1</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>" + std::to_string(row) +
         "</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:to><xdr:sp><xdr:nvSpPr><xdr:cNvPr id=\"2\" name=\"Bar 9\"/>"
         "<xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"rect\"/></xdr:spPr></xdr:sp><xdr:clientData/>"
         "</xdr:twoCellAnchor></xdr:wsDr>";
}

Parts WithDrawing(const std::string& drawing) {
  Parts p = MinimalWorkbook();
  p["xl/worksheets/sheet1.xml"] = SheetPart("<sheetData/><drawing r:id=\"rId1\"/>");
  p["xl/worksheets/_rels/sheet1.xml.rels"] = kDrawingRels;
  p["xl/drawings/drawing1.xml"] = drawing;
  return p;
}

Parts With(Parts p, const std::string& name, const std::string& data) {
  p[name] = data;
  return p;
}

Parts Without(Parts p, const std::string& name) {
  p.erase(name);
  return p;
}

// Rewrites the uncompressed size the zip's records declare for an entry.
std::string DeclareSize(std::string zip, const std::string& name, uint32_t size) {
  auto put32 = [&](size_t at) { std::memcpy(&zip[at], &size, 4); };
  for (size_t at = zip.find(name); at != std::string::npos; at = zip.find(name, at + 1)) {
    if (at >= 30 && zip.compare(at - 30, 4, "PK\x03\x04") == 0) put32(at - 30 + 22);
    if (at >= 46 && zip.compare(at - 46, 4, "PK\x01\x02") == 0) put32(at - 46 + 24);
  }
  return zip;
}

struct BadCase {
  const char* what;
  std::string bytes;
  const char* expected;  // the message holds this
  PackageLimits limits = {};
};

TEST(XlsxBadFiles, EachGetsOneMessageNamingThePlace) {
  const std::string good = Zip(MinimalWorkbook());
  const std::string big(2 << 20, 'x');
  PackageLimits small;
  small.maxEntryBytes = 1 << 20;
  const BadCase cases[] = {
      {"not a zip", "this is plain text, not a package", "not a zip package"},
      {"empty file", "", "not a zip package"},
      {"truncated zip", good.substr(0, good.size() / 2), "a truncated zip package (its directory at the end is missing)"},
      {"zip cut before its directory", good.substr(0, good.size() - 30), "zip package"},
      {"no content types", Zip(Without(MinimalWorkbook(), "[Content_Types].xml")), "[Content_Types].xml: missing"},
      {"missing workbook part", Zip(Without(MinimalWorkbook(), "xl/workbook.xml")),
       "the package has no workbook part (xl/workbook.xml)"},
      {"missing sheet part", Zip(Without(MinimalWorkbook(), "xl/worksheets/sheet1.xml")),
       "xl/worksheets/sheet1.xml: the package has no such part"},
      {"malformed workbook XML", Zip(With(MinimalWorkbook(), "xl/workbook.xml", "<workbook><sheets></workbook>")),
       "xl/workbook.xml: malformed XML at byte"},
      {"malformed sheet XML", Zip(With(MinimalWorkbook(), "xl/worksheets/sheet1.xml", SheetPart("<sheetData><row>"))),
       "xl/worksheets/sheet1.xml: malformed XML"},
      {"entry climbing out", Zip(With(MinimalWorkbook(), "../../etc/evil.xml", "x")),
       "entry \"../../etc/evil.xml\": not a safe part name"},
      {"absolute entry", Zip(With(MinimalWorkbook(), "xl/../../up.xml", "x")), "not a safe part name"},
      {"relationship climbing out",
       Zip(With(MinimalWorkbook(), "xl/_rels/workbook.xml.rels",
                "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
                "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                "Target=\"../../../outside.xml\"/></Relationships>")),
       "leaves the package"},
      {"entry past the size limit", Zip(With(MinimalWorkbook(), "xl/media/big.bin", big)),
       "entry \"xl/media/big.bin\": declares 2097152 bytes uncompressed, past the limit", small},
      {"entry that inflates past its declared size", DeclareSize(Zip(With(MinimalWorkbook(), "xl/media/big.bin", big)),
                                                                 "xl/media/big.bin", 100),
       "entry \"xl/media/big.bin\": inflates past the 100 bytes its directory declares"},
      {"shared string out of range",
       Zip(MinimalWorkbook("<row r=\"3\"><c r=\"B3\" t=\"s\"><v>7</v></c></row>")),
       "xl/worksheets/sheet1.xml: cell B3: shared string 7 is out of range (the package has 2)"},
      {"style out of range", Zip(MinimalWorkbook("<row r=\"2\"><c r=\"C2\" s=\"4\"><v>1</v></c></row>")),
       "xl/worksheets/sheet1.xml: cell C2: style 4 is out of range (the styles part has 1)"},
      {"font of a style out of range",
       Zip(With(MinimalWorkbook(), "xl/styles.xml",
                std::string("<styleSheet ") + testing::kSheetNs +
                    "><fonts count=\"1\"><font/></fonts><cellXfs><xf fontId=\"3\"/></cellXfs></styleSheet>")),
       "xl/styles.xml: cellXfs[0]: font 3 is out of range (the part has 1)"},
      {"row beyond the sheet", Zip(MinimalWorkbook("<row r=\"1048577\"><c><v>1</v></c></row>")),
       "xl/worksheets/sheet1.xml: row 1048577 is outside the sheet"},
      {"cell outside its row", Zip(MinimalWorkbook("<row r=\"2\"><c r=\"A3\"><v>1</v></c></row>")),
       "cell A3: lies outside its row 2"},
      {"number that is not one", Zip(MinimalWorkbook("<row r=\"2\"><c r=\"A2\"><v>12abc</v></c></row>")),
       "cell A2: \"12abc\" is not a number"},
      {"shape anchored beyond the sheet", Zip(WithDrawing(AnchoredAt(1048576))),
       "xl/drawings/drawing1.xml: anchor 1 (shape \"Bar 9\"): anchored to row 1048577, beyond the sheet"},
      {"malformed drawing", Zip(WithDrawing("<xdr:wsDr><xdr:twoCellAnchor>")), "xl/drawings/drawing1.xml: malformed XML"},
      {"sheet name that is not one",
       Zip(With(MinimalWorkbook(), "xl/workbook.xml",
                std::string("<workbook ") + testing::kSheetNs +
                    "><sheets><sheet name=\"a/b\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")),
       "xl/workbook.xml: sheet 1: \"a/b\" is not a valid sheet name"},
  };
  for (const BadCase& c : cases) {
    XlsxRead read = ReadXlsx(c.bytes, c.limits);
    EXPECT_EQ(read.workbook, nullptr) << c.what;
    EXPECT_EQ(read.source, nullptr) << c.what;
    EXPECT_NE(read.error.find(c.expected), std::string::npos) << c.what << ": got \"" << read.error << "\"";
  }
}

TEST(XlsxBadFiles, HostileButWellFormedPartsAreReadWithoutBlowingUp) {
  std::string deep = "<row r=\"1\"><c r=\"A1\"><v>";
  for (int i = 0; i < 200000; ++i) deep += "<a>";
  deep += "7";
  for (int i = 0; i < 200000; ++i) deep += "</a>";
  deep += "</v></c></row>";
  std::string cols = "<cols>";
  for (int i = 0; i < 20000; ++i) cols += "<col min=\"1\" max=\"16384\" width=\"20\"/>";
  cols += "<col min=\"2\" max=\"2\" width=\"9\" hidden=\"1\"/></cols>";
  std::string sqref;
  for (int r = 1; r <= 5000; ++r) sqref += (r > 1 ? " A" : "A") + std::to_string(r);
  std::string rules;
  for (int i = 1; i <= 5; ++i)
    rules += "<cfRule type=\"cellIs\" priority=\"" + std::to_string(i) + "\" operator=\"equal\"><formula>1</formula></cfRule>";
  Parts p = MinimalWorkbook();
  p["xl/worksheets/sheet1.xml"] = SheetPart(cols + "<sheetData>" + deep + "</sheetData><conditionalFormatting sqref=\"" +
                                            sqref + "\">" + rules + "</conditionalFormatting>");
  XlsxRead read = ReadXlsx(Zip(p));
  ASSERT_TRUE(read.workbook) << read.error;
  const Worksheet& ws = *read.workbook->FindWorksheet("Data");
  EXPECT_EQ(ws.Value(1, 1), CellValue::Number(7));
  EXPECT_EQ(ws.Columns().Size(16384), 105.0);
  EXPECT_TRUE(ws.Columns().Hidden(2));
  EXPECT_FALSE(ws.Columns().Hidden(3));
  EXPECT_TRUE(ws.ConditionalFormats().empty()) << "a format over 5,000 ranges stays in the part as it was";
  ASSERT_EQ(read.source->sheets.size(), 1u);
  EXPECT_EQ(read.source->sheets[0].carriedConditionalFormats.size(), 1u);
}

TEST(XlsxBadFiles, TheSameShapeOnTheLastRowIsRead) {
  XlsxRead read = ReadXlsx(Zip(WithDrawing(AnchoredAt(1048575))));
  ASSERT_TRUE(read.workbook) << read.error;
  const Shape* bar = read.workbook->FindWorksheet("Data")->Shapes().Find("Bar 9");
  ASSERT_NE(bar, nullptr);
  EXPECT_DOUBLE_EQ(bar->top, 15.0 * 1048575);
}

TEST(XlsxBadFiles, LoadingAFileNamesTheFileAndSavesNothing) {
  const std::string dir = ::testing::TempDir();
  const std::string bad = dir + "bad.xlsx";
  FILE* f = std::fopen(bad.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("PK\x03\x04 not really", f);
  std::fclose(f);
  LoadResult loaded = LoadWorkbook(bad);
  EXPECT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.error.rfind(bad + ": ", 0), 0u) << loaded.error;
  EXPECT_EQ(loaded.package, nullptr);
  std::remove(bad.c_str());
  EXPECT_NE(LoadWorkbook(dir + "absent.xlsm").error.find("cannot open the file"), std::string::npos);
}

}  // namespace
}  // namespace korvat::host::file::xlsx
