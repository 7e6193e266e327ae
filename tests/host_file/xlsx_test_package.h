#pragma once
// Builds workbook packages part by part for the package tests: a minimal workbook whose
// parts a test replaces or adds to.

#include <map>
#include <string>

#include "host/file/xlsx_package.h"

namespace korvat::host::file::xlsx::testing {

using Parts = std::map<std::string, std::string>;

inline const char* kSheetNs =
    "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

// One worksheet "Data" (xl/worksheets/sheet1.xml) with `sheetData` inside <sheetData>, a
// styles part and a shared strings part of "alpha", "beta".
inline Parts MinimalWorkbook(const std::string& sheetData = "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>") {
  Parts p;
  p["[Content_Types].xml"] =
      "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/xl/workbook.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
      "<Override PartName=\"/xl/worksheets/sheet1.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/></Types>";
  p["_rels/.rels"] =
      "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
      "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  p["xl/workbook.xml"] = std::string("<?xml version=\"1.0\"?><workbook ") + kSheetNs +
                         "><sheets><sheet name=\"Data\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
  p["xl/_rels/workbook.xml.rels"] =
      "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
      "Target=\"worksheets/sheet1.xml\"/>"
      "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
      "Target=\"styles.xml\"/>"
      "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
      "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";
  p["xl/worksheets/sheet1.xml"] =
      std::string("<?xml version=\"1.0\"?><worksheet ") + kSheetNs + "><sheetData>" + sheetData + "</sheetData></worksheet>";
  p["xl/styles.xml"] = std::string("<?xml version=\"1.0\"?><styleSheet ") + kSheetNs +
                       "><fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
                       "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill><fill><patternFill "
                       "patternType=\"gray125\"/></fill></fills><borders count=\"1\"><border/></borders>"
                       "<cellXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellXfs>"
                       "</styleSheet>";
  p["xl/sharedStrings.xml"] = std::string("<?xml version=\"1.0\"?><sst ") + kSheetNs +
                              " count=\"2\"><si><t>alpha</t></si><si><r><t>be</t></r><r><t>ta</t></r></si></sst>";
  return p;
}

// The sheet part with `inside` as the children of <worksheet>.
inline std::string SheetPart(const std::string& inside) {
  return std::string("<?xml version=\"1.0\"?><worksheet ") + kSheetNs + ">" + inside + "</worksheet>";
}

inline std::string Zip(const Parts& parts) {
  Package package;
  package.Put("[Content_Types].xml", parts.count("[Content_Types].xml") ? parts.at("[Content_Types].xml") : "");
  for (const auto& [name, data] : parts)
    if (name != "[Content_Types].xml") package.Put(name, data);
  if (!parts.count("[Content_Types].xml")) package.Remove("[Content_Types].xml");
  std::string bytes, error;
  WritePackage(package, &bytes, &error);
  return bytes;
}

}  // namespace korvat::host::file::xlsx::testing
