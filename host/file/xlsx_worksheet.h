#pragma once
// A worksheet part: cells (values, shared and inline strings, formulas with their computed
// values), column widths and row heights with their hidden flags, the code name, the view
// (selection, zoom) and conditional formats. Elements the model does not hold (data
// validation, page setup, protection, merged cells, ...) are carried over from the part read.

#include <string>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

#include "host/file/xlsx_styles.h"
#include "host/model/worksheet.h"

namespace korvat::host::file::xlsx {

// Column widths: the file counts characters of the default font (7 pixels each, at 0.75
// points a pixel), the model points. Widths this writer wrote are exact (it marks its
// sheets); others are rounded down to whole pixels as the host does.
double FileWidthOfPoints(double points);
double PointsOfFileWidth(double width, bool exact);

class SharedStrings {
 public:
  int Index(const std::string& text);
  int Count() const { return static_cast<int>(list_.size()); }
  std::string Xml() const;

 private:
  std::vector<const std::string*> list_;
  std::unordered_map<std::string, int> index_;
};

// Reads the shared strings part. False with *error naming the part.
bool ReadSharedStrings(const std::string& data, const std::string& part, std::vector<std::string>* out,
                       std::string* error);

struct SheetView {
  bool tabSelected = false;
  bool hasSelection = false;
  std::string selection;  // as the model writes it ("B5:C6", lists with ',')
  double zoom = 100.0;
};

struct WorksheetWrite {
  StyleWriter* styles = nullptr;
  SharedStrings* strings = nullptr;
  std::string drawingRelId;  // empty: no drawing
  SheetView view;
  pugi::xml_node original;  // the part's root as read, or empty
  std::vector<std::string> carriedConditionalFormats;
};

std::string WorksheetXml(const Worksheet& sheet, const WorksheetWrite& w);

struct WorksheetRead {
  std::string drawingRelId;
  SheetView view;
  std::vector<std::string> carriedConditionalFormats;  // with rules the model does not hold
};

// Reads the part into an empty worksheet. Shared string and style indexes are checked;
// failures name the part and the cell ("xl/worksheets/sheet1.xml: cell B7: ...").
bool ReadWorksheet(const pugi::xml_node& root, const std::string& part, const std::vector<std::string>& strings,
                   const StyleSheet& styles, Worksheet& sheet, WorksheetRead* out, std::string* error);

}  // namespace korvat::host::file::xlsx
