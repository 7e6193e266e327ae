#pragma once
// What a workbook package held beyond the model: every part as read (written back byte for
// byte unless the model's parts replace it), the markup of the parts the model reads (so
// that their elements the model does not hold are carried over), and which sheet of the
// model came from which part.

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "host/file/xlsx_opc.h"
#include "host/file/xlsx_package.h"
#include "host/model/sheet.h"

namespace korvat::host::file {

class PackageSource {
 public:
  struct SheetPart {
    std::weak_ptr<Sheet> sheet;  // expires when the sheet is deleted
    std::string part;
    int sheetId = 0;
    bool veryHidden = false;
    std::shared_ptr<pugi::xml_document> doc;
    xlsx::Relationships rels;
    std::string drawingPart;
    std::shared_ptr<pugi::xml_document> drawingDoc;
    xlsx::Relationships drawingRels;
    std::vector<std::string> chartParts;  // charts of the drawing (replaced on writing)
    std::vector<std::string> carriedAnchors;
    std::vector<std::string> carriedConditionalFormats;
  };

  xlsx::Package package;
  xlsx::ContentTypes types;
  std::string workbookPart;
  std::shared_ptr<pugi::xml_document> workbookDoc;
  xlsx::Relationships workbookRels;
  std::shared_ptr<pugi::xml_document> stylesDoc;
  std::vector<SheetPart> sheets;
  std::vector<std::string> carriedSheets;  // <sheet> markup of sheets the model does not hold
  bool macroEnabled = false;

  // The part a sheet of the model came from; null for a sheet added since.
  const SheetPart* PartOf(const Sheet& sheet) const;
};

}  // namespace korvat::host::file
